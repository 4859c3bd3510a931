#pragma once
/// Draws a chart of the result sheet onto a canvas: title, axes with their titles and tick
/// labels, the series in their order, marks and legend.

#include <string>
#include <vector>

#include "charts/canvas.h"
#include "results/chart.h"

/// How a chart is drawn where the chart model leaves it open.
struct ChartStyle {
  enum class LegendPlace { Right, Bottom };
  LegendPlace legendPlace = LegendPlace::Right;
  bool bevel = false;        // the raised inner and lowered outer bevel of the printed pages
  bool axesVisible = true;   // false: no axes, ticks or axis titles (the stage table drawing)
  std::string fontFace = "ＭＳ 明朝";
  double fontPixels = 12;    // tick labels, axis titles, marks, legend
  double titlePixels = 14;
  ChartColour titleColour = ChartColour::Black();
  bool grid = true;          // dotted lines across the plot at the major ticks
  double seriesPenWidth = 1; // px
};

/// Where a chart's parts land inside an area: the plot box and the axis ranges and ticks in use.
struct ChartLayout {
  CanvasRect plot;
  double xMinimum = 0, xMaximum = 0, yMinimum = 0, yMaximum = 0;
  bool xUsable = false, yUsable = false;  // a range with min < max, both finite
  std::vector<double> xTicks, yTicks;
  // The texts shown at xTicks and yTicks, one each.
  std::vector<std::string> xLabels, yLabels;
  std::vector<double> xMinorTicks, yMinorTicks;
  CanvasRect legend;  // empty when the chart shows no legend
};

/// The font of tick labels, axis titles, marks and legend. LayoutChart measures texts in the
/// canvas' current font, so a caller that lays out without rendering sets this font first.
CanvasFont ChartTextFont(const ChartStyle& style);

/// The layout of the chart inside `area`, measured with the canvas' fonts.
ChartLayout LayoutChart(const Chart& chart, const Canvas& canvas, CanvasRect area,
                        const ChartStyle& style = {});

/// Draws the chart inside `area` on a white background.
void RenderChart(const Chart& chart, Canvas& canvas, CanvasRect area, const ChartStyle& style = {});

/// The canvas position of the value (x, y) in a layout whose two ranges are usable.
CanvasPoint PlotPosition(const ChartLayout& layout, double x, double y);

/// The values (x, y) at a canvas position: the inverse of PlotPosition.
CanvasPoint PlotValue(const ChartLayout& layout, CanvasPoint position);
