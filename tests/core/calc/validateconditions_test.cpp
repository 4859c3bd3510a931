#include "core/calc/validateconditions.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"

namespace {

const std::string kGoOn = "\r\r計算は続行しますが、\r確認して下さい。";
const std::string kCorrect = "\r\r訂正して下さい。";
const std::string kC1 = "通常C1=1.7～1.8の範囲です。" + kGoOn;
const std::string kC2 = "通常C2=0.6です。" + kGoOn;

// A one-stage rectangular design that passes every check without a warning.
TRenzoku Sound() {
  TRenzoku calc;
  calc.Pond.RowCount = 2;
  calc.Pond.MinLevel = 24.0;
  calc.Pond.MaxLevel = 34.0;
  calc.Routing.StartLevel = 24.0;
  calc.OrificeStages = 1;
  calc.LowerOrifice = {24.0, 0.9, 0.9, 0.81, 1.8, 0.6, 0, 0};
  calc.Spillway.CrestLevel = 32.0;
  return calc;
}

std::pair<int, std::vector<std::string>> Validate(const TRenzoku& calc) {
  RecordingInteraction ui;
  int result = ValidateConditions(calc, ui);
  return {result, ui.Texts()};
}

}  // namespace

TEST(ValidateConditionsTest, StopChecksEndTheRunWithTheirMessage) {
  EXPECT_EQ(Validate(Sound()), (std::pair<int, std::vector<std::string>>{0, {}}));

  TRenzoku calc = Sound();
  calc.Routing.StartLevel = 23.9;
  EXPECT_EQ(Validate(calc).second,
            std::vector<std::string>{"計算開始水位が調節池最低標高より低いです。" + kCorrect});
  calc = Sound();
  calc.Routing.StartLevel = 32.5;  // also above the sill, but the stop comes first
  EXPECT_EQ(Validate(calc), (std::pair<int, std::vector<std::string>>{
                                1, {"計算開始水位が余水吐き敷高より高いです。" + kCorrect}}));
  calc = Sound();
  calc.LowerOrifice.SillLevel = 34.5;
  calc.Spillway.CrestLevel = 40.0;
  calc.Routing.StartLevel = 24.0;
  EXPECT_EQ(Validate(calc).second,
            std::vector<std::string>{"ｵﾘﾌｨｽ呑口敷高が調節池最高標高より高いです。" + kCorrect});

  calc = Sound();
  calc.Spillway.CrestLevel = 24.9;  // HL + DL exactly at the crest passes
  EXPECT_EQ(Validate(calc).first, 0);
  calc.Spillway.CrestLevel = 24.89;
  EXPECT_EQ(Validate(calc).second,
            std::vector<std::string>{"余水吐敷高が「下段ｵﾘﾌｨｽ呑口敷高」より低いです。" + kCorrect});

  calc = Sound();
  calc.OrificeStages = 2;
  calc.UpperOrifice = {31.5, 0.4, 0.6, 0.24, 1.8, 0.6};
  EXPECT_EQ(Validate(calc).second,
            std::vector<std::string>{"余水吐敷高が「上段ｵﾘﾌｨｽ呑口敷高」より低いです。" + kCorrect});
  calc.UpperOrifice.SillLevel = 24.5;
  EXPECT_EQ(Validate(calc),
            (std::pair<int, std::vector<std::string>>{
                1, {"「上段ｵﾘﾌｨｽ呑口敷高」が「下段ｵﾘﾌｨｽ呑口」より低いです。" + kCorrect}}));
}

TEST(ValidateConditionsTest, LevelWarningsLetTheRunGoOn) {
  TRenzoku calc = Sound();
  calc.Routing.StartLevel = 24.001;
  EXPECT_EQ(Validate(calc), (std::pair<int, std::vector<std::string>>{
                                0, {"計算開始水位がｵﾘﾌｨｽ呑口敷高より高いです。" + kGoOn}}));

  calc = Sound();
  calc.LowerOrifice.SillLevel = 23.5;
  calc.Routing.StartLevel = 24.0;
  calc.LowerOrifice.C1 = 1.6;
  EXPECT_EQ(Validate(calc), (std::pair<int, std::vector<std::string>>{
                                0,
                                {"計算開始水位がｵﾘﾌｨｽ呑口敷高より高いです。" + kGoOn,
                                 "ｵﾘﾌｨｽ呑口敷高が調節池最低標高より低いです。" + kGoOn, kC1}}));
}

TEST(ValidateConditionsTest, CoefficientWarningsFollowStagesAndShape) {
  TRenzoku calc = Sound();
  calc.LowerOrifice.C2 = 0.61;
  EXPECT_TRUE(Validate(calc).second.empty());
  calc.LowerOrifice.C2 = 0.85;  // a bell-mouthed orifice
  EXPECT_EQ(Validate(calc).second, std::vector<std::string>{kC2});

  // Both stages share one C1 field, so an unusual C1 is reported for each.
  calc = Sound();
  calc.OrificeStages = 2;
  calc.UpperOrifice = {30.0, 0.4, 0.6, 0.24, 1.85, 0.6};
  calc.LowerOrifice.C1 = 1.85;
  EXPECT_EQ(Validate(calc), (std::pair<int, std::vector<std::string>>{0, {kC1, kC1}}));

  calc.LowerOrifice = {24.0, 0.9, 0.9, 0.636, 0, 0, 0.85, 1};  // circular
  calc.UpperOrifice.C1 = 1.8;
  calc.UpperOrifice.C2 = 0.9;
  EXPECT_EQ(Validate(calc).second, (std::vector<std::string>{kC2, "通常C=0.6です。" + kGoOn}));
}
