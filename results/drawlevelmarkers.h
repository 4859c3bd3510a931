#pragma once
/// The level markers of the rating and water-level charts: the spillway crest and the orifice
/// sills as short labelled horizontal lines.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "results/chart.h"

/// Empties the crest, lower-sill and (with two orifice stages only) upper-sill series of `chart`
/// (given by their positions) and draws each as two points at x0 = D/3 and x1 = D/3 + D/10,
/// where D is the width of the chart's bottom axis in single precision; x is measured from 0,
/// not from the axis minimum. The first point carries the level text ("余水吐敷高=32.000m",
/// "ｵﾘﾌｨｽ敷高=24.000m"), the second " ". The series turn blue, or black with "白黒". The bottom
/// axis must be set before.
void DrawLevelMarkers(const TKisoData& calc, int crestSeries, int lowerSillSeries, Chart& chart,
                      int upperSillSeries, const DesignForm& form);
