#include "results/drawlevelmarkers.h"

#include <cstddef>
#include <string>

#include "core/text/formatnumber.h"
#include "results/outputcolour.h"

namespace {

void DrawMarker(ChartSeries& series, double x0, double x1, double level, std::string label,
                const DesignForm& form) {
  series.points.clear();
  UnsortSeries(series);
  series.colour = OutputColour(form, ChartColour::Blue());
  series.Add(x0, level, std::move(label));
  series.Add(x1, level, " ");
}

}  // namespace

void DrawLevelMarkers(const TKisoData& calc, int crestSeries, int lowerSillSeries, Chart& chart,
                      int upperSillSeries, const DesignForm& form) {
  // The axis width is kept in single precision, as the chart component holds it.
  float width = static_cast<float>(chart.bottom.maximum - chart.bottom.minimum);
  double x0 = static_cast<double>(width) / 3;
  double x1 = static_cast<double>(width) / 3 + static_cast<double>(width) / 10;
  auto series = [&](int index) -> ChartSeries& {
    return chart.series.at(static_cast<std::size_t>(index));
  };
  DrawMarker(series(crestSeries), x0, x1, calc.Spillway.CrestLevel,
             "余水吐敷高=" + FormatNumber("0.000m", calc.Spillway.CrestLevel), form);
  DrawMarker(series(lowerSillSeries), x0, x1, calc.LowerOrifice.SillLevel,
             FormatNumber("ｵﾘﾌｨｽ敷高=0.000m", calc.LowerOrifice.SillLevel), form);
  if (calc.OrificeStages == 2) {
    DrawMarker(series(upperSillSeries), x0, x1, calc.UpperOrifice.SillLevel,
               FormatNumber("ｵﾘﾌｨｽ敷高=0.000m", calc.UpperOrifice.SillLevel), form);
  }
}
