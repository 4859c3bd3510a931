#include "charts/chartlegend.h"

#include <algorithm>

namespace {

// Measures of an entry, in font sizes: the line sample, the gaps and the row height.
constexpr double kSample = 2.0;
constexpr double kGap = 0.5;
constexpr double kRow = 1.5;

double EntryWidth(const ChartSeries& series, const Canvas& canvas, double font) {
  return (kSample + kGap) * font + canvas.TextWidth(series.title);
}

}  // namespace

std::vector<const ChartSeries*> LegendSeries(const Chart& chart) {
  std::vector<const ChartSeries*> entries;
  if (!chart.legendVisible) return entries;
  for (const ChartSeries& series : chart.series) {
    if (series.inLegend && !series.title.empty()) entries.push_back(&series);
  }
  return entries;
}

CanvasPoint LegendSize(const std::vector<const ChartSeries*>& entries, const Canvas& canvas,
                       double fontPixels, bool row) {
  if (entries.empty()) return {0, 0};
  double width = 0;
  for (const ChartSeries* series : entries) {
    const double entry = EntryWidth(*series, canvas, fontPixels);
    width = row ? width + entry + fontPixels : std::max(width, entry);
  }
  if (row) width -= fontPixels;
  const double rows = row ? 1 : static_cast<double>(entries.size());
  return {width + 2 * kGap * fontPixels, rows * kRow * fontPixels + kGap * fontPixels};
}

void DrawLegend(const std::vector<const ChartSeries*>& entries, const CanvasRect& box,
                Canvas& canvas, double fontPixels, bool row) {
  if (entries.empty()) return;
  canvas.FillRect(box, ChartColour{255, 255, 255});
  canvas.SetPen({ChartColour::Black(), 1, PenDash::Solid});
  canvas.Rectangle(box);
  double x = box.left + kGap * fontPixels;
  double y = box.top + (kGap + kRow) / 2 * fontPixels;
  for (const ChartSeries* series : entries) {
    canvas.SetPen({series->colour, 2, PenDash::Solid});
    const CanvasPoint sample[] = {{x, y}, {x + kSample * fontPixels, y}};
    canvas.Polyline(sample);
    canvas.Text({x + (kSample + kGap) * fontPixels, y}, series->title, HAlign::Left,
                VAlign::Middle);
    if (row) {
      x += EntryWidth(*series, canvas, fontPixels) + fontPixels;
    } else {
      y += kRow * fontPixels;
    }
  }
}
