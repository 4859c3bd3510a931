#include "core/design/designform.h"

#include "core/text/formatnumber.h"
#include "core/text/numberreading.h"

namespace {

constexpr int kObservedRows = 146;
constexpr int kPondRows = 32;

void SetHeaderRows(StringGrid& grid, std::string_view names, std::string_view units) {
  grid.SetRowFromCommaText(0, names);
  grid.SetRowFromCommaText(1, units);
}

}  // namespace

KindDependentView ViewForKind(int calcKind) {
  if (calcKind == 2) {
    return {"Ⅲ-1．湛水計算",  false, "Ⅳ-4．[表4]湛水計算結果",
            false,           false, true,
            "Ⅳ.資料-4[表4]湛水計算結果", "表4 -"};
  }
  return {"Ⅲ-1．洪水調節計算", true, "Ⅳ-4．[表4]洪水調節結果...",
          true,               true, false,
          "Ⅳ.資料-4[表4]調節池計算", "表4 -"};
}

DesignForm::DesignForm()
    : Type1A("2590"), Type1X("3/4"), Type1B("12.9"),
      Type2A("1824"), Type2X("0.89"), Type2B("18.0"),
      ReturnPeriod("30"),
      ConstIntensity("50"),
      ObservedGrid(3, kObservedRows),
      Concentration("20"), RainDuration("1440"),
      RunoffCoef("0.84"), CatchmentArea("247.9"), Margin("1.0"), ExtraInflow("0.0"),
      AllowableRelease("6.0"),
      SpillwayWidth("1.000"), SpillwayCrest("32.000"),
      UpperWidth("0.220"), UpperHeight("0.220"), UpperSill("3.000"),
      LowerWidth("0.900"), LowerHeight("0.900"), LowerSill("24.000"),
      PumpCapacity("0.5"), PumpMin("0.0"), PumpMax("5.0"),
      C2("0.60"), C1("1.70"), CircleC("0.60"), SpillwayC("1.70"),
      InitialStorage("0.0"),
      PondGrid(2, kPondRows),
      CalcDuration("3000"), Pitch("20"), StartLevel("0.0") {
  ObservedGrid.ColWidths = {22, 30, 50};
  SetHeaderRows(ObservedGrid, "N,分,降雨強度", "-,(m),(mm/hr)");
  PondGrid.ColWidths = {69, 70};
  SetHeaderRows(PondGrid, "標高(H),面積(F),貯水量(V)", "(m),(m2),(m3)");
}

std::string DesignForm::Caption() const {
  return DesignName.empty() ? "設計条件テーブル" : "設計条件 " + DesignName;
}

void DesignForm::SetChoice(int& choice, int index) {
  if (choice == index) return;
  choice = index;
  ApplySwitching();
}

void DesignForm::ChooseIntensitySource(int index) { SetChoice(m_intensitySource, index); }
void DesignForm::ChooseOrificeStages(int index) { SetChoice(m_orificeStages, index); }
void DesignForm::ChooseOrificeShape(int index) { SetChoice(m_orificeShape, index); }
void DesignForm::ChooseStorageSource(int index) { SetChoice(m_storageSource, index); }
void DesignForm::ChoosePumpCalcKind(int index) { SetChoice(m_pumpCalcKind, index); }
void DesignForm::SelectOutletPage(int index) { SetChoice(m_outletPage, index); }

void DesignForm::ChooseWaveform(int index) {
  Waveform = index;
  WaveformPicturePage = index;
}

void DesignForm::TypeConcentration(std::string_view text) {
  std::optional<double> minutes = ReadNamed(text);
  if (!minutes) {
    Concentration.clear();
    return;
  }
  Concentration = FormatNumber("0", *minutes);
  Pitch = Concentration;
}

void DesignForm::ApplySwitching() {
  if (m_outletPage == 0) {
    ActiveCalcKind = 0;
  } else {
    ActiveCalcKind = m_pumpCalcKind == 0 ? 1 : m_pumpCalcKind == 1 ? 2 : 0;
  }

  IntensityPage = m_intensitySource;  // the pages stand in the order of the choice's items

  // Any switching resets the coefficients to the usual values of the enabled lists.
  C1 = C1Enabled() ? "1.80" : "-";
  C2 = C2Enabled() ? "0.60" : "-";
  CircleC = CircleCEnabled() ? "0.60" : "-";

  if (m_storageSource == 0) {
    PondGrid.SetColCount(2);
    PondGrid.ColWidths = {69, 70};
    StorageFormula = 1;
  } else {
    PondGrid.SetColCount(3);
    PondGrid.ColWidths = {42, 42, 55};
    StorageFormula = -1;
  }

  if (ActiveCalcKind == 1) {
    PumpCapacity = "0.5";
    PumpMin = "-";
    PumpMax = "-";
    PumpCapacityEnabled = true;
    PumpMinEnabled = PumpMaxEnabled = false;
  } else if (ActiveCalcKind == 2) {
    PumpCapacity = "-";
    PumpMin = "0.0";
    PumpMax = "5.0";
    PumpCapacityEnabled = false;
    PumpMinEnabled = PumpMaxEnabled = true;
  }
}

std::string DesignForm::Hint(ValueLabel label) const {
  switch (label) {
    case ValueLabel::Type1A:
    case ValueLabel::Type2A: return "a";
    case ValueLabel::Type1X:
    case ValueLabel::Type2X: return "x";
    case ValueLabel::Type1B:
    case ValueLabel::Type2B: return "b";
    case ValueLabel::ReturnPeriod: return "確率年";
    case ValueLabel::SpillwayWidth: return "W=余水吐き幅(m)";
    case ValueLabel::SpillwayCrest: return "HT=余水吐き敷高(m)";
    case ValueLabel::LowerHeight: return "DL=ｵﾘﾌｨｽ高(m)";
    case ValueLabel::LowerWidth: return m_orificeShape == 1 ? "φ=ｵﾘﾌｨｽ直径(m)" : "BL=ｵﾘﾌｨｽ幅(m)";
    case ValueLabel::LowerSill: return "HL=ｵﾘﾌｨｽ敷高(m)";
    case ValueLabel::UpperHeight: return "DH=上段ｵﾘﾌｨｽ高(m)";
    case ValueLabel::UpperWidth: return "BH=上段ｵﾘﾌｨｽ幅(m)";
    case ValueLabel::UpperSill: return "HH=上段ｵﾘﾌｨｽ敷高(m)";
  }
  return {};
}

std::string& DesignForm::LabelText(ValueLabel label) {
  switch (label) {
    case ValueLabel::Type1A: return Type1A;
    case ValueLabel::Type1X: return Type1X;
    case ValueLabel::Type1B: return Type1B;
    case ValueLabel::Type2A: return Type2A;
    case ValueLabel::Type2X: return Type2X;
    case ValueLabel::Type2B: return Type2B;
    case ValueLabel::ReturnPeriod: return ReturnPeriod;
    case ValueLabel::SpillwayWidth: return SpillwayWidth;
    case ValueLabel::SpillwayCrest: return SpillwayCrest;
    case ValueLabel::LowerHeight: return LowerHeight;
    case ValueLabel::LowerWidth: return LowerWidth;
    case ValueLabel::LowerSill: return LowerSill;
    case ValueLabel::UpperHeight: return UpperHeight;
    case ValueLabel::UpperWidth: return UpperWidth;
    case ValueLabel::UpperSill: return UpperSill;
  }
  return Type1A;  // not reached: every label is handled above
}

const std::string& DesignForm::LabelText(ValueLabel label) const {
  return const_cast<DesignForm*>(this)->LabelText(label);
}
