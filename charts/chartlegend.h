#pragma once
/// The legend of a chart: which series it names, its size, and its drawing.

#include <vector>

#include "charts/canvas.h"
#include "results/chart.h"

/// The series a legend names, in series order: only when the chart shows a legend, and only
/// series marked for it with a title (marker series never are).
std::vector<const ChartSeries*> LegendSeries(const Chart& chart);

/// Width and height (px) of the legend box of `entries` in the canvas' current font, laid out
/// as a column or as one row.
CanvasPoint LegendSize(const std::vector<const ChartSeries*>& entries, const Canvas& canvas,
                       double fontPixels, bool row);

/// Draws the legend box: per entry a short line in the series colour and the series title.
void DrawLegend(const std::vector<const ChartSeries*>& entries, const CanvasRect& box,
                Canvas& canvas, double fontPixels, bool row);
