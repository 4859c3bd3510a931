#include "charts/chartmarks.h"

#include <algorithm>

#include "charts/axisscale.h"
#include "core/text/formatnumber.h"

namespace {

constexpr double kPadding = 2;    // px between the text and the box
constexpr double kDistance = 3;   // px between the point and the box
constexpr double kTolerance = 0.5;  // px a point may stray outside the plot and keep its mark

bool Blank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

bool Inside(CanvasPoint p, const CanvasRect& box) {
  return p.x >= box.left - kTolerance && p.x <= box.right() + kTolerance &&
         p.y >= box.top - kTolerance && p.y <= box.bottom() + kTolerance;
}

bool Overlap(const CanvasRect& a, const CanvasRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace

std::string MarkText(const Chart& chart, const ChartSeries& series, const ChartPoint& point) {
  if (series.markText == ChartSeries::MarkText::Value) {
    return FormatNumber(AxisFormat(chart.left), point.y);
  }
  return Blank(point.label) ? std::string() : point.label;
}

CanvasRect PlaceMark(CanvasPoint at, CanvasPoint size, const CanvasRect& bounds) {
  const double width = size.x + 2 * kPadding;
  const double height = size.y + 2 * kPadding;
  double top = at.y - kDistance - height;
  if (top < bounds.top) top = at.y + kDistance;
  top = std::max(bounds.top, std::min(top, bounds.bottom() - height));
  double left = at.x - width / 2;
  left = std::max(bounds.left, std::min(left, bounds.right() - width));
  return {left, top, width, height};
}

void DrawMarks(const Chart& chart, const ChartLayout& layout, Canvas& canvas, double fontPixels) {
  if (!layout.xUsable || !layout.yUsable) return;
  // One pixel in from the frame, so that a box never covers the frame line.
  const CanvasRect bounds{layout.plot.left + 1, layout.plot.top + 1, layout.plot.width - 2,
                          layout.plot.height - 2};
  std::vector<CanvasRect> drawn;
  for (const ChartSeries& series : chart.series) {
    if (!series.marksVisible) continue;
    for (const ChartPoint& point : series.points) {
      const std::string text = MarkText(chart, series, point);
      if (text.empty()) continue;
      const CanvasPoint at = PlotPosition(layout, point.x, point.y);
      if (!Inside(at, layout.plot)) continue;
      const CanvasRect box = PlaceMark(at, {canvas.TextWidth(text), fontPixels}, bounds);
      if (std::any_of(drawn.begin(), drawn.end(),
                      [&](const CanvasRect& other) { return Overlap(box, other); })) {
        continue;
      }
      drawn.push_back(box);
      canvas.FillRect(box, ChartColour{255, 255, 255});
      canvas.SetPen({series.colour, 1, PenDash::Solid});
      canvas.Rectangle(box);
      canvas.Text({box.left + box.width / 2, box.top + box.height / 2}, text, HAlign::Centre,
                  VAlign::Middle);
    }
  }
}
