#include "charts/chartrenderer.h"

#include <cmath>

#include "charts/chartlegend.h"
#include "charts/chartmarks.h"
#include "charts/polylineclip.h"

namespace {

constexpr ChartColour kWhite{255, 255, 255};
constexpr ChartColour kGridColour{192, 192, 192};
constexpr ChartColour kBevelDark{128, 128, 128};
constexpr ChartColour kBevelLight{224, 224, 224};
constexpr double kTickLength = 4;       // px
constexpr double kMinorTickLength = 2;  // px

void Line(Canvas& canvas, CanvasPoint a, CanvasPoint b) {
  const CanvasPoint points[] = {a, b};
  canvas.Polyline(points);
}

// Two frames along the area's edge: the outer one lowered, the inner one raised.
void DrawBevel(Canvas& canvas, const CanvasRect& area) {
  const auto frame = [&](double inset, ChartColour topLeft, ChartColour bottomRight) {
    const double l = area.left + inset, t = area.top + inset;
    const double r = area.right() - 1 - inset, b = area.bottom() - 1 - inset;
    canvas.SetPen({topLeft, 1, PenDash::Solid});
    const CanvasPoint upper[] = {{l, b}, {l, t}, {r, t}};
    canvas.Polyline(upper);
    canvas.SetPen({bottomRight, 1, PenDash::Solid});
    const CanvasPoint lower[] = {{r, t}, {r, b}, {l, b}};
    canvas.Polyline(lower);
  };
  frame(0, kBevelDark, kBevelLight);
  frame(1, kBevelLight, kBevelDark);
}

void DrawGrid(const ChartLayout& layout, Canvas& canvas) {
  const CanvasRect& plot = layout.plot;
  canvas.SetPen({kGridColour, 1, PenDash::Dot});
  for (double x : layout.xTicks) {
    const double px = PlotPosition(layout, x, layout.yMinimum).x;
    Line(canvas, {px, plot.top}, {px, plot.bottom()});
  }
  for (double y : layout.yTicks) {
    const double py = PlotPosition(layout, layout.xMinimum, y).y;
    Line(canvas, {plot.left, py}, {plot.right(), py});
  }
}

void DrawAxes(const Chart& chart, const ChartLayout& layout, Canvas& canvas, double font) {
  const CanvasRect& plot = layout.plot;
  canvas.SetPen({ChartColour::Black(), 1, PenDash::Solid});
  if (layout.yUsable) {
    for (std::size_t i = 0; i < layout.yTicks.size(); ++i) {
      const double py = PlotPosition(layout, layout.xMinimum, layout.yTicks[i]).y;
      Line(canvas, {plot.left - kTickLength, py}, {plot.left, py});
      canvas.Text({plot.left - kTickLength - 2, py}, layout.yLabels[i], HAlign::Right,
                  VAlign::Middle);
    }
    for (double y : layout.yMinorTicks) {
      const double py = PlotPosition(layout, layout.xMinimum, y).y;
      Line(canvas, {plot.left - kMinorTickLength, py}, {plot.left, py});
    }
  }
  if (layout.xUsable) {
    for (std::size_t i = 0; i < layout.xTicks.size(); ++i) {
      const double px = PlotPosition(layout, layout.xTicks[i], layout.yMinimum).x;
      Line(canvas, {px, plot.bottom()}, {px, plot.bottom() + kTickLength});
      canvas.Text({px, plot.bottom() + kTickLength + 2}, layout.xLabels[i], HAlign::Centre,
                  VAlign::Top);
    }
    for (double x : layout.xMinorTicks) {
      const double px = PlotPosition(layout, x, layout.yMinimum).x;
      Line(canvas, {px, plot.bottom()}, {px, plot.bottom() + kMinorTickLength});
    }
  }
  if (!chart.left.title.empty()) {
    canvas.Text({plot.left, plot.top - std::round(font / 2)}, chart.left.title, HAlign::Left,
                VAlign::Bottom);
  }
  if (!chart.bottom.title.empty()) {
    canvas.Text({plot.left + plot.width / 2, plot.bottom() + kTickLength + 2 + font + font / 4},
                chart.bottom.title, HAlign::Centre, VAlign::Top);
  }
}

// Each series as polylines cut to the plot box; a point with its own colour colours the
// segment that ends at it.
void DrawSeries(const Chart& chart, const ChartLayout& layout, Canvas& canvas, double width) {
  std::vector<CanvasPoint> run;
  for (const ChartSeries& series : chart.series) {
    std::size_t i = 0;
    while (i + 1 < series.points.size()) {
      const ChartColour colour = series.points[i + 1].colour.value_or(series.colour);
      run.assign(1, PlotPosition(layout, series.points[i].x, series.points[i].y));
      while (i + 1 < series.points.size() &&
             series.points[i + 1].colour.value_or(series.colour) == colour) {
        ++i;
        run.push_back(PlotPosition(layout, series.points[i].x, series.points[i].y));
      }
      canvas.SetPen({colour, width, PenDash::Solid});
      for (const auto& piece : ClipPolyline(run, layout.plot)) canvas.Polyline(piece);
    }
  }
}

}  // namespace

void RenderChart(const Chart& chart, Canvas& canvas, CanvasRect area, const ChartStyle& style) {
  canvas.FillRect(area, kWhite);
  if (style.bevel) DrawBevel(canvas, area);
  if (!chart.title.empty()) {
    canvas.SetFont({style.fontFace, style.titlePixels, false, style.titleColour});
    canvas.Text({area.left + area.width / 2, area.top + std::round(style.fontPixels / 2)},
                chart.title, HAlign::Centre, VAlign::Top);
  }
  canvas.SetFont(ChartTextFont(style));
  const ChartLayout layout = LayoutChart(chart, canvas, area, style);
  if (style.axesVisible) {
    if (style.grid) DrawGrid(layout, canvas);
    canvas.SetPen({ChartColour::Black(), 1, PenDash::Solid});
    canvas.Rectangle(layout.plot);
    DrawAxes(chart, layout, canvas, style.fontPixels);
  }
  if (layout.xUsable && layout.yUsable) {
    canvas.Clip(layout.plot);
    DrawSeries(chart, layout, canvas, style.seriesPenWidth);
    canvas.ResetClip();
    DrawMarks(chart, layout, canvas, style.fontPixels);
  }
  DrawLegend(LegendSeries(chart), layout.legend, canvas, style.fontPixels,
             style.legendPlace == ChartStyle::LegendPlace::Bottom);
}
