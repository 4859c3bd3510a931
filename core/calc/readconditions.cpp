#include "core/calc/readconditions.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/calc/readpondtable.h"
#include "core/calc/routeflood.h"
#include "core/calc/runlimits.h"
#include "core/calc/runpumpcalculation.h"
#include "core/text/formatnumber.h"
#include "core/text/numberreading.h"
#include "core/text/parsefraction.h"

namespace {

constexpr double kPi = 3.1415926535897932385;
constexpr double kMinPitch = 0.5;  // min

// Rounds to the nearest whole number, halves to the even one (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double x) {
  double nearest = std::round(x);
  if (std::fabs(x - std::trunc(x)) == 0.5) nearest = 2.0 * std::round(x / 2.0);
  return nearest;
}

// A named field: its value, or 0 after the item's message.
double ReadNamedItem(std::string_view text, std::string_view item, int& errorFlag,
                     UserInteraction& ui) {
  std::optional<double> value = ReadNamed(text);
  if (!value) {
    ReportItemError(item, errorFlag, ui);
    return 0.0;
  }
  return *value;
}

std::uint32_t Index(int choice) {
  return static_cast<std::uint32_t>(std::max(choice, 0));
}

std::uint32_t FormulaKindOf(const DesignForm& form) {
  switch (form.IntensityPage) {
    case 0:
      return form.FormulaPage == 1 ? 2 : 1;
    case 1:
      return 0;
    default:
      return 3;
  }
}

void ReadRainFormula(TRenzoku& calc, const DesignForm& form) {
  auto& rain = calc.Rain;
  switch (rain.FormulaKind) {
    case 0:
      rain.ConstIntensity = ReadStrict(form.ConstIntensity);
      break;
    case 1:
    case 2: {
      bool type1 = rain.FormulaKind == 1;
      rain.CoefA = ReadStrict(type1 ? form.Type1A : form.Type2A);
      rain.ExponentText = type1 ? form.Type1X : form.Type2X;
      rain.Exponent = ParseFraction(rain.ExponentText);
      rain.CoefB = ReadStrict(type1 ? form.Type1B : form.Type2B);
      break;
    }
    default:
      break;  // observed intensities are read with the hyetograph
  }
}

// Steps of the drainage calculation of the record's kind.
double RunStepCount(const TKisoData& calc) {
  const auto& time = calc.Time;
  if (calc.CalcKind == 0) {
    return RoutingStepCount(time.CalcDuration, time.Concentration, time.Pitch);
  }
  return PumpStepCount(time.CalcDuration, time.Pitch);
}

// Times of concentration, rain duration, calculation time and the pitch rule.
void ReadTimes(TRenzoku& calc, DesignForm& form, int& errorFlag, UserInteraction& ui) {
  auto& time = calc.Time;
  std::optional<double> concentration = ReadNamed(form.Concentration);
  bool concentrationValid = concentration && *concentration > 0;
  if (!concentrationValid) ReportItemError("到達時間", errorFlag, ui);
  time.Concentration = concentration.value_or(0.0);

  time.RainDuration = ReadStrict(form.RainDuration);
  bool observed = calc.Rain.FormulaKind == 3;
  bool tooManyRainBlocks = !observed && concentrationValid &&
                           std::ceil(time.RainDuration / time.Concentration) > kMaxTableRows;
  if (time.RainDuration <= 0 || tooManyRainBlocks) ReportItemError("降雨継続時間", errorFlag, ui);

  time.CalcDuration = ReadStrict(form.CalcDuration);
  bool calcDurationRefused =
      time.CalcDuration <= 0 ||
      (concentrationValid && time.CalcDuration / time.Concentration > kMaxTableRows);
  if (calcDurationRefused) ReportItemError("計算時間", errorFlag, ui);

  time.MinPitch = kMinPitch;
  double pitch = ReadStrict(form.Pitch);
  if (pitch <= 0) ReportItemError("計算ﾋﾟｯﾁ", errorFlag, ui);
  if (!concentrationValid || pitch <= 0) return;  // the rule would divide by zero
  pitch = std::min(time.Concentration, pitch);
  pitch = time.Concentration / RoundHalfEven(time.Concentration / pitch);
  pitch = std::max(time.MinPitch, pitch);
  time.Pitch = pitch;
  form.Pitch = FormatNumber("0.00", pitch);
  // The step count needs the pitch, so its limit is checked last; it is the calculation time
  // that makes a run long.
  if (!calcDurationRefused && RunStepCount(calc) > kMaxRunSteps) {
    ReportItemError("計算時間", errorFlag, ui);
  }
}

void ReadOrifices(TRenzoku& calc, const DesignForm& form, int& errorFlag, UserInteraction& ui) {
  auto& lower = calc.LowerOrifice;
  lower.SillLevel = ReadNamedItem(form.LowerSill, "ｵﾘﾌｨｽ敷高", errorFlag, ui);
  lower.Shape = form.OrificeShape();
  if (lower.Shape == 1) {
    lower.Width = ReadNamedItem(form.LowerWidth, "ｵﾘﾌｨｽ径", errorFlag, ui);
    lower.Height = lower.Width;
    lower.CircleC = ReadStrict(form.CircleC);
    lower.Area = lower.Width * (lower.Width * kPi) / 4;
  } else {
    lower.Height = ReadNamedItem(form.LowerHeight, "ｵﾘﾌｨｽ高", errorFlag, ui);
    lower.Width = ReadNamedItem(form.LowerWidth, "ｵﾘﾌｨｽ幅", errorFlag, ui);
    lower.C1 = ReadNamedItem(form.C1, "C1(係数)", errorFlag, ui);
    lower.C2 = ReadNamedItem(form.C2, "C2(係数)", errorFlag, ui);
    lower.Area = lower.Height * lower.Width;
  }

  auto& upper = calc.UpperOrifice;
  upper = {};
  if (calc.OrificeStages != 2) return;
  upper.SillLevel = ReadNamedItem(form.UpperSill, "ｵﾘﾌｨｽ敷高", errorFlag, ui);
  upper.Height = ReadNamedItem(form.UpperHeight, "ｵﾘﾌｨｽ高", errorFlag, ui);
  upper.Width = ReadNamedItem(form.UpperWidth, "ｵﾘﾌｨｽ幅", errorFlag, ui);
  upper.C1 = ReadNamedItem(form.C1, "C1(係数)", errorFlag, ui);
  upper.C2 = ReadNamedItem(form.C2, "C2(係数)", errorFlag, ui);
  upper.Area = upper.Height * upper.Width;
}

}  // namespace

void ReportItemError(std::string_view item, int& errorFlag, UserInteraction& ui) {
  ui.ShowMessage(std::string(item) + "が不正です。\r\r訂正して下さい。");
  errorFlag = 1;
}

std::uint32_t CalcKindOf(const DesignForm& form) {
  if (form.OutletPage() != 1) return 0;
  switch (form.PumpCalcKind()) {
    case 0:
      return 1;
    case 1:
      return 2;
    default:
      return 0;
  }
}

ReadResult ReadConditions(TRenzoku& calc, DesignForm& form, UserInteraction& ui) {
  ReadResult result;
  int& errorFlag = result.errorFlag;

  calc.CalcKind = CalcKindOf(form);
  calc.Rain.TimeUnit = Index(form.TimeUnit);
  calc.Rain.ReturnPeriod = ReadStrict(form.ReturnPeriod);
  calc.Rain.FormulaKind = FormulaKindOf(form);
  ReadRainFormula(calc, form);
  calc.Routing.StartLevel = ReadStrict(form.StartLevel);
  calc.Rain.Waveform = Index(form.Waveform);
  ReadTimes(calc, form, errorFlag, ui);

  calc.OrificeStages = form.OrificeStages() + 1;
  calc.AllowableRelease = ReadStrict(form.AllowableRelease);
  ReadOrifices(calc, form, errorFlag, ui);

  calc.Pump.Capacity = ReadLenient(form.PumpCapacity);
  calc.Pump.MinCapacity = ReadLenient(form.PumpMin);
  calc.Pump.MaxCapacity = ReadLenient(form.PumpMax);
  if (calc.CalcKind == 2 &&
      PumpStudySizeCount(calc.Pump.MinCapacity, calc.Pump.MaxCapacity) > kMaxPumpSizes) {
    ReportItemError("ポンプ規模", errorFlag, ui);
  }

  calc.Spillway.CrestLevel = ReadNamedItem(form.SpillwayCrest, "余水吐き敷高", errorFlag, ui);
  calc.Spillway.Width = ReadNamedItem(form.SpillwayWidth, "余水吐き幅", errorFlag, ui);
  calc.Spillway.Coef = ReadStrict(form.SpillwayC);

  calc.Runoff.Coef = ReadStrict(form.RunoffCoef);
  calc.Runoff.Area = ReadStrict(form.CatchmentArea);
  calc.Runoff.Margin = ReadStrict(form.Margin);
  calc.Runoff.ExtraInflow = ReadStrict(form.ExtraInflow);

  // The engine takes the storage choices from the record, not from the window.
  calc.Pond.StorageSource = form.StorageSource();
  calc.Pond.StorageFormula = form.StorageFormula;

  if (errorFlag == 0) {
    errorFlag = ReadPondTable(calc, form, ui);
    result.pondReader = errorFlag == 0 ? PondReaderState::Completed : PondReaderState::Stopped;
  }
  return result;
}
