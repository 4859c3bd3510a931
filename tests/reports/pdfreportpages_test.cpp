#include "reports/pdfreportpages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "core/design/stringgrid.h"
#include "pdf/tinkvale.h"
#include "results/chart.h"
#include "tests/reports/pdfdrawing.h"

using pdfdrawing::PageDrawing;
using pdfdrawing::Segment;
using pdfdrawing::ShownText;

namespace {

// The writer keeps two decimals of every coordinate, truncating after adding half a
// hundredth, and positions pass through single precision: a hundredth covers both.
constexpr double kWrittenPrecision = 0.0101;

// Width of a text in font 6 (MS Mincho) in points: 1000 thousandths of an em for a two-byte
// character, 479 for an ASCII or half-width katakana character.
double MinchoWidth(int twoByteCharacters, int singleByteCharacters, double size) {
  return (twoByteCharacters * 1000 + singleByteCharacters * 479) * size / 1000;
}

class PdfReportPagesTest : public ::testing::Test {
 protected:
  PdfReportPagesTest() {
    writer.BeginDoc(&out);
    pages.StartPage();
  }

  // Ends the document and reads back every page.
  std::vector<PageDrawing> Finish() {
    pages.DrawFooter();
    writer.EndDoc(true);
    return pdfdrawing::ReadPages(out.str());
  }

  std::ostringstream out;
  TInkvale writer;
  PdfReportPages pages{writer};
};

// A table of `rows` rows in all (two header rows), three columns 20, 40 and 60 wide; the first
// column numbers the data rows from 1, the second holds "r" and that number.
StringGrid NumberedTable(int rows) {
  StringGrid table(3, rows);
  table.ColWidths = {20, 40, 60};
  table.DefaultRowHeight = 15;
  table.SetRowFromCommaText(0, "-,時間,流量");
  table.SetRowFromCommaText(1, "No,分,(m3/s)");
  for (int row = 2; row < rows; ++row) {
    table.SetCell(0, row, std::to_string(row - 1));
    table.SetCell(1, row, "r" + std::to_string(row - 1));
  }
  return table;
}

// The numbers in the first column of a table page whose columns start at x = 65.
std::vector<std::string> FirstColumn(const PageDrawing& page) {
  std::vector<std::string> cells;
  for (const ShownText& t : page.texts) {
    if (t.x < 85 && t.y < 747 && !t.text.empty()) cells.push_back(t.text);
  }
  return cells;
}

std::vector<std::string> Numbers(int from, int to) {
  std::vector<std::string> numbers;
  for (int n = from; n <= to; ++n) numbers.push_back(std::to_string(n));
  return numbers;
}

int CountRules(const PageDrawing& page, double width, bool horizontal) {
  int count = 0;
  for (const Segment& s : page.segments) {
    if (s.width == width && (horizontal ? s.Horizontal() && !s.Vertical() : s.Vertical())) ++count;
  }
  return count;
}

std::vector<const Segment*> Dashed(const PageDrawing& page) {
  std::vector<const Segment*> dashed;
  for (const Segment& s : page.segments) {
    if (s.dashed) dashed.push_back(&s);
  }
  return dashed;
}

// A chart with fixed ranges and one red two-point line.
Chart LineChart(double yMin, double yMax, double xMin, double xMax) {
  Chart chart;
  chart.title = "時間～水位";
  chart.bottom.title = "時間（分）";
  chart.left.title = "水位（ｍ）";
  SetChartRanges(chart, yMin, yMax, xMin, xMax);
  ChartSeries line;
  line.colour = ChartColour::Red();
  line.Add(xMin, yMin);
  line.Add(xMax, yMax);
  chart.series.push_back(line);
  return chart;
}

}  // namespace

TEST_F(PdfReportPagesTest, FramesTitlesAndFootersFromTheSecondPageOn) {
  pages.DrawFrame();
  pages.NextPage();
  pages.DrawFrame();
  pages.DrawTitle("Ⅰ-1.設計条件", 12);
  pages.DrawLines(20, 25, {"計画規模", "", "確率年 1/50"}, 10);
  pages.NextPage();
  EXPECT_EQ(pages.PageNumber, 3);
  const std::vector<PageDrawing> drawn = Finish();
  ASSERT_EQ(drawn.size(), 3u);

  // The first page's footer would read "Page: 0": it has none.
  EXPECT_TRUE(drawn[0].texts.empty());
  // The frame: the rectangle's three drawn sides and the rule under the title, all 1 wide.
  ASSERT_EQ(drawn[0].segments.size(), 4u);
  const Segment& rule = drawn[0].segments[3];
  EXPECT_EQ(std::vector<double>({rule.x1, rule.y1, rule.x2, rule.y2, rule.width}),
            std::vector<double>({45, 797, 571, 797, 1}));

  const PageDrawing& second = drawn[1];
  ASSERT_EQ(second.Texts(), std::vector<std::string>({"Ⅰ-1.設計条件", "計画規模", "確率年 1/50",
                                                      "Page: 1"}));
  EXPECT_EQ(second.texts[0].x, 50);
  EXPECT_EQ(second.texts[0].y, 802);
  EXPECT_EQ(second.texts[0].size, 12);
  // List lines step down by size + 2 from layout (20, 25); the empty line keeps its place.
  EXPECT_EQ(second.texts[1].x, 65);
  EXPECT_EQ(second.texts[1].y, 792);
  EXPECT_EQ(second.texts[2].y, 792 - 2 * 12);
  // The footer is centred on the frame, 16 points above the page's bottom edge.
  const ShownText& footer = second.texts[3];
  EXPECT_EQ(footer.size, 10);
  EXPECT_EQ(footer.y, 16);
  EXPECT_NEAR(footer.x, 45 + (526 - MinchoWidth(0, 7, 10)) / 2, kWrittenPrecision);
  EXPECT_EQ(drawn[2].Texts(), std::vector<std::string>({"Page: 2"}));
}

TEST_F(PdfReportPagesTest, TablesContinueOnPagesThatRepeatCaptionHeaderAndRules) {
  pages.DrawTable(20, 40, "表1:降雨強度", NumberedTable(50), 10, 2, 48);
  pages.NextPage();
  pages.DrawTable(20, 40, "表4:調節池計算", NumberedTable(96), 9, 2, 48);
  pages.NextPage();
  pages.DrawTable(20, 40, "表2", NumberedTable(48), 10, 2, 48);
  const std::vector<PageDrawing> drawn = Finish();
  ASSERT_EQ(drawn.size(), 6u);

  // 50 rows: 46 data rows, then the last 2 on a continuation page.
  EXPECT_EQ(FirstColumn(drawn[0]), Numbers(1, 46));
  EXPECT_EQ(FirstColumn(drawn[1]), Numbers(47, 48));
  // 96 rows: 46, 46 and 2; a table that just fits takes one page.
  EXPECT_EQ(FirstColumn(drawn[2]), Numbers(1, 46));
  EXPECT_EQ(FirstColumn(drawn[3]), Numbers(47, 92));
  EXPECT_EQ(FirstColumn(drawn[4]), Numbers(93, 94));
  EXPECT_EQ(FirstColumn(drawn[5]), Numbers(1, 46));

  const ShownText* continued = drawn[4].Find("前ページつづき");
  ASSERT_NE(continued, nullptr);
  EXPECT_EQ(continued->size, 9);
  EXPECT_EQ(continued->y, 802);
  EXPECT_EQ(drawn[3].Find("前ページつづき")->size, 9);
  EXPECT_EQ(drawn[2].Find("前ページつづき"), nullptr);
  for (int p = 0; p < 6; ++p) {
    SCOPED_TRACE("page " + std::to_string(p));
    const PageDrawing& page = drawn[static_cast<std::size_t>(p)];
    // Caption 3 points above the table, the header rows on every page.
    const ShownText* caption = page.TextAt(780);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->x, 65);
    ASSERT_NE(page.Find("(m3/s)"), nullptr);
    EXPECT_EQ(page.Find("(m3/s)")->y, 777 - 30 + 3);
    // 49 thin rules span 48 rows on every page, the last page of a table included, and the
    // header rule is 1 wide; the frame's three thick horizontals are on continuation pages.
    EXPECT_EQ(CountRules(page, 0.75, true), 49);
    std::vector<double> thinY;
    for (const Segment& s : page.segments) {
      if (s.width == 0.75 && s.Horizontal()) {
        thinY.push_back(s.y1);
        EXPECT_EQ(s.x1, 65);
        EXPECT_EQ(s.x2, 185);
      }
    }
    EXPECT_EQ(thinY.back(), 777 - 48 * 15);
    // Verticals: the left border and four column edges thin, the one after column 0 thick,
    // all 48 rows long.
    EXPECT_EQ(CountRules(page, 0.75, false), 4);
    for (const Segment& s : page.segments) {
      if (s.Vertical() && s.y1 == 777) {
        EXPECT_EQ(s.y2, 777 - 48 * 15);
      }
    }
  }
  // The header rule 1 wide under two header rows.
  int headerRules = 0;
  for (const Segment& s : drawn[1].segments) {
    if (s.width == 1 && s.Horizontal() && s.y1 == 747 && s.x1 == 65) ++headerRules;
  }
  EXPECT_EQ(headerRules, 1);
}

TEST_F(PdfReportPagesTest, CellTextsAreCentredByTheirShiftJisWidths) {
  StringGrid table(3, 3);
  table.ColWidths = {47, 60, 70};
  table.DefaultRowHeight = 15;
  table.SetRowFromCommaText(0, "標高(H),面積(F),ﾊｲｴﾄ");
  table.SetRowFromCommaText(1, "(m),,");
  table.SetRowFromCommaText(2, "12.50,1,250.0");
  pages.DrawTable(330, 60, "調節池データ", table, 10, 2, 100);
  const PageDrawing page = Finish()[0];

  struct Expected {
    const char* text;
    double centre;
    double width;
    double baseline;
  };
  // left = 375, top = 757; columns centred at 398.5, 452 and 517.
  for (const Expected& e : {Expected{"標高(H)", 398.5, MinchoWidth(2, 3, 10), 745},
                            Expected{"面積(F)", 452, MinchoWidth(2, 3, 10), 745},
                            Expected{"ﾊｲｴﾄ", 517, MinchoWidth(0, 4, 10), 745},
                            Expected{"(m)", 398.5, MinchoWidth(0, 3, 10), 730},
                            Expected{"12.50", 398.5, MinchoWidth(0, 5, 10), 715},
                            Expected{"250.0", 517, MinchoWidth(0, 5, 10), 715}}) {
    SCOPED_TRACE(e.text);
    const ShownText* cell = page.Find(e.text);
    ASSERT_NE(cell, nullptr);
    EXPECT_NEAR(cell->x, e.centre - e.width / 2, kWrittenPrecision);
    EXPECT_EQ(cell->y, e.baseline);
  }
  // Header cells are drawn column by column: both rows of column 0 before column 1.
  const std::vector<std::string> texts = page.Texts();
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4),
            std::vector<std::string>({"調節池データ", "標高(H)", "(m)", "面積(F)"}));
}

TEST_F(PdfReportPagesTest, ChartGridStandsAtTenthsOfTheRangesWithGroupedLabels) {
  // Box: left 85, right 485, bottom 517, top 717.
  pages.DrawChart(LineChart(0, 0.5, 0, 1440), 40, 100, 400, 200);
  const PageDrawing page = Finish()[0];

  std::vector<std::string> xLabels, yLabels;
  for (const ShownText& t : page.texts) {
    EXPECT_EQ(t.size, 8);
    if (t.y == 509) {
      xLabels.push_back(t.text);
      const int k = static_cast<int>(xLabels.size());
      EXPECT_NEAR(t.x + MinchoWidth(0, static_cast<int>(t.text.size()), 8) / 2, 85 + 40 * k,
                  kWrittenPrecision);
    } else if (t.x < 85) {
      yLabels.push_back(t.text);
      const int k = static_cast<int>(yLabels.size());
      EXPECT_NEAR(t.x, 85 - MinchoWidth(0, 4, 8) - 2, kWrittenPrecision);
      EXPECT_NEAR(t.y, 517 + 20 * k + 2, kWrittenPrecision);
    }
  }
  EXPECT_EQ(xLabels, std::vector<std::string>({"144", "288", "432", "576", "720", "864",
                                               "1,008", "1,152", "1,296"}));
  EXPECT_EQ(yLabels, std::vector<std::string>({"0.05", "0.10", "0.15", "0.20", "0.25", "0.30",
                                               "0.35", "0.40", "0.45"}));

  // Title above the box, bottom-axis title below it, left-axis title to its right.
  EXPECT_NEAR(page.Find("時間～水位")->x, 285 - MinchoWidth(5, 0, 8) / 2, kWrittenPrecision);
  EXPECT_EQ(page.Find("時間～水位")->y, 720);
  EXPECT_EQ(page.Find("時間（分）")->y, 497);
  EXPECT_EQ(page.Find("水位（ｍ）")->x, 487);
  EXPECT_EQ(page.Find("水位（ｍ）")->y, 617);

  // Nine dashed lines each way, black and 0.2 wide, across the box, drawn before the box and
  // the series, so that no grid line crosses what the series show.
  const std::vector<const Segment*> grid = Dashed(page);
  ASSERT_EQ(grid.size(), 18u);
  EXPECT_LT(grid.back()->order, page.segments[page.segments.size() - 4].order);
  const Segment& curve = page.segments.back();
  EXPECT_EQ(curve.colour, "1 0 0");
  EXPECT_EQ(std::vector<double>({curve.x1, curve.y1, curve.x2, curve.y2}),
            std::vector<double>({85, 517, 485, 717}));
  for (std::size_t k = 0; k < 9; ++k) {
    EXPECT_EQ(grid[k]->colour, "0 0 0");
    EXPECT_EQ(grid[k]->width, 0.2);
    EXPECT_NEAR(grid[k]->x1, 85 + 40.0 * static_cast<double>(k + 1), kWrittenPrecision);
    EXPECT_EQ(grid[k]->y1, 517);
    EXPECT_EQ(grid[k]->y2, 717);
    EXPECT_NEAR(grid[k + 9]->y1, 517 + 20.0 * static_cast<double>(k + 1), kWrittenPrecision);
    EXPECT_EQ(grid[k + 9]->x1, 85);
    EXPECT_EQ(grid[k + 9]->x2, 485);
  }
}

TEST_F(PdfReportPagesTest, GridLinesOfAnAxisThatDoesNotStartAtZeroStayInTheBox) {
  // A level axis 23.5 … 27.5 m as the rating charts have: each line stands where its label's
  // value is, not at a tenth of the span measured from zero.
  pages.DrawChart(LineChart(23.5, 27.5, 0, 2.0), 40, 80, 410, 180);
  const PageDrawing page = Finish()[0];
  // Box: left 85, right 495, bottom 557, top 737.
  std::vector<std::string> yLabels;
  for (const ShownText& t : page.texts) {
    if (t.x < 85) yLabels.push_back(t.text);
  }
  EXPECT_EQ(yLabels, std::vector<std::string>({"23.90", "24.30", "24.70", "25.10", "25.50",
                                               "25.90", "26.30", "26.70", "27.10"}));
  const std::vector<const Segment*> grid = Dashed(page);
  ASSERT_EQ(grid.size(), 18u);
  for (std::size_t k = 0; k < 9; ++k) {
    EXPECT_NEAR(grid[k + 9]->y1, 557 + 18.0 * static_cast<double>(k + 1), kWrittenPrecision);
    const ShownText* label = page.Find(yLabels[k]);
    EXPECT_NEAR(label->y, grid[k + 9]->y1 + 2, kWrittenPrecision);
  }
}

TEST_F(PdfReportPagesTest, SeriesDrawTheirLabelsOnlyWhenTheirMarksShow) {
  Chart chart = LineChart(0, 10, 0, 100);
  ChartSeries hidden;
  hidden.colour = ChartColour::Green();
  for (int i = 0; i < 3; ++i) hidden.Add(10.0 * i, 5, "hidden" + std::to_string(i));
  ChartSeries marker;
  marker.colour = ChartColour::Blue();
  UnsortSeries(marker);
  marker.marksVisible = true;
  marker.Add(50, 8, "peak");
  marker.Add(51, 8, "H=25.000m");
  ChartSeries single;
  single.colour = ChartColour::Yellow();
  single.marksVisible = true;
  single.Add(20, 2, "alone");
  chart.series.push_back(hidden);
  chart.series.push_back(marker);
  chart.series.push_back(single);
  pages.DrawChart(chart, 40, 100, 400, 200);
  const PageDrawing page = Finish()[0];

  for (const ShownText& t : page.texts) {
    EXPECT_EQ(t.text.find("hidden"), std::string::npos);
    EXPECT_NE(t.text, "alone");
  }
  std::vector<const Segment*> green, blue, yellow;
  for (const Segment& s : page.segments) {
    if (s.colour == "0 0.5 0") green.push_back(&s);
    if (s.colour == "0 0 1") blue.push_back(&s);
    if (s.colour == "1 1 0") yellow.push_back(&s);
  }
  EXPECT_EQ(green.size(), 2u);  // three points, two segments
  EXPECT_TRUE(yellow.empty());  // one point draws nothing
  ASSERT_EQ(blue.size(), 1u);

  // Each label is centred on its point, 2 points above it: the first one before the segment,
  // the second one after the segment that ends on its point. x: 50 → 285, 51 → 289; y: 8 → 677.
  const ShownText* first = page.Find("peak");
  const ShownText* second = page.Find("H=25.000m");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NEAR(first->x, 285 - MinchoWidth(0, 4, 8) / 2, kWrittenPrecision);
  EXPECT_EQ(first->y, 679);
  EXPECT_NEAR(second->x, 289 - MinchoWidth(0, 9, 8) / 2, kWrittenPrecision);
  // Labels come after every line, so that no line crosses them.
  EXPECT_GT(first->order, page.segments.back().order);
}

TEST_F(PdfReportPagesTest, ChartsThatCannotBeScaledKeepTheirBoxAndTitlesOnly) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  pages.DrawChart(LineChart(0, 0, 0, 1440), 40, 100, 400, 200);  // a storage span of 0
  pages.NextPage();
  pages.DrawChart(LineChart(0, 1, 5, 5), 40, 100, 400, 200);
  pages.NextPage();
  pages.DrawChart(LineChart(0, nan, 0, 1440), 40, 100, 400, 200);
  pages.NextPage();
  Chart empty = LineChart(0, 1, 0, 1);
  empty.left.automatic = empty.bottom.automatic = true;  // automatic, and no data to span
  ClearChartSeries(empty);
  pages.DrawChart(empty, 40, 100, 400, 200);
  const std::vector<PageDrawing> drawn = Finish();
  ASSERT_EQ(drawn.size(), 4u);
  for (const PageDrawing& page : drawn) {
    ASSERT_EQ(page.segments.size(), 3u);  // the box's three drawn sides
    for (const Segment& s : page.segments) EXPECT_EQ(s.colour, "0 0 0");
    std::vector<std::string> texts = page.Texts();
    if (!texts.empty() && texts.back().rfind("Page: ", 0) == 0) texts.pop_back();
    EXPECT_EQ(texts, std::vector<std::string>({"時間～水位", "時間（分）", "水位（ｍ）"}));
  }
}

TEST_F(PdfReportPagesTest, AnAutomaticAxisSpansTheChartsData) {
  // The ponding chart of a pump study keeps automatic axes.
  Chart chart;
  chart.title = "内水計算結果\r2行目";
  ChartSeries ponding;
  ponding.kind = ChartSeries::Kind::FastLine;
  ponding.Add(0.0, 25.0, "0.0");
  ponding.Add(2.0, 24.0, "2.0");
  ponding.Add(1.0, 24.5, "1.0");
  chart.series.push_back(ponding);
  pages.DrawChart(chart, 40, 140, 410, 200);
  const PageDrawing page = Finish()[0];
  // Box: left 85, right 495, bottom 477, top 677. Only the title's first line is shown.
  EXPECT_NE(page.Find("内水計算結果"), nullptr);
  EXPECT_EQ(page.Find("2行目"), nullptr);
  ASSERT_NE(page.TextAt(469), nullptr);
  EXPECT_EQ(page.TextAt(469)->text, "0.20");
  EXPECT_NE(page.Find("24.90"), nullptr);
  ASSERT_GE(page.segments.size(), 4u);
  const Segment& first = page.segments[21];  // after grid and box: (0, 25) → (1, 24.5)
  EXPECT_EQ(std::vector<double>({first.x1, first.y1, first.x2, first.y2}),
            std::vector<double>({85, 677, 290, 577}));
}

TEST_F(PdfReportPagesTest, TextsWithoutAShiftJisFormAreRemembered) {
  pages.DrawText(30, 40, "調節池", 10);
  pages.DrawText(30, 55, "水位 \xF0\x9F\x98\x80", 10);
  pages.DrawText(30, 70, "\xF0\x9F\x8C\x8A", 10);
  EXPECT_EQ(pages.UnencodableText(), "水位 \xF0\x9F\x98\x80");
  const PageDrawing page = Finish()[0];
  EXPECT_EQ(page.Texts(), std::vector<std::string>({"調節池"}));
  EXPECT_EQ(page.texts[0].x, 75);
  EXPECT_EQ(page.texts[0].y, 777);
}

TEST_F(PdfReportPagesTest, ListsShrinkToKeepToTheirPageAndContinueOnlyBelowTheSmallestSize) {
  // At size 10 from layout y 25 the baselines are 792, 780, …: 64 lines end at 36, inside the
  // frame (28). 66 lines shrink size and leading together to 9.7 and 11.7 points.
  std::vector<std::string> lines;
  for (int i = 1; i <= 64; ++i) lines.push_back("line " + std::to_string(i));
  pages.DrawLines(20, 25, lines, 10);
  pages.NextPage();
  lines.push_back("line 65");
  lines.push_back("line 66");
  pages.DrawLines(20, 25, lines, 10);
  pages.NextPage();
  // 100 lines would need less than 7 points: 85 of them fit at 7, the rest continue on a page
  // of their own, starting clear of its title rule.
  for (int i = 67; i <= 100; ++i) lines.push_back("line " + std::to_string(i));
  pages.DrawLines(20, 25, lines, 10);
  const std::vector<PageDrawing> drawn = Finish();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].texts.back().text, "line 64");
  EXPECT_EQ(drawn[0].texts.back().y, 36);
  EXPECT_EQ(drawn[0].texts.back().size, 10);

  ASSERT_EQ(drawn[1].texts.size(), 66u + 1);  // and its footer
  EXPECT_EQ(drawn[1].texts[65].text, "line 66");
  EXPECT_EQ(drawn[1].texts[65].size, 9.7);
  EXPECT_NEAR(drawn[1].texts[65].y, 792 - 65 * 11.7, kWrittenPrecision);
  EXPECT_GE(drawn[1].texts[65].y - 9.7 * 0.143, 28);

  ASSERT_EQ(drawn[2].texts.size(), 85u + 1);
  EXPECT_EQ(drawn[2].texts[84].text, "line 85");
  EXPECT_EQ(drawn[2].texts[84].size, 7);
  const PageDrawing& continued = drawn[3];
  ASSERT_EQ(continued.texts.size(), 1u + 15 + 1);
  EXPECT_EQ(continued.texts[0].text, "前ページつづき");
  EXPECT_EQ(continued.texts[1].text, "line 86");
  EXPECT_EQ(continued.texts[1].y, 777);
  EXPECT_EQ(continued.texts[1].size, 7);
  EXPECT_EQ(continued.texts[15].text, "line 100");
}

TEST_F(PdfReportPagesTest, CellTextsWiderThanTheirColumnAreDrawnSmallerToFitIt) {
  StringGrid table(3, 3);
  table.ColWidths = {20, 40, 60};
  table.DefaultRowHeight = 15;
  table.SetRowFromCommaText(0, "No,流入量,容量");
  table.SetRowFromCommaText(1, "-,(m3/s),V(m3)");
  table.SetRowFromCommaText(2, "100,257.975389,");
  table.SetCell(2, 2, "21,357,257.703");
  pages.DrawTable(20, 40, "表4", table, 9, 2, 48);
  const PageDrawing page = Finish()[0];
  // Columns from x = 65: 65–85, 85–125, 125–185. A text keeps a point to each rule, at the
  // largest size (in tenths) that allows it; a text that fits keeps the table's size.
  struct Expected {
    const char* text;
    double left, right, size;
  };
  for (const Expected& e : {Expected{"100", 65, 85, 9}, Expected{"257.975389", 85, 125, 7.9},
                            Expected{"21,357,257.703", 125, 185, 8.6}}) {
    SCOPED_TRACE(e.text);
    const ShownText* cell = page.Find(e.text);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->size, e.size);
    const double width = MinchoWidth(0, static_cast<int>(std::string(e.text).size()), e.size);
    EXPECT_GE(cell->x, e.left + 1 - kWrittenPrecision);
    EXPECT_LE(cell->x + width, e.right - 1 + kWrittenPrecision);
    EXPECT_NEAR(cell->x + width / 2, (e.left + e.right) / 2, kWrittenPrecision);
  }
  EXPECT_EQ(page.Find("流入量")->size, 9);
}

TEST_F(PdfReportPagesTest, SeriesAreClippedAndLabelsStayInsideTheBoxOnAWhiteGround) {
  // Box: left 85, right 485, bottom 517, top 717. Levels 0 … 10.
  Chart chart = LineChart(0, 10, 0, 100);
  chart.series[0].points[1].y = 30;  // the curve runs out of the box
  auto marker = [](double x, double level, const char* label) {
    ChartSeries series;
    series.colour = ChartColour::Blue();
    series.marksVisible = true;
    UnsortSeries(series);
    series.Add(x, level, label);
    series.Add(x + 10, level, " ");
    return series;
  };
  chart.series.push_back(marker(0, 9.9, "余水吐敷高=32.000m"));  // at the top-left corner
  chart.series.push_back(marker(99, 0, "Q=5.000m3/s"));       // at the bottom-right corner
  chart.series.push_back(marker(50, 12, "ｵﾘﾌｨｽ敷高=12.000m"));  // above the level axis
  chart.series.push_back(marker(50, -1, "below"));
  pages.DrawChart(chart, 40, 100, 400, 200);
  const std::string stream = pdfdrawing::PageStreams([&] {
    pages.DrawFooter();
    writer.EndDoc(true);
    return out.str();
  }())[0];
  const PageDrawing page = pdfdrawing::ReadDrawing(stream);

  // The box clips the series: the clip is set before their first line and ended after them.
  const std::size_t clip = stream.find("q\rW\rs\r");
  ASSERT_NE(clip, std::string::npos);
  EXPECT_LT(clip, stream.find("1 0 0 RG "));
  EXPECT_GT(stream.find("Q\r"), stream.rfind(" l\r"));

  // Markers outside the level axis draw neither their line nor their label.
  EXPECT_EQ(page.Find("ｵﾘﾌｨｽ敷高=12.000m"), nullptr);
  EXPECT_EQ(page.Find("below"), nullptr);
  int blueLines = 0;
  for (const Segment& s : page.segments) blueLines += s.colour == "0 0 1";
  EXPECT_EQ(blueLines, 2);

  // Labels at the corners are moved inside the box, each on a white ground drawn just before it.
  const double ascent = 8 * 0.872, descent = 8 * 0.143;
  for (const char* text : {"余水吐敷高=32.000m", "Q=5.000m3/s"}) {
    SCOPED_TRACE(text);
    const ShownText* label = page.Find(text);
    ASSERT_NE(label, nullptr);
    const std::string sjis = *Utf8ToCp932(text);
    int twoByte = 0;
    for (std::size_t i = 0; i < sjis.size(); ++i) {
      const auto byte = static_cast<unsigned char>(sjis[i]);
      if ((byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0) ++twoByte, ++i;
    }
    const double width =
        MinchoWidth(twoByte, static_cast<int>(sjis.size()) - 2 * twoByte, 8);
    EXPECT_GE(label->x - 1, 85 + 1 - kWrittenPrecision);
    EXPECT_LE(label->x + width + 1, 485 - 1 + kWrittenPrecision);
    EXPECT_GE(label->y - descent, 517 + 1 - kWrittenPrecision);
    EXPECT_LE(label->y + ascent + 1, 717 - 1 + kWrittenPrecision);
  }
  EXPECT_NE(stream.find("1 1 1 rg \r"), std::string::npos);
  EXPECT_LT(stream.find(" re\rf\r"), stream.find("BT", stream.find("1 1 1 rg \r")));
}
