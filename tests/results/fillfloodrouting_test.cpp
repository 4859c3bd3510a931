#include "results/fillfloodrouting.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/chartlabels.h"
#include "tests/support/goldenlines.h"
#include "tests/support/startupcalc.h"

using testing_support::GoldenLines;
using testing_support::JoinCells;
using testing_support::PointLabels;
using testing_support::StartupCalc;

namespace {

// Chart ranges are products of the maxima with 1.1; the reference maxima agree to 1e-6.
constexpr double kRangeTolerance = 1e-5;

struct Filled {
  FloodRouting routing;
  ResultSheet sheet;
};

Filled RouteAndFill(TRenzoku calc, const DesignForm& form = DesignForm()) {
  Filled filled;
  RecordingInteraction ui;
  NoProgressBar progress;
  filled.routing = RouteFlood(calc, ui, progress);
  FillFloodRouting(calc, filled.routing, form, filled.sheet);
  return filled;
}

}  // namespace

TEST(FillFloodRoutingTest, StartupDesignFillsTableSummaryAndExplanationExactly) {
  Filled f = RouteAndFill(StartupCalc());
  const StringGrid& table = f.sheet.RoutingTable;
  ASSERT_EQ(table.RowCount(), 102);  // two header rows and 100 blocks, the peak row marked
  std::vector<std::string> golden = GoldenLines("routing/startup_table.txt");
  ASSERT_EQ(golden.size(), 100u);
  for (int row = 2; row < table.RowCount(); ++row) {
    EXPECT_EQ(JoinCells(table.Row(row)), golden[static_cast<std::size_t>(row - 2)]) << row;
  }
  EXPECT_EQ(table.Cell(0, 74), "*73");
  EXPECT_EQ(table.Cell(0, 0), "-");  // header rows untouched

  EXPECT_EQ(f.sheet.SummaryList,
            (TextList{"最高水位    =31.937m", "必要調節容量=267,775.350m3",
                      "最大流入量  =67.009m3/s", "最大放流量  =5.887m3/s"}));
  EXPECT_EQ(f.sheet.RoutingText, GoldenLines("routing/startup_explanation.txt"));
}

TEST(FillFloodRoutingTest, StartupChartsHavePointsRangesAndMarkers) {
  Filled f = RouteAndFill(StartupCalc());
  const Chart& discharge = f.sheet.DischargeChart;
  const Chart& level = f.sheet.LevelChart;
  EXPECT_EQ(discharge.series[series::kInflow].points.size(), 109u);
  EXPECT_EQ(level.series[series::kLevel].points.front(), (ChartPoint{0, 24.0, "", std::nullopt}));
  EXPECT_EQ(discharge.series[series::kInflow].colour, ChartColour::Green());
  EXPECT_EQ(discharge.series[series::kOutflow].colour, ChartColour::Red());
  EXPECT_EQ(level.series[series::kLevel].colour, ChartColour::Green());

  EXPECT_FALSE(discharge.bottom.automatic);
  EXPECT_EQ(discharge.bottom.maximum, 2000.0);
  EXPECT_NEAR(discharge.left.maximum, 1.1 * 67.00874230279646, kRangeTolerance);
  EXPECT_EQ(level.left.minimum, 24.0);
  EXPECT_NEAR(level.left.maximum, 24.0 + 1.1 * (31.936981201171875 - 24.0), kRangeTolerance);

  // Peak markers stand at the starts of the steps that reached the maxima.
  const ChartSeries& inflowPeak = discharge.series[series::kInflowPeak];
  ASSERT_EQ(inflowPeak.points.size(), 2u);
  EXPECT_EQ(inflowPeak.points[0].x, 1420.0);
  EXPECT_EQ(inflowPeak.points[1].x, 1421.0);
  EXPECT_EQ(PointLabels(inflowPeak), (std::vector<std::string>{" ", "Qin=67.009m3/s"}));
  EXPECT_EQ(PointLabels(discharge.series[series::kOutflowPeak]),
            (std::vector<std::string>{" ", "Qout=5.887m3/s"}));
  EXPECT_EQ(PointLabels(level.series[series::kLevelPeak]), (std::vector<std::string>{" ", "H=31.937m"}));
  EXPECT_EQ(level.series[series::kLevelPeak].points[0].x, 1440.0);

  // Level markers a third of the time axis in; one orifice stage leaves the upper marker empty.
  const ChartSeries& crest = level.series[series::kLevelCrest];
  ASSERT_EQ(crest.points.size(), 2u);
  EXPECT_NEAR(crest.points[0].x, 2000.0 / 3, 1e-9);
  EXPECT_EQ(PointLabels(crest), (std::vector<std::string>{"余水吐敷高=32.000m", " "}));
  EXPECT_EQ(PointLabels(level.series[series::kLevelLowerSill]),
            (std::vector<std::string>{"ｵﾘﾌｨｽ敷高=24.000m", " "}));
  EXPECT_TRUE(level.series[series::kLevelUpperSill].points.empty());
}

TEST(FillFloodRoutingTest, PeakBetweenBlockEndsIsInsertedAtItsTime) {
  TRenzoku calc = StartupCalc();
  calc.Time.Pitch = 10;
  Filled f = RouteAndFill(calc);
  const StringGrid& table = f.sheet.RoutingTable;
  ASSERT_EQ(table.RowCount(), 103);
  EXPECT_EQ(table.Cell(1, 73), "1,440");
  EXPECT_EQ(JoinCells(table.Row(74)), "*\t1,450\t24:10\t67.008742\t5.772088\t0.000000\t31.647\t"
                                      "56,456.930\t251,262.517");
  EXPECT_EQ(table.Cell(0, 75), "73");
  EXPECT_EQ(table.Cell(1, 75), "1,460");
  EXPECT_EQ(table.Cell(0, 102), "100");
  EXPECT_EQ(f.sheet.RoutingText[f.sheet.RoutingText.size() - 9], "  最高水位時間    =1,450分");

  // A level that only falls peaks in the first step: its row rises above every later block.
  calc = StartupCalc();
  calc.Routing.StartLevel = 31.0;
  calc.Rain.Hyetograph.Q.assign(calc.Rain.Hyetograph.Q.size(), 0.0);
  f = RouteAndFill(calc);
  EXPECT_EQ(f.sheet.RoutingTable.Cell(0, 2), "1");
  EXPECT_EQ(f.sheet.RoutingTable.Cell(0, 3), "*");
  EXPECT_EQ(f.sheet.RoutingTable.Cell(1, 3), "20");
  EXPECT_EQ(f.sheet.RoutingTable.Cell(0, 4), "2");
}

TEST(FillFloodRoutingTest, OverflowLeavesTheRunAsFarAsItGot) {
  TRenzoku calc = StartupCalc();
  for (double& q : calc.Rain.Hyetograph.Q) q *= 3;
  ResultSheet sheet;
  sheet.RoutingText = {"old"};
  RecordingInteraction ui;
  NoProgressBar progress;
  FloodRouting routing = RouteFlood(calc, ui, progress);
  FillFloodRouting(calc, routing, DesignForm(), sheet);
  EXPECT_EQ(sheet.SummaryList, TextList{"計算中止"});
  EXPECT_TRUE(sheet.RoutingText.empty());
  EXPECT_EQ(sheet.RoutingTable.RowCount(), 102);
  int written = static_cast<int>(routing.rows.size());
  EXPECT_EQ(sheet.RoutingTable.Cell(0, written + 1), std::to_string(written));
  EXPECT_EQ(sheet.RoutingTable.Cell(0, written + 2), "");
  EXPECT_TRUE(sheet.DischargeChart.left.automatic);
  EXPECT_TRUE(sheet.LevelChart.series[series::kLevelPeak].points.empty());
}

TEST(FillFloodRoutingTest, MonochromeBlackensBothChartsAndColourRestoresOnlyTheCurves) {
  DesignForm form;
  form.OutputColour = 1;
  TRenzoku calc = StartupCalc();
  ResultSheet sheet;
  RecordingInteraction ui;
  NoProgressBar progress;
  FloodRouting routing = RouteFlood(calc, ui, progress);
  FillFloodRouting(calc, routing, form, sheet);
  for (const Chart* chart : {&sheet.DischargeChart, &sheet.LevelChart}) {
    for (const ChartSeries& s : chart->series) EXPECT_EQ(s.colour, ChartColour::Black());
  }
  form.OutputColour = 0;
  FillFloodRouting(calc, routing, form, sheet);
  EXPECT_EQ(sheet.DischargeChart.series[series::kInflow].colour, ChartColour::Green());
  EXPECT_EQ(sheet.LevelChart.series[series::kLevelCrest].colour, ChartColour::Blue());
  EXPECT_EQ(sheet.DischargeChart.series[series::kInflowPeak].colour, ChartColour::Black());
  EXPECT_EQ(sheet.LevelChart.series[series::kLevelPeak].colour, ChartColour::Black());
}

TEST(FillFloodRoutingTest, ExplanationFollowsTheOrificeShapeAndStages) {
  TRenzoku calc = StartupCalc();
  calc.LowerOrifice.Shape = 1;
  calc.LowerOrifice.Area = 0.6361725123519332;
  calc.LowerOrifice.CircleC = 0.6;
  calc.OrificeStages = 2;
  calc.UpperOrifice = {28.0, 0.5, 0.4, 0.2, 1.8, 0.6};
  Filled f = RouteAndFill(calc);
  const TextList& text = f.sheet.RoutingText;
  auto at = std::find(text.begin(), text.end(), "    (1)オリフィス");
  ASSERT_NE(at, text.end());
  EXPECT_EQ(TextList(at + 1, at + 15),
            (TextList{"       Q=C･A√2･g･H", "       ここに",
                      "         A(ｵﾘﾌｨｽ面積)         =0.636m2",
                      "         C(流量係数)          =0.600",
                      "         HH(上段ｵﾘﾌｨｽ標高)    =28.000m",
                      "         BH(上段ｵﾘﾌｨｽ幅)      =0.500m",
                      "         DH(上段ｵﾘﾌｨｽ高)      =0.400m",
                      "         C1(上段ｵﾘﾌｨｽ流量係数)=1.800",
                      "         C2(上段ｵﾘﾌｨｽ流量係数)=0.600", "", "    (2)余水吐",
                      "       Q=Cd･BT･(H-HT)^(3/2)", "       ここに", "         H (水位m)"}));
  EXPECT_EQ(f.sheet.LevelChart.series[series::kLevelUpperSill].points.front().label,
            "ｵﾘﾌｨｽ敷高=28.000m");
}

TEST(FillFloodRoutingTest, EmptyPondTouchesOnlyTheLists) {
  TRenzoku calc = StartupCalc();
  calc.Pond.RowCount = 0;
  ResultSheet before;
  Filled f = RouteAndFill(calc);
  EXPECT_EQ(f.sheet.SummaryList, TextList{"計算中止"});
  EXPECT_TRUE(f.sheet.RoutingText.empty());
  EXPECT_EQ(f.sheet.RoutingTable, before.RoutingTable);
  EXPECT_EQ(f.sheet.LevelChart, before.LevelChart);
}
