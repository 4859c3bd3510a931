#include "core/calc/storageestimate.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "core/text/conversionerror.h"

namespace {

// The reference values are quoted to three decimals; their own rounding is 5e-4.
constexpr double kQuotedTolerance = 5e-4;

}  // namespace

TEST(StorageEstimateTest, DefaultInputsGiveTheQuotedValues) {
  RecordingInteraction ui;
  std::optional<StorageEstimate> e = EstimateStorage({}, ui);
  ASSERT_TRUE(e);
  EXPECT_NEAR(e->rc, 10.373, kQuotedTolerance);
  EXPECT_NEAR(e->alpha, 5.186, kQuotedTolerance);
  EXPECT_NEAR(e->beta, -513.690, kQuotedTolerance);
  EXPECT_NEAR(e->gamma, -32547.927, kQuotedTolerance);
  EXPECT_NEAR(e->x, 142.947, kQuotedTolerance);
  EXPECT_NEAR(e->ti, 747.422, kQuotedTolerance);
  EXPECT_NEAR(e->ri, 16.619, kQuotedTolerance);
  EXPECT_NEAR(e->V, 296558.401, kQuotedTolerance);
  EXPECT_EQ(e->nText, "3/4");

  StorageEstimateInputs decimal;
  decimal.n = "0.75";
  std::optional<StorageEstimate> same = EstimateStorage(decimal, ui);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->V, e->V);
  EXPECT_EQ(same->nText, "0.75");
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(StorageEstimateTest, MalformedInputRaisesTheConversionErrorOfTheFirstBadText) {
  RecordingInteraction ui;
  StorageEstimateInputs inputs;
  inputs.b = "12,9";
  inputs.f = "x";
  try {
    EstimateStorage(inputs, ui);
    FAIL() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'12,9' is not a valid floating point value");
  }
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(StorageEstimateTest, FloatingPointFailuresShowTheirErrorAndGiveNothing) {
  struct Case {
    StorageEstimateInputs inputs;
    std::string message;
  };
  std::vector<Case> cases(5);
  cases[0].inputs.Qc = "0";
  cases[0].message = "Floating point division by zero";
  cases[1].inputs.f = "0";
  cases[1].message = "Floating point division by zero";
  cases[2].inputs.A = "0.0";
  cases[2].message = "Floating point division by zero";
  cases[3].inputs.n = "3/";  // an empty denominator reads as 0
  cases[3].message = "Floating point division by zero";
  cases[4].inputs.b = "-50";  // β² − 4αγ < 0
  cases[4].message = "Invalid floating point operation";
  for (const Case& c : cases) {
    RecordingInteraction ui;
    EXPECT_FALSE(EstimateStorage(c.inputs, ui));
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{c.message}));
  }
}
