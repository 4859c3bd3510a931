#include "results/runcalculation.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/designforms.h"

using testing_support::ItemError;

namespace {

struct RunOutcome {
  bool completed;
  std::vector<std::string> messages;
};

RunOutcome Calculate(DesignForm& form, ResultSheet& sheet) {
  RecordingInteraction ui;
  NoProgressBar progress;
  bool completed = RunCalculation(form, sheet, ui, progress);
  return {completed, ui.Texts()};
}

}  // namespace

TEST(RunCalculationTest, ACompletedRunFillsTheSheetAndShowsItsFirstPage) {
  DesignForm form = StartupDesignForm();
  ResultSheet sheet;
  sheet.SelectTopPage(2);
  sheet.SubPage[0] = 1;
  RunOutcome run = Calculate(form, sheet);
  EXPECT_TRUE(run.completed);
  EXPECT_TRUE(run.messages.empty());
  EXPECT_TRUE(sheet.Visible);
  EXPECT_EQ(sheet.TopPage, 0);
  EXPECT_EQ(sheet.SubPage[0], 0);
  EXPECT_EQ(form.ActiveCalcKind, 0);
  EXPECT_EQ(form.Pitch, "20.00");
  EXPECT_EQ(form.StartLevel, "24.00");
  EXPECT_EQ(sheet.StageTable.RowCount(), 14);
  EXPECT_EQ(sheet.ContentsList.size(), 40u);
}

TEST(RunCalculationTest, StopsAfterReadingWithTheSheetHidden) {
  DesignForm form = StartupDesignForm();
  ResultSheet sheet;
  RunOutcome first = Calculate(form, sheet);
  ASSERT_TRUE(first.completed);

  // Item errors: every malformed item is named, the pond table is not read and nothing the
  // earlier run wrote is replaced.
  form.LowerSill = "HL";
  form.SpillwayWidth = "";
  RunOutcome run = Calculate(form, sheet);
  EXPECT_FALSE(run.completed);
  EXPECT_EQ(run.messages,
            (std::vector<std::string>{ItemError("ｵﾘﾌｨｽ敷高"), ItemError("余水吐き幅")}));
  EXPECT_FALSE(sheet.Visible);
  EXPECT_EQ(sheet.StageTable.Cell(0, 2), "24.000");

  // A refused pond table empties the stage table's rows.
  form = StartupDesignForm();
  form.PondGrid.SetRowFromCommaText(4, "26.01,,251.8");
  run = Calculate(form, sheet);
  EXPECT_FALSE(run.completed);
  EXPECT_EQ(run.messages, std::vector<std::string>{"標高に対応する面積データが有りません。"});
  EXPECT_EQ(sheet.StageTable.RowCount(), 14);
  EXPECT_EQ(sheet.StageTable.Row(2), (std::vector<std::string>{" ", " ", " "}));

  // A stop check after reading: the stage table shows the new table, the book is not rewritten.
  form = StartupDesignForm();
  form.DesignName = "stop";
  form.SpillwayCrest = "24.5";
  run = Calculate(form, sheet);
  EXPECT_FALSE(run.completed);
  EXPECT_EQ(run.messages,
            std::vector<std::string>{
                "余水吐敷高が「下段ｵﾘﾌｨｽ呑口敷高」より低いです。\r\r訂正して下さい。"});
  EXPECT_EQ(sheet.StageTable.Cell(0, 2), "24.000");
  EXPECT_EQ(sheet.ContentsList.front(), "件　名：");
}

TEST(RunCalculationTest, ConversionErrorsEndTheRunWithTheirMessage) {
  DesignForm form = StartupDesignForm();
  form.ExtraInflow = "0,5";
  ResultSheet sheet;
  RunOutcome run = Calculate(form, sheet);
  EXPECT_FALSE(run.completed);
  EXPECT_EQ(run.messages, std::vector<std::string>{"'0,5' is not a valid floating point value"});

  // Observed rain whose first intensity cell is blank: the book is written, the run stops at
  // the hyetograph and the sheet stays hidden.
  form = StartupDesignForm();
  form.ChooseIntensitySource(2);
  run = Calculate(form, sheet);
  EXPECT_FALSE(run.completed);
  EXPECT_EQ(run.messages, std::vector<std::string>{"'' is not a valid floating point value"});
  EXPECT_FALSE(sheet.Visible);
  EXPECT_EQ(sheet.ConditionsList[4], "  降雨強度(r)は、別に定義する。");
}

TEST(RunCalculationTest, WarningsLetTheRunCompleteAndTheKindChoosesThePages) {
  DesignForm form = StartupDesignForm();
  form.SelectOutletPage(1);
  form.ChoosePumpCalcKind(1);
  form.C1 = "1.85";
  ResultSheet sheet;
  RunOutcome run = Calculate(form, sheet);
  EXPECT_TRUE(run.completed);
  EXPECT_EQ(run.messages,
            std::vector<std::string>{
                "通常C1=1.7～1.8の範囲です。\r\r計算は続行しますが、\r確認して下さい。"});
  EXPECT_EQ(form.ActiveCalcKind, 2);
  EXPECT_TRUE(ViewForKind(form.ActiveCalcKind).pondingPageVisible);
  EXPECT_FALSE(ViewForKind(form.ActiveCalcKind).dischargePageVisible);
  EXPECT_FALSE(ViewForKind(form.ActiveCalcKind).levelPageVisible);

  form.ChoosePumpCalcKind(-1);  // no "計算種別" choice counts as natural drainage
  run = Calculate(form, sheet);
  EXPECT_EQ(form.ActiveCalcKind, 0);
  EXPECT_TRUE(ViewForKind(form.ActiveCalcKind).dischargePageVisible);
  EXPECT_FALSE(ViewForKind(form.ActiveCalcKind).pondingPageVisible);
}

TEST(RunCalculationTest, RunoffOnlyBuildsTheHydrographWithoutTheBook) {
  DesignForm form = StartupDesignForm();
  form.ChooseIntensitySource(2);
  form.ObservedGrid.SetRowCount(5);
  form.ObservedGrid.SetRowFromCommaText(2, "1,20,10");
  form.ObservedGrid.SetRowFromCommaText(3, "2,40,30");
  form.ObservedGrid.SetRowFromCommaText(4, "3,60,20");
  ResultSheet sheet;
  RecordingInteraction ui;
  EXPECT_TRUE(RunRunoffOnly(form, sheet, ui));
  EXPECT_TRUE(ui.Entries().empty());
  EXPECT_TRUE(sheet.Visible);
  EXPECT_TRUE(sheet.ConditionsList.empty());
  EXPECT_EQ(sheet.RunoffTable.RowCount(), 6);
  EXPECT_EQ(sheet.RunoffTable.Row(4),
            (std::vector<std::string>{"2", "40", "00:40", "30.000000", "17.353000"}));
  EXPECT_EQ(sheet.StageTable.RowCount(), 14);

  form.Concentration = "-20";
  sheet.Hide();
  EXPECT_FALSE(RunRunoffOnly(form, sheet, ui));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{ItemError("到達時間")});
  EXPECT_FALSE(sheet.Visible);
}

TEST(RunCalculationTest, LevelsBeyondThePondTableStopTheRunWithTheKindsMessage) {
  DesignForm form = StartupDesignForm();
  form.CatchmentArea = "800";
  ResultSheet sheet;
  RecordingInteraction ui;
  class PositionLog : public ProgressBar {
   public:
    void SetRange(int, int) override {}
    void StepIt() override {}
    void SetPosition(int position) override { positions.push_back(position); }
    std::vector<int> positions;
  } progress;
  EXPECT_FALSE(RunCalculation(form, sheet, ui, progress));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"調節池データの範囲を超えました。\r\r調節池容量の"
                                                 "再検討が必要です。\r\r　　計算を停止します。"});
  EXPECT_EQ(progress.positions.back(), 0);
  EXPECT_FALSE(sheet.Visible);
  EXPECT_EQ(sheet.SummaryList, TextList{"計算中止"});

  // Pump water-level tracking with a pump too small for the start-up rain.
  form = StartupDesignForm();
  form.SelectOutletPage(1);
  form.ChoosePumpCalcKind(0);
  form.PumpCapacity = "0.5";
  RunOutcome run = Calculate(form, sheet);
  EXPECT_FALSE(run.completed);
  EXPECT_EQ(run.messages, std::vector<std::string>{"調節池データの範囲を超えました。\r\r調節池"
                                                   "容量の再検討が必要です。\r計算を停止します。"});
  EXPECT_EQ(sheet.RoutingText, TextList{"計算中止"});

  form.PumpCapacity = "5.0";
  run = Calculate(form, sheet);
  EXPECT_TRUE(run.completed);
  EXPECT_EQ(form.ActiveCalcKind, 1);
  EXPECT_EQ(sheet.SummaryList.back(), "放流量      =5.000(m3/s)");
}

TEST(RunCalculationTest, RatingCurvesOnlyDrawsTheRatingChartsAndNothingElse) {
  DesignForm form = StartupDesignForm();
  ResultSheet sheet;
  RecordingInteraction ui;
  EXPECT_TRUE(RunRatingCurvesOnly(form, sheet, ui));
  EXPECT_TRUE(ui.Entries().empty());
  EXPECT_TRUE(sheet.Visible);
  EXPECT_EQ(sheet.RatingChart.series[series::kCurve].points.size(), 32u);
  EXPECT_EQ(sheet.AreaChart.series[series::kCurve].points.size(), 111u);
  EXPECT_TRUE(sheet.ConditionsList.empty());
  EXPECT_TRUE(sheet.HyetographChart.series[series::kIntensityCurve].points.empty());
  EXPECT_EQ(sheet.RoutingTable.RowCount(), 2);
  EXPECT_EQ(sheet.StageTable.RowCount(), 14);

  form.LowerSill = "33.5";  // above the spillway crest: a stop check
  sheet.Hide();
  ResultSheet before = sheet;
  EXPECT_FALSE(RunRatingCurvesOnly(form, sheet, ui));
  EXPECT_FALSE(sheet.Visible);
  EXPECT_EQ(sheet.RatingChart, before.RatingChart);
}
