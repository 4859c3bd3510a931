#include "reports/printlayouts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "reports/pagepainter.h"
#include "reports/tablelayout.h"
#include "tests/support/calckinds.h"

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing_support::RunStartupDesign;

namespace {

// Keeps the texts a page draws; everything else is accepted and forgotten.
class TextRecordingCanvas : public Canvas {
 public:
  std::vector<std::string> texts;
  void SetPen(const CanvasPen&) override {}
  void SetFont(const CanvasFont&) override {}
  void Polyline(std::span<const CanvasPoint>) override {}
  void FillRect(const CanvasRect&, ChartColour) override {}
  void Rectangle(const CanvasRect&) override {}
  void Text(CanvasPoint, std::string_view text, HAlign, VAlign) override {
    texts.emplace_back(text);
  }
  double TextWidth(std::string_view text) const override { return 6.5 * text.size(); }
  void Clip(const CanvasRect&) override {}
  void ResetClip() override {}
};

std::vector<std::string> DrawnTexts(const PrintedPage& page) {
  TextRecordingCanvas canvas;
  DrawPage(page, canvas);
  return canvas.texts;
}

std::vector<std::string> Titles(const std::vector<PrintLayoutId>& ids, const ResultSheet& sheet,
                                const DesignForm& form) {
  std::vector<std::string> titles;
  for (PrintLayoutId id : ids) titles.push_back(BuildPrintLayout(id, sheet, form).title);
  return titles;
}

std::vector<std::string> Footers(const PrintLayout& layout) {
  std::vector<std::string> footers;
  for (const PrintedPage& page : layout.pages) {
    EXPECT_EQ(page.bands.back().kind, PageBand::Kind::Footer);
    footers.push_back(page.bands.back().texts.at(0).text);
  }
  return footers;
}

int DetailBands(const PrintedPage& page) {
  return static_cast<int>(std::count_if(page.bands.begin(), page.bands.end(), [](const PageBand& b) {
    return b.kind == PageBand::Kind::Detail;
  }));
}

}  // namespace

TEST(PrintLayoutsTest, EachKindPrintsItsLayoutsInOrderAndEveryPageDrawsItsTitleAndLabel) {
  const std::vector<std::string> common = {"目　　次", "Ⅰ-1．設計条件", "Ⅰ-2．設計条件(図)",
                                           "Ⅱ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算", "Ⅱ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(図)"};
  const std::vector<std::string> tables = {"Ⅳ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表1：降雨強度)",
                                           "Ⅳ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表2：降雨波形:ﾊｲｴﾄｸﾞﾗﾌ)",
                                           "Ⅳ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表3：流出量)"};
  for (int kind : {0, 1, 2}) {
    SCOPED_TRACE(kind);
    const testing_support::CalcRunResult run = RunStartupDesign(kind);
    std::vector<std::string> expected = common;
    if (kind == 2) {
      expected.push_back("Ⅲ-1．湛水計算");
    } else {
      expected.insert(expected.end(), {"Ⅲ-1．調節池計算", "Ⅲ-2．調節池計算(図)"});
    }
    expected.insert(expected.end(), tables.begin(), tables.end());
    expected.push_back(kind == 2 ? "Ⅳ.資料-4[表4]湛水計算結果" : "Ⅳ.資料-4[表4]調節池計算");
    const std::vector<PrintLayoutId> ids = PrintAllLayouts(kind);
    EXPECT_EQ(ids.size(), kind == 2 ? 10u : 11u);
    EXPECT_THAT(Titles(ids, run.sheet, run.form), ElementsAreArray(expected));

    // The first page of each layout draws its title and its page label or table footer.
    const std::vector<std::string> marks = {"", "P1", "P2", "P3", "P4", "P5"};
    std::vector<std::string> expectedMarks = marks;
    if (kind != 2) expectedMarks.push_back("P6");
    expectedMarks.insert(expectedMarks.end(), {"表1 - 1", "表2 - 1", "表3 - 1", "表4 - 1"});
    for (std::size_t i = 0; i < ids.size(); ++i) {
      const PrintLayout layout = BuildPrintLayout(ids[i], run.sheet, run.form);
      ASSERT_FALSE(layout.pages.empty());
      const std::vector<std::string> drawn = DrawnTexts(layout.pages.front());
      EXPECT_THAT(drawn, testing::Contains(expected[i]));
      if (!expectedMarks[i].empty()) {
        EXPECT_THAT(drawn, testing::Contains(expectedMarks[i]));
      }
    }
  }
}

TEST(PrintLayoutsTest, TablesRunOverPagesWithTheHeaderOnEachAndFootersNumberedFromOne) {
  const testing_support::CalcRunResult run = RunStartupDesign(0);
  const PrintLayout routing = BuildPrintLayout(PrintLayoutId::Table4, run.sheet, run.form);
  const int routingRows = run.sheet.RoutingTable.RowCount() - 2;
  ASSERT_GT(routingRows, 41 + 43);
  EXPECT_EQ(routing.pages.size(), 3u) << routingRows;
  EXPECT_THAT(Footers(routing), ElementsAre("表4 - 1", "表4 - 2", "表4 - 3"));
  // 41 rows under the title band, 43 on the later pages; each row once, in order.
  EXPECT_EQ(DetailBands(routing.pages[0]), 41);
  EXPECT_EQ(DetailBands(routing.pages[1]), 43);
  EXPECT_EQ(DetailBands(routing.pages[2]), routingRows - 84);
  EXPECT_EQ(routing.pages[0].bands[0].kind, PageBand::Kind::Title);
  EXPECT_EQ(routing.pages[0].bands[0].texts.size(), 3u);  // the title and the two notes
  for (const PrintedPage& page : routing.pages) {
    const PageBand& header = page.bands[&page == &routing.pages[0] ? 1 : 0];
    EXPECT_EQ(header.kind, PageBand::Kind::ColumnHeader);
    EXPECT_EQ(header.texts.front().text, "n");
  }
  const PageBand& row43 = routing.pages[1].bands[1];
  EXPECT_EQ(row43.box.top, page::kTop + page::kHeaderBandHeight);
  EXPECT_EQ(row43.texts[0].text, run.sheet.RoutingTable.Cell(0, 2 + 41));
  EXPECT_EQ(row43.texts[2].text, run.sheet.RoutingTable.Cell(2, 2 + 41));
  EXPECT_EQ(row43.texts[2].align, HAlign::Centre);
  EXPECT_EQ(row43.texts[8].align, HAlign::Right);
  EXPECT_THAT(row43.ruleXs, ElementsAre(30, 85, 142, 235, 333, 434, 510, 593));
  const PageBand& last = routing.pages[2].bands[routing.pages[2].bands.size() - 2];
  EXPECT_EQ(last.texts[0].text, run.sheet.RoutingTable.Cell(0, routingRows + 1));
  EXPECT_EQ(routing.pages[2].bands.back().box.bottom(), page::kBottom);

  // The start-up design's other tables: the intensity table fits one page, the footers of
  // every table restart at 1.
  EXPECT_EQ(BuildPrintLayout(PrintLayoutId::Table1, run.sheet, run.form).pages.size(), 2u);
  EXPECT_THAT(Footers(BuildPrintLayout(PrintLayoutId::Table3, run.sheet, run.form)),
              testing::Each(testing::StartsWith("表3 - ")));

  // A long run: a 2 minute pitch over 2000 minutes.
  testing_support::CalcRunResult longRun = RunStartupDesign(0);
  longRun.form.TypeConcentration("2");
  RecordingInteraction ui;
  NoProgressBar progress;
  ASSERT_TRUE(RunCalculation(longRun.form, longRun.sheet, ui, progress));
  const int longRows = longRun.sheet.RoutingTable.RowCount() - 2;
  ASSERT_GT(longRows, 900);
  const std::size_t expectedPages = 1 + static_cast<std::size_t>((longRows - 41 + 42) / 43);
  const PrintLayout longTable = BuildPrintLayout(PrintLayoutId::Table4, longRun.sheet, longRun.form);
  EXPECT_EQ(longTable.pages.size(), expectedPages) << longRows;
  EXPECT_EQ(Footers(longTable).back(), "表4 - " + std::to_string(expectedPages));

  // A table without data rows: its header band and footer only.
  ResultSheet empty;
  const PrintLayout none = BuildPrintLayout(PrintLayoutId::Table2, empty, run.form);
  ASSERT_EQ(none.pages.size(), 1u);
  EXPECT_EQ(none.pages[0].bands.size(), 3u);
  EXPECT_EQ(DetailBands(none.pages[0]), 0);
}
