#include "core/calc/runoff.h"

#include <gtest/gtest.h>

#include "core/text/formatnumber.h"

TEST(RunoffTest, RationalFormulaInCubicMetresPerSecond) {
  TRenzoku calc;
  calc.Runoff = {0.84, 247.9, 1.0, 0.0};
  EXPECT_EQ(FormatNumber("#0.000000", BlockRunoff(calc, 100)), "57.843333");
  calc.Runoff.Margin = 1.1;
  EXPECT_EQ(FormatNumber("#0.000000", BlockRunoff(calc, 100)), "63.627667");
  calc.Runoff.ExtraInflow = 0.5;  // added to every block, a dry one included
  EXPECT_EQ(BlockRunoff(calc, 0), 0.5);
}
