#include "reports/printcommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/calckinds.h"

using testing::ElementsAre;

namespace {

// Records what the commands do with the printer and the windows, in one sequence.
struct Events : ReportPrinter, ReportWindows {
  bool available = true;
  std::vector<std::string> log;
  bool Available() const override { return available; }
  void Print(const PrintLayout& layout) override { log.push_back("print " + layout.title); }
  void Preview(const PrintLayout& layout) override { log.push_back("preview " + layout.title); }
  void SetUp() override { log.push_back("set-up"); }
  void Hide(bool estimate) override { log.push_back(estimate ? "hide 3" : "hide 2"); }
  void Show(bool estimate) override { log.push_back(estimate ? "show 3" : "show 2"); }
};

}  // namespace

TEST(PrintCommandsTest, PrintAllAsksThenPrintsOneJobPerLayoutAndEndsWithItsMessage) {
  const testing_support::CalcRunResult run = testing_support::RunStartupDesign(2);
  Events events;
  RecordingInteraction ui;
  ui.QueueAnswers({false});
  PrintAll(run.sheet, run.form, events, events, ui);
  EXPECT_TRUE(events.log.empty());
  ASSERT_EQ(ui.Entries().size(), 1u);
  EXPECT_TRUE(ui.Entries()[0].isQuestion);
  EXPECT_EQ(ui.Entries()[0].text, "プリンターの準備はいいですか。\r一括印刷します。");
  EXPECT_EQ(ui.Entries()[0].where.origin, BoxPlacement::Origin::Screen);
  EXPECT_EQ(ui.Entries()[0].where.left, 80);
  EXPECT_EQ(ui.Entries()[0].where.top, 0);

  ui.Clear();
  PrintAll(run.sheet, run.form, events, events, ui);
  ASSERT_EQ(events.log.size(), 11u);  // ten jobs for the pump study, then the windows
  EXPECT_EQ(events.log[0], "print 目　　次");
  EXPECT_EQ(events.log[5], "print Ⅲ-1．湛水計算");
  EXPECT_EQ(events.log[9], "print Ⅳ.資料-4[表4]湛水計算結果");
  EXPECT_EQ(events.log[10], "show 2");
  EXPECT_THAT(ui.Texts(), ElementsAre("プリンターの準備はいいですか。\r一括印刷します。",
                                      "出力しました．．．\r印刷が終わるまでお待ち下さい。"));

  // Without a printer every layout is skipped silently; the command still ends as usual.
  events.log.clear();
  events.available = false;
  ui.Clear();
  PrintAll(run.sheet, run.form, events, events, ui);
  EXPECT_THAT(events.log, ElementsAre("show 2"));
  EXPECT_EQ(ui.Texts().size(), 2u);
  PrintOneLayout(PrintLayoutId::Contents, run.sheet, run.form, events, events);
  EXPECT_THAT(events.log, ElementsAre("show 2", "hide 2"));
}

TEST(PrintCommandsTest, PreviewsHideTheWindowsUntilClosedAndPrintingOneLeavesThemHidden) {
  const testing_support::CalcRunResult run = testing_support::RunStartupDesign(0);
  Events events;
  PreviewLayout(PrintLayoutId::RoutingCharts, run.sheet, run.form, events, events);
  PrintOneLayout(PrintLayoutId::Table1, run.sheet, run.form, events, events);
  PreviewEstimate({"1.調節池容量の計算(簡便法)"}, events, events);
  EXPECT_THAT(events.log,
              ElementsAre("hide 2", "preview Ⅲ-2．調節池計算(図)", "show 2", "hide 2",
                          "print Ⅳ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表1：降雨強度)", "hide 3",
                          "preview 調節池容量の計算(簡便法)", "show 3"));
}
