#include "results/storageestimatetext.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/goldenlines.h"

TEST(StorageEstimateTextTest, DefaultsGiveTheFieldAndTheWholeDerivation) {
  RecordingInteraction ui;
  std::optional<StorageEstimate> estimate = EstimateStorage({}, ui);
  ASSERT_TRUE(estimate);
  std::vector<std::string> golden = testing_support::GoldenLines("estimate/default_derivation.txt");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(EstimatedStorageText(*estimate), golden.front());
  EXPECT_EQ(StorageEstimateLines(*estimate), TextList(golden.begin() + 1, golden.end()));
}

TEST(StorageEstimateTextTest, CoefficientsAreJoinedWithoutSignsAndTheExponentAsTyped) {
  StorageEstimate e;
  e.alpha = 5.186;
  e.beta = 24.3;
  e.gamma = -1.5;
  e.nText = "0.75";
  TextList lines = StorageEstimateLines(e);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "     5.186･x^224.300･x-1.500=0"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "      n (降雨強度曲線式係数)=0.75"), lines.end());
}
