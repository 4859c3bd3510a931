#include "core/calc/validateconditions.h"

#include <string>

namespace {

constexpr char kCorrect[] = "\r\r訂正して下さい。";
constexpr char kGoOn[] = "\r\r計算は続行しますが、\r確認して下さい。";

struct Check {
  bool failed;
  bool stops;
  const char* text;  // the message without its closing lines
};

bool C1OutOfRange(double c1) {
  return c1 < 1.69 || c1 > 1.81;
}
bool CTooHigh(double c) {
  return c > 0.61;
}

void Warn(bool failed, const char* text, UserInteraction& ui) {
  if (failed) ui.ShowMessage(std::string(text) + kGoOn, MessageKind::Warning);
}

void CheckLowerCoefficients(const TRenzoku& calc, UserInteraction& ui) {
  const auto& lower = calc.LowerOrifice;
  if (lower.Shape == 1) {
    Warn(CTooHigh(lower.CircleC), "通常C=0.6です。", ui);
    return;
  }
  Warn(C1OutOfRange(lower.C1), "通常C1=1.7～1.8の範囲です。", ui);
  Warn(CTooHigh(lower.C2), "通常C2=0.6です。", ui);
}

}  // namespace

int ValidateConditions(const TRenzoku& calc, UserInteraction& ui) {
  const double start = calc.Routing.StartLevel;
  const auto& lower = calc.LowerOrifice;
  const auto& upper = calc.UpperOrifice;
  const double crest = calc.Spillway.CrestLevel;
  const bool twoStages = calc.OrificeStages == 2;
  const Check checks[] = {
      {start < calc.Pond.MinLevel, true, "計算開始水位が調節池最低標高より低いです。"},
      {start > crest, true, "計算開始水位が余水吐き敷高より高いです。"},
      {start > lower.SillLevel, false, "計算開始水位がｵﾘﾌｨｽ呑口敷高より高いです。"},
      {lower.SillLevel < calc.Pond.MinLevel, false, "ｵﾘﾌｨｽ呑口敷高が調節池最低標高より低いです。"},
      {lower.SillLevel > calc.Pond.MaxLevel, true, "ｵﾘﾌｨｽ呑口敷高が調節池最高標高より高いです。"},
      {lower.SillLevel + lower.Height > crest, true,
       "余水吐敷高が「下段ｵﾘﾌｨｽ呑口敷高」より低いです。"},
      {twoStages && upper.SillLevel + upper.Height > crest, true,
       "余水吐敷高が「上段ｵﾘﾌｨｽ呑口敷高」より低いです。"},
      {twoStages && lower.SillLevel + lower.Height > upper.SillLevel, true,
       "「上段ｵﾘﾌｨｽ呑口敷高」が「下段ｵﾘﾌｨｽ呑口」より低いです。"},
  };
  for (const Check& check : checks) {
    if (!check.failed) continue;
    if (check.stops) {
      ui.ShowMessage(std::string(check.text) + kCorrect);
      return 1;
    }
    Warn(true, check.text, ui);
  }

  // One pair of C1/C2 fields serves both orifices, so an unusual value is reported for each.
  if (twoStages) {
    Warn(C1OutOfRange(upper.C1), "通常C1=1.7～1.8の範囲です。", ui);
    Warn(CTooHigh(upper.C2), "通常C2=0.6です。", ui);
  }
  CheckLowerCoefficients(calc, ui);
  return 0;
}
