#include "reports/pagepainter.h"

#include <algorithm>

#include <QPainter>

#include "qtdraw/paintercanvas.h"

namespace {

constexpr CanvasPen kRule{ChartColour::Black(), 1, PenDash::Solid};
constexpr double kGridTextPixels = 11;

void Line(Canvas& canvas, double x1, double y1, double x2, double y2) {
  const CanvasPoint points[] = {{x1, y1}, {x2, y2}};
  canvas.Polyline(points);
}

void DrawText(Canvas& canvas, const PageText& text) {
  canvas.SetFont({"ＭＳ 明朝", text.pixels, false, ChartColour::Black()});
  double x = text.left;
  if (text.align == HAlign::Centre) x += text.width / 2;
  if (text.align == HAlign::Right) x += text.width;
  canvas.Text({x, text.top}, text.text, text.align, VAlign::Top);
}

void DrawBand(Canvas& canvas, const PageBand& band) {
  const CanvasRect& box = band.box;
  canvas.SetPen(kRule);
  if (band.edges.top) Line(canvas, box.left, box.top, box.right(), box.top);
  if (band.edges.bottom) Line(canvas, box.left, box.bottom(), box.right(), box.bottom());
  if (band.edges.left) Line(canvas, box.left, box.top, box.left, box.bottom());
  if (band.edges.right) Line(canvas, box.right(), box.top, box.right(), box.bottom());
  for (double x : band.ruleXs) Line(canvas, box.left + x, box.top, box.left + x, box.bottom());
  for (const PageText& text : band.texts) DrawText(canvas, text);
}

void DrawMemo(Canvas& canvas, const PageMemo& memo) {
  canvas.SetFont({"ＭＳ 明朝", memo.pixels, false, ChartColour::Black()});
  double top = memo.top;
  for (const std::string& line : memo.lines) {
    canvas.Text({memo.left, top}, line, HAlign::Left, VAlign::Top);
    top += memo.pixels;
  }
}

// The table's units sit 1:1 in the drawing box, centred across it and just under its top edge
// so that the table stays close to its heading; y 0 is the table's top edge.
void DrawGrid(Canvas& canvas, const GridDrawing& grid) {
  constexpr double kTopMargin = 4;
  const double left = grid.box.left + (grid.box.width - grid.width) / 2;
  const double top = grid.box.top + kTopMargin;
  const auto onPage = [&](const std::vector<CanvasPoint>& points) {
    std::vector<CanvasPoint> mapped;
    for (const CanvasPoint& p : points) mapped.push_back({left + p.x, top - p.y});
    return mapped;
  };
  canvas.SetPen({ChartColour::Black(), 1, PenDash::Solid});
  canvas.Rectangle({left, top, grid.width, grid.height});
  canvas.SetPen({ChartColour::Red(), 1, PenDash::Solid});
  canvas.Polyline(onPage(grid.horizontalRules));
  canvas.SetPen({ChartColour::Green(), 1, PenDash::Solid});
  canvas.Polyline(onPage(grid.verticalRules));
  canvas.SetFont({"ＭＳ 明朝", kGridTextPixels, false, ChartColour::Black()});
  for (const GridDrawing::Cell& cell : grid.cells) {
    canvas.Text({left + cell.x, top - cell.y - 1}, cell.text, HAlign::Centre, VAlign::Bottom);
  }
}

}  // namespace

void DrawPage(const PrintedPage& page, Canvas& canvas) {
  canvas.FillRect({0, 0, page::kPaperWidth, page::kPaperHeight}, ChartColour{255, 255, 255});
  if (page.frame) {
    canvas.SetPen(kRule);
    canvas.Rectangle({page::kLeft, page::kTop, page::kWidth, page::kBottom - page::kTop});
  }
  for (const PageBand& band : page.bands) DrawBand(canvas, band);
  for (const PageText& text : page.texts) DrawText(canvas, text);
  for (const PageMemo& memo : page.memos) DrawMemo(canvas, memo);
  for (const PageChart& chart : page.charts) RenderChart(chart.chart, canvas, chart.box, chart.style);
  for (const GridDrawing& grid : page.grids) DrawGrid(canvas, grid);
}

void PaintPage(const PrintedPage& page, QPainter& painter, const QRectF& paper) {
  const double scale =
      std::min(paper.width() / page::kPaperWidth, paper.height() / page::kPaperHeight);
  painter.save();
  painter.translate(paper.topLeft());
  painter.scale(scale, scale);
  PainterCanvas canvas(painter);
  DrawPage(page, canvas);
  painter.restore();
}
