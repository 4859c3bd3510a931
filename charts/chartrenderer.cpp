#include "charts/chartrenderer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Range {
  double minimum = std::numeric_limits<double>::infinity();
  double maximum = -std::numeric_limits<double>::infinity();
};

Range DataRange(const Chart& chart, bool horizontal) {
  Range range;
  for (const ChartSeries& series : chart.series) {
    for (const ChartPoint& point : series.points) {
      const double value = horizontal ? point.x : point.y;
      range.minimum = std::min(range.minimum, value);
      range.maximum = std::max(range.maximum, value);
    }
  }
  return range;
}

Range AxisRange(const Chart& chart, const ChartAxis& axis, bool horizontal) {
  if (!axis.automatic) return {axis.minimum, axis.maximum};
  return DataRange(chart, horizontal);
}

bool Usable(const Range& range) {
  return std::isfinite(range.minimum) && std::isfinite(range.maximum) &&
         range.minimum < range.maximum;
}

}  // namespace

ChartLayout LayoutChart(const Chart& chart, const Canvas&, CanvasRect area,
                        const ChartStyle& style) {
  ChartLayout layout;
  const Range x = AxisRange(chart, chart.bottom, true);
  const Range y = AxisRange(chart, chart.left, false);
  layout.xMinimum = x.minimum;
  layout.xMaximum = x.maximum;
  layout.yMinimum = y.minimum;
  layout.yMaximum = y.maximum;
  layout.xUsable = Usable(x);
  layout.yUsable = Usable(y);
  const double margin = style.axesVisible ? 4 * style.fontPixels : 4;
  layout.plot = {area.left + margin, area.top + 2 * style.titlePixels,
                 std::max(0.0, area.width - 1.5 * margin),
                 std::max(0.0, area.height - 2 * style.titlePixels - margin)};
  return layout;
}

void RenderChart(const Chart& chart, Canvas& canvas, CanvasRect area, const ChartStyle& style) {
  canvas.FillRect(area, ChartColour{255, 255, 255});
  canvas.SetFont({style.fontFace, style.titlePixels, false, style.titleColour});
  canvas.Text({area.left + area.width / 2, area.top + 4}, chart.title, HAlign::Centre, VAlign::Top);
  const ChartLayout layout = LayoutChart(chart, canvas, area, style);
  canvas.SetPen({ChartColour::Black(), 1, PenDash::Solid});
  canvas.Rectangle(layout.plot);
  if (!layout.xUsable || !layout.yUsable) return;
  canvas.Clip(layout.plot);
  const auto toCanvas = [&](const ChartPoint& point) {
    const CanvasRect& plot = layout.plot;
    return CanvasPoint{
        plot.left + (point.x - layout.xMinimum) / (layout.xMaximum - layout.xMinimum) * plot.width,
        plot.bottom() -
            (point.y - layout.yMinimum) / (layout.yMaximum - layout.yMinimum) * plot.height};
  };
  std::vector<CanvasPoint> line;
  for (const ChartSeries& series : chart.series) {
    line.clear();
    std::transform(series.points.begin(), series.points.end(), std::back_inserter(line),
                   toCanvas);
    canvas.SetPen({series.colour, 1, PenDash::Solid});
    canvas.Polyline(line);
  }
  canvas.ResetClip();
}
