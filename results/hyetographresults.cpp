#include "results/hyetographresults.h"

#include "results/hyetographcharts.h"
#include "results/hyetographtext.h"
#include "results/raintables.h"

void FillHyetographResults(const TRenzoku& calc, const HyetographPeaks& peaks,
                           const DesignForm& form, ResultSheet& sheet) {
  FillRainTables(calc, sheet);
  FillRunoffTable(calc, sheet);
  FillHyetographCharts(calc, peaks, form, sheet);
  WriteHyetographText(calc, sheet);
}
