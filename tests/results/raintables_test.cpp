#include "results/raintables.h"

#include <gtest/gtest.h>

#include "core/calc/hyetograph.h"
#include "core/calc/readconditions.h"
#include "core/interaction/recordinginteraction.h"

namespace {

// The start-up design's rain (type 1, rear-loaded, 20-minute blocks) over `duration` minutes.
TRenzoku StartupRain(const char* duration) {
  DesignForm form;
  SetStartupValues(form);
  form.RainDuration = duration;
  TRenzoku calc;
  RecordingInteraction ui;
  EXPECT_EQ(ReadConditions(calc, form, ui).errorFlag, 0);
  BuildDesignHyetograph(calc);
  return calc;
}

std::vector<std::string> Row(const StringGrid& table, int row) {
  return table.Row(row);
}

}  // namespace

TEST(RainTablesTest, OneRowPerBlockWithNoRowsLeftFromALongerRun) {
  ResultSheet sheet;
  TRenzoku longRun = StartupRain("4800");
  FillRainTables(longRun, sheet);
  FillRunoffTable(longRun, sheet);
  EXPECT_EQ(sheet.IntensityTable.RowCount(), 242);

  TRenzoku calc = StartupRain("1440");
  FillRainTables(calc, sheet);
  FillRunoffTable(calc, sheet);
  EXPECT_EQ(sheet.IntensityTable.RowCount(), 74);
  EXPECT_EQ(sheet.HyetographTable.RowCount(), 74);
  EXPECT_EQ(sheet.RunoffTable.RowCount(), 75);
  // The rows the report shows are checked against the golden report; here only that the
  // shorter run leaves no row behind and that the runoff table starts at time 0.
  EXPECT_EQ(Row(sheet.IntensityTable, 73)[1], "1,440");
  EXPECT_EQ(Row(sheet.RunoffTable, 2),
            (std::vector<std::string>{"0", "0", "00:00", "0.000000", "0.000000"}));
}

TEST(RainTablesTest, ARecordWithoutBlocksLeavesOnlyTheHeaders) {
  ResultSheet sheet;
  TRenzoku calc = StartupRain("1440");
  FillRainTables(calc, sheet);
  TRenzoku empty;
  empty.Rain.PointCount = 5;  // series never built: nothing is read past them
  FillRainTables(empty, sheet);
  FillRunoffTable(empty, sheet);
  EXPECT_EQ(sheet.IntensityTable.RowCount(), 1);
  EXPECT_EQ(sheet.RunoffTable.RowCount(), 2);
  EXPECT_EQ(sheet.RunoffTable.Cell(0, 1), "No");
}
