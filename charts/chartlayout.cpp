// The layout half of the chart renderer: where plot, ticks, labels and legend go.
#include <algorithm>
#include <cmath>

#include "charts/axisscale.h"
#include "charts/chartlegend.h"
#include "charts/chartrenderer.h"

namespace {

constexpr double kTickLength = 4;  // px, major ticks outside the plot
// Major ticks keep at least this many font sizes apart on the left axis.
constexpr double kYTickSpacing = 3;
// Bottom labels start at this spacing and are thinned until they stand a font size apart.
constexpr double kXTickSpacing = 5;

struct AxisTicks {
  AxisRange range;
  std::vector<double> ticks, minor;
  std::vector<std::string> labels;
};

double Widest(const std::vector<std::string>& labels, const Canvas& canvas) {
  double widest = 0;
  for (const std::string& label : labels) widest = std::max(widest, canvas.TextWidth(label));
  return widest;
}

AxisTicks ValueTicks(const Chart& chart, const ChartAxis& axis, bool horizontal, int maxTicks) {
  AxisTicks result;
  result.range = ShownRange(chart, axis, horizontal, maxTicks);
  const double step = RoundStep(result.range, maxTicks,
                                axis.format.empty() ? 0 : FormatResolution(axis.format));
  result.ticks = TicksInside(result.range, step);
  result.minor = MinorTicks(result.range, step, axis.minorTickCount);
  result.labels = TickLabels(axis, result.ticks, step);
  return result;
}

// The bottom axis that shows the points' labels: every labelled point inside the range, left
// to right, leaving out a label that would run into the one before it.
AxisTicks PointLabelTicks(const Chart& chart, const AxisRange& range, double width,
                          const Canvas& canvas, double font) {
  AxisTicks result;
  result.range = range;
  if (!range.Usable()) return result;
  std::vector<const ChartPoint*> points;
  for (const ChartSeries& series : chart.series) {
    for (const ChartPoint& point : series.points) {
      if (point.x >= range.minimum && point.x <= range.maximum &&
          point.label.find_first_not_of(' ') != std::string::npos) {
        points.push_back(&point);
      }
    }
  }
  std::stable_sort(points.begin(), points.end(),
                   [](const ChartPoint* a, const ChartPoint* b) { return a->x < b->x; });
  const double scale = width / (range.maximum - range.minimum);
  double lastRight = -INFINITY;
  for (const ChartPoint* point : points) {
    const double centre = (point->x - range.minimum) * scale;
    const double half = canvas.TextWidth(point->label) / 2;
    if (centre - half < lastRight + font / 2) continue;
    lastRight = centre + half;
    result.ticks.push_back(point->x);
    result.labels.push_back(point->label);
  }
  return result;
}

AxisTicks BottomTicks(const Chart& chart, double width, const Canvas& canvas, double font) {
  if (chart.bottom.showsPointLabels) {
    const int maxTicks = std::max(1, static_cast<int>(width / (kXTickSpacing * font)));
    return PointLabelTicks(chart, ShownRange(chart, chart.bottom, true, maxTicks), width, canvas,
                           font);
  }
  for (int maxTicks = std::max(1, static_cast<int>(width / (kXTickSpacing * font)));;
       --maxTicks) {
    AxisTicks ticks = ValueTicks(chart, chart.bottom, true, maxTicks);
    if (maxTicks == 1 || ticks.ticks.size() < 2) return ticks;
    const double spacing = (ticks.ticks[1] - ticks.ticks[0]) /
                           (ticks.range.maximum - ticks.range.minimum) * width;
    if (spacing >= Widest(ticks.labels, canvas) + font) return ticks;
  }
}

}  // namespace

CanvasFont ChartTextFont(const ChartStyle& style) {
  return {style.fontFace, style.fontPixels, false, ChartColour::Black()};
}

ChartLayout LayoutChart(const Chart& chart, const Canvas& canvas, CanvasRect area,
                        const ChartStyle& style) {
  const double font = style.fontPixels;
  const double pad = std::round(font / 2);
  const auto entries = LegendSeries(chart);
  const bool legendRow = style.legendPlace == ChartStyle::LegendPlace::Bottom;
  const CanvasPoint legendSize = LegendSize(entries, canvas, font, legendRow);

  double top = area.top + pad + (chart.title.empty() ? 0 : style.titlePixels + pad);
  double bottom = area.bottom() - pad;
  double left = area.left + pad;
  double right = area.right() - pad;
  if (style.axesVisible) {
    // The left axis' title stands above the axis; without one, room for the top tick label.
    top += chart.left.title.empty() ? font / 2 : font + pad;
    bottom -= kTickLength + 2 + font;
    if (!chart.bottom.title.empty()) bottom -= font + pad / 2;
  }
  if (!entries.empty() && legendRow) bottom -= legendSize.y + pad;
  if (!entries.empty() && !legendRow) right -= legendSize.x + pad;
  const double height = std::max(0.0, bottom - top);

  ChartLayout layout;
  const int maxYTicks = std::max(1, static_cast<int>(height / (kYTickSpacing * font)));
  AxisTicks y = ValueTicks(chart, chart.left, false, maxYTicks);
  if (style.axesVisible) left += Widest(y.labels, canvas) + kTickLength + 3;

  AxisTicks x = BottomTicks(chart, std::max(0.0, right - left), canvas, font);
  if (style.axesVisible && !x.labels.empty() && x.ticks.back() >= x.range.maximum - 1e-9) {
    // The last label is centred on the right end of the axis: keep it inside the area.
    const double overhang = canvas.TextWidth(x.labels.back()) / 2 - (area.right() - right);
    if (overhang > 0) {
      right -= overhang + 1;
      x = BottomTicks(chart, std::max(0.0, right - left), canvas, font);
    }
  }

  layout.plot = {left, top, std::max(0.0, right - left), height};
  layout.xMinimum = x.range.minimum;
  layout.xMaximum = x.range.maximum;
  layout.yMinimum = y.range.minimum;
  layout.yMaximum = y.range.maximum;
  layout.xUsable = x.range.Usable();
  layout.yUsable = y.range.Usable();
  if (style.axesVisible) {
    layout.xTicks = std::move(x.ticks);
    layout.xLabels = std::move(x.labels);
    layout.xMinorTicks = std::move(x.minor);
    layout.yTicks = std::move(y.ticks);
    layout.yLabels = std::move(y.labels);
    layout.yMinorTicks = std::move(y.minor);
  }
  if (!entries.empty()) {
    layout.legend = legendRow
        ? CanvasRect{area.left + (area.width - legendSize.x) / 2,
                     area.bottom() - pad - legendSize.y, legendSize.x, legendSize.y}
        : CanvasRect{right + pad, top, legendSize.x, legendSize.y};
  }
  return layout;
}

CanvasPoint PlotPosition(const ChartLayout& layout, double x, double y) {
  const CanvasRect& plot = layout.plot;
  return {plot.left + (x - layout.xMinimum) / (layout.xMaximum - layout.xMinimum) * plot.width,
          plot.bottom() - (y - layout.yMinimum) / (layout.yMaximum - layout.yMinimum) * plot.height};
}

CanvasPoint PlotValue(const ChartLayout& layout, CanvasPoint position) {
  const CanvasRect& plot = layout.plot;
  return {layout.xMinimum + (position.x - plot.left) / plot.width * (layout.xMaximum - layout.xMinimum),
          layout.yMinimum + (plot.bottom() - position.y) / plot.height *
                                (layout.yMaximum - layout.yMinimum)};
}
