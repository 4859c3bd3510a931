#include "reports/drawkekka.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

TEST(DrawKekkaTest, FillMemoReplacesTheLinesAndGrowsToTheLineCountPlusTwo) {
  PageMemo memo;
  memo.lines = {"old"};
  FillMemo(TextList(20, "line"), memo);
  EXPECT_EQ(memo.lines.size(), 20u);
  EXPECT_EQ(memo.height, 286);  // 13 px × 22
  memo.pixels = 16;
  FillMemo({"a", "b"}, memo);
  EXPECT_THAT(memo.lines, ElementsAre("a", "b"));
  EXPECT_EQ(memo.height, 64);
  FillMemo({}, memo);
  EXPECT_TRUE(memo.lines.empty());
}

TEST(DrawKekkaTest, CopyChartTakesDataRangesAndColoursButKeepsThePageTitles) {
  Chart source;
  source.title = "result";
  SetChartRanges(source, 23.5, 26.5, 0, 1.8);
  ChartSeries curve;
  curve.colour = ChartColour::Green();
  UnsortSeries(curve);
  curve.Add(0.5, 24.0, "a");
  curve.Add(2.5, 25.0, "beyond");  // beyond the bottom axis' maximum
  curve.Add(1.0, 26.0, "back");
  source.series = {curve, curve, curve};

  Chart target;
  target.title = "page";
  target.left.title = "水位（ｍ）";
  target.series.resize(2);
  target.series[1].points = {{9, 9, "stale", std::nullopt}};
  CopyChart(source, target);

  EXPECT_EQ(target.title, "page");
  EXPECT_EQ(target.left.title, "水位（ｍ）");
  EXPECT_FALSE(target.left.automatic);
  EXPECT_EQ(target.left.minimum, 23.5);
  EXPECT_EQ(target.bottom.maximum, static_cast<float>(1.8));  // single precision
  ASSERT_EQ(target.series.size(), 2u);  // a source series without a counterpart is dropped
  for (const ChartSeries& s : target.series) {
    EXPECT_FALSE(s.sorted);
    EXPECT_EQ(s.colour, ChartColour::Green());
    ASSERT_EQ(s.points.size(), 3u);
    EXPECT_EQ(s.points[1].x, 1.8);
    EXPECT_EQ(s.points[1].label, "beyond");
    EXPECT_EQ(s.points[2].x, 1.0);  // insertion order kept
  }

  // A 0–0 result axis leaves the page chart's own range, and its points are not held to 0.
  Chart automatic;
  automatic.series = {curve};
  Chart page;
  SetChartRanges(page, 10, 20, 30, 40);
  page.series.resize(1);
  CopyChart(automatic, page);
  EXPECT_EQ(page.left.minimum, 10);
  EXPECT_EQ(page.bottom.maximum, 40);
  EXPECT_EQ(page.series[0].points[1].x, 2.5);
}

TEST(DrawKekkaTest, DrawGridChartRulesTheRowsUpToTheFirstEmptyFirstCell) {
  StringGrid table(3, 6);
  table.ColWidths = {47, 60, 70};
  table.DefaultRowHeight = 15;
  table.SetRowFromCommaText(0, "標高(H),面積(F),貯水量(V)");
  table.SetRowFromCommaText(1, "(m),,(m3)");
  table.SetRowFromCommaText(2, "24.000,79.000,0.000");
  table.SetRowFromCommaText(3, "26.000,79.000,158.000");
  table.SetCell(0, 5, "99.000");  // after the empty row: never drawn

  GridDrawing grid = DrawGridChart(table, 200, 470, 210);
  EXPECT_EQ(grid.width, 177);
  EXPECT_EQ(grid.height, 4 * 15);
  EXPECT_EQ(grid.box, (CanvasRect{470, 210, 3 * 15 + 177, 4 * 5 + 4 * 15}));
  // Each row rule runs out and back along y = −k·h, no wider than the table.
  ASSERT_EQ(grid.horizontalRules.size(), 12u);
  EXPECT_EQ(grid.horizontalRules[1], (CanvasPoint{177, -15}));
  EXPECT_EQ(grid.horizontalRules[11], (CanvasPoint{0, -60}));
  std::vector<double> ruleXs;
  for (std::size_t i = 0; i < grid.verticalRules.size(); i += 3) {
    ruleXs.push_back(grid.verticalRules[i].x);
    EXPECT_EQ(grid.verticalRules[i + 1].y, -60);
  }
  EXPECT_THAT(ruleXs, ElementsAre(48, 47, 107, 177));
  ASSERT_EQ(grid.cells.size(), 12u);
  EXPECT_EQ(grid.cells[0], (GridDrawing::Cell{23.5, -15, "標高(H)"}));
  EXPECT_EQ(grid.cells[5], (GridDrawing::Cell{77, -30, "---"}));  // the empty unit cell
  EXPECT_EQ(grid.cells[11], (GridDrawing::Cell{142, -60, "158.000"}));

  // A third row with an empty first cell leaves the two header rows; a narrow table control
  // cuts the row rules at its on-screen width.
  table.SetCell(0, 2, " ");
  grid = DrawGridChart(table, 100, 0, 0);
  EXPECT_EQ(grid.height, 30);
  EXPECT_EQ(grid.cells.size(), 6u);
  EXPECT_EQ(grid.horizontalRules[1], (CanvasPoint{100, -15}));
}
