#include "reports/drawkekka.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kMaxColumns = 21;
constexpr int kMaxRows = 999;
constexpr double kColumnMargin = 15;  // px of drawing width per column beyond the table
constexpr double kRowMargin = 5;      // px of drawing height per row beyond the table

void CopyAxisRange(const ChartAxis& source, ChartAxis& target) {
  if (source.minimum == 0 && source.maximum == 0) return;
  SetAxisRange(target, static_cast<float>(source.minimum), static_cast<float>(source.maximum));
}

}  // namespace

void FillMemo(const TextList& list, PageMemo& memo) {
  memo.lines.clear();
  memo.height = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    memo.lines.push_back(list[i]);
    memo.height = memo.pixels * static_cast<double>(i + 3);
  }
}

void CopyChart(const Chart& source, Chart& target) {
  CopyAxisRange(source.left, target.left);
  CopyAxisRange(source.bottom, target.bottom);
  // A result chart whose bottom axis has no range of its own (0 to 0) shows all of its data, so
  // there is no maximum to hold the points to.
  const bool limitX = source.bottom.minimum != 0 || source.bottom.maximum != 0;
  const std::size_t count = std::min(source.series.size(), target.series.size());
  for (std::size_t i = 0; i < count; ++i) {
    const ChartSeries& from = source.series[i];
    ChartSeries& to = target.series[i];
    to.points.clear();
    UnsortSeries(to);
    to.colour = from.colour;
    for (const ChartPoint& point : from.points) {
      const double x = limitX ? std::min(point.x, source.bottom.maximum) : point.x;
      to.points.push_back(ChartPoint{x, point.y, point.label, std::nullopt});
    }
  }
}

GridDrawing DrawGridChart(const StringGrid& table, double screenWidth, double left, double top) {
  const int columns = std::min(table.ColCount(), kMaxColumns);
  std::vector<double> widths;
  for (int c = 0; c < columns; ++c) {
    const auto at = static_cast<std::size_t>(c);
    widths.push_back(at < table.ColWidths.size() ? table.ColWidths[at] : 0);
  }
  const double h = table.DefaultRowHeight;
  int rows = 1;
  while (rows < table.RowCount() && rows < kMaxRows &&
         !StringGrid::IsEmptyCell(table.Cell(0, rows))) {
    ++rows;
  }
  if (table.RowCount() == 0) rows = 0;

  GridDrawing grid;
  grid.width = std::accumulate(widths.begin(), widths.end(), 0.0);
  grid.height = rows * h;
  grid.box = {left, top, columns * kColumnMargin + grid.width, rows * kRowMargin + grid.height};

  const double ruleEnd = std::min(screenWidth, grid.width);
  for (int k = 1; k <= rows; ++k) {
    // There and back, so that the polyline joins the rules along the left edge.
    grid.horizontalRules.push_back({0, -k * h});
    grid.horizontalRules.push_back({ruleEnd, -k * h});
    grid.horizontalRules.push_back({0, -k * h});
  }
  std::vector<double> ruleXs;
  if (columns > 0) ruleXs.push_back(widths[0] + 1);
  double edge = 0;
  for (double w : widths) ruleXs.push_back(edge += w);
  for (double x : ruleXs) {
    grid.verticalRules.push_back({x, 0});
    grid.verticalRules.push_back({x, -grid.height});
    grid.verticalRules.push_back({x, 0});
  }

  double columnLeft = 0;
  for (int c = 0; c < columns; ++c) {
    const double centre = columnLeft + widths[static_cast<std::size_t>(c)] / 2;
    for (int k = 1; k <= rows; ++k) {
      const std::string& text = table.Cell(c, k - 1);
      grid.cells.push_back({centre, -k * h, StringGrid::IsEmptyCell(text) ? "---" : text});
    }
    columnLeft += widths[static_cast<std::size_t>(c)];
  }
  return grid;
}
