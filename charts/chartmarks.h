#pragma once
/// The marks of a chart: the small labelled boxes that series show at their points.

#include <string>
#include <vector>

#include "charts/canvas.h"
#include "charts/chartrenderer.h"
#include "results/chart.h"

/// The text a point's mark shows: its label, or its y value in the left axis' format. Blank
/// labels (the " " of a marker's first point) show no mark.
std::string MarkText(const Chart& chart, const ChartSeries& series, const ChartPoint& point);

/// The box of a mark at `at` whose text is `size` (width, height) px: centred above the point,
/// below it when it would leave the top of `bounds`, moved sideways to stay inside `bounds`.
CanvasRect PlaceMark(CanvasPoint at, CanvasPoint size, const CanvasRect& bounds);

/// Draws the marks of every series that shows them, in the current font, inside the plot box.
/// Points outside the plot are clipped with their marks; a mark that would cover one drawn
/// before it is left out, so that what shows stays readable.
void DrawMarks(const Chart& chart, const ChartLayout& layout, Canvas& canvas, double fontPixels);
