#include "core/design/designform.h"

namespace {

// The pond table of the start-up design: H (m), F (m²), V (m³).
constexpr const char* kStartupPondRows[] = {
    "24.00,79.0,0.0",          "26.00,79.0,158.0",        "26.01,18700.0,251.8",
    "27.00,20920.0,19863.8",   "27.01,41920.0,20177.9",   "28.00,46666.0,64025.2",
    "29.00,49020.0,111865.2",  "30.00,51650.0,162200.2",  "31.00,54640.0,215345.2",
    "32.00,57450.0,271390.2",  "33.00,60100.0,330165.2",  "34.00,63110.0,391770.2",
};

}  // namespace

void SetStartupValues(DesignForm& form) {
  form.ChooseIntensitySource(0);
  form.IntensityPage = 0;
  form.FormulaPage = 0;
  form.Type1A = "2590";
  form.Type1X = "3/4";
  form.Type1B = "12.9";
  form.ReturnPeriod = "30";
  form.TimeUnit = 1;
  form.ChooseWaveform(2);

  form.TypeConcentration("20");
  form.RainDuration = "1440";
  form.RunoffCoef = "0.84";
  form.CatchmentArea = "247.9";
  form.Margin = "1.0";
  form.ExtraInflow = "0.0";

  form.PumpTabVisible = false;
  form.SelectOutletPage(0);
  form.ChooseOrificeStages(0);
  form.ChooseOrificeShape(0);

  form.AllowableRelease = "6.0";
  form.SpillwayWidth = "1.000";
  form.SpillwayCrest = "32.000";
  form.LowerHeight = "0.900";
  form.LowerWidth = "0.900";
  form.LowerSill = "24.000";
  form.UpperHeight = "0.900";
  form.UpperWidth = "0.900";
  form.UpperSill = "24.000";
  form.C2 = "0.60";
  form.C1 = "1.80";
  form.SpillwayC = "1.80";

  form.ChooseStorageSource(1);
  form.InitialStorage = "0.0";
  int row = 2;
  for (const char* pondRow : kStartupPondRows) form.PondGrid.SetRowFromCommaText(row++, pondRow);

  form.StorageFormula = 0;
  form.CalcDuration = "2000";
  form.Pitch = "20";

  form.IntensityPage = 0;
  form.SelectOutletPage(0);
  form.ApplySwitching();

  // The header rows and column widths of both grids, set once the start-up values are in.
  form.PondGrid.ColWidths = {42, 42, 55};
  form.PondGrid.SetRowFromCommaText(0, "標高(H),面積(F),貯水量(V)");
  form.PondGrid.SetRowFromCommaText(1, "(m),(m2),(m3)");
  form.ObservedGrid.ColWidths = {22, 30, 50};
  form.ObservedGrid.SetRowFromCommaText(0, "N,分,降雨強度");
  form.ObservedGrid.SetRowFromCommaText(1, "-,(m),(mm/hr)");
}

DesignForm StartupDesignForm() {
  DesignForm form;
  SetStartupValues(form);
  return form;
}
