#include "results/fillpumpcalculation.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/goldenlines.h"
#include "tests/support/startupcalc.h"

using testing_support::JoinCells;

namespace {

ResultSheet RunAndFill(const TRenzoku& calc, const DesignForm& form = DesignForm()) {
  ResultSheet sheet;
  RecordingInteraction ui;
  FillPumpCalculation(calc, RunPumpCalculation(calc, ui), form, sheet);
  return sheet;
}

TRenzoku PumpCalc(std::uint32_t kind, double capacity = 5.0) {
  TRenzoku calc = testing_support::StartupCalc();
  calc.CalcKind = kind;
  calc.Pump.Capacity = capacity;
  return calc;
}

// The lines from "Ⅲ-1.調節池計算" to the empty line after "  2)放流量".
TextList ExplanationHead() {
  TextList lines = testing_support::GoldenLines("routing/startup_explanation.txt");
  auto end = std::find(lines.begin(), lines.end(), "  2)放流量") + 1;
  TextList head(lines.begin(), end);
  head.insert(head.begin() + 1, "");
  head.push_back("");
  return head;
}

}  // namespace

TEST(FillPumpCalculationTest, TrackingWritesRowsSummaryAndExplanation) {
  ResultSheet sheet = RunAndFill(PumpCalc(1));
  const StringGrid& table = sheet.RoutingTable;
  ASSERT_EQ(table.RowCount(), 102);
  EXPECT_EQ(JoinCells(table.Row(2)),
            "1\t20\t00:20\t1.766588\t5.000000\t-\t24.000\t79.000\t0.000");
  EXPECT_EQ(table.Cell(6, 74), "*31.235");
  EXPECT_EQ(table.Cell(1, 74), "1,460");
  EXPECT_EQ(table.Cell(0, 101), "100");

  EXPECT_EQ(sheet.SummaryList, (TextList{"最高水位    =31.235m", "必要調節容量=228,281.283m3",
                                         "最大流入量  =67.009m3/s", "放流量      =5.000(m3/s)"}));
  TextList expected = ExplanationHead();
  expected.insert(expected.end(), {"    基本式及び放流量を連立に逐次計算し解を得る。",
                                   "    放流量       =5.000(m3/S)", "    最高水位     =31.235m",
                                   "    必要調節容量 =228,281.283m3", "    最大流入量   =67.009m3/s",
                                   "    最大放流量   =5.000m3/s"});
  EXPECT_EQ(sheet.RoutingText, expected);
}

TEST(FillPumpCalculationTest, TrackingChartsLabelTheirPointsWithTheTime) {
  TRenzoku calc = PumpCalc(1);
  calc.Time.Pitch = 20.0 / 3;
  ResultSheet sheet;
  sheet.DischargeChart.series[series::kInflow].colour = ChartColour::Gray();
  RecordingInteraction ui;
  FillPumpCalculation(calc, RunPumpCalculation(calc, ui), DesignForm(), sheet);
  const ChartSeries& inflow = sheet.DischargeChart.series[series::kInflow];
  ASSERT_EQ(inflow.points.size(), 301u);
  EXPECT_EQ(inflow.points[0].label, " ");
  EXPECT_EQ(inflow.points[1].label, "6.66666666666667");
  EXPECT_EQ(inflow.points[3].label, "20");
  EXPECT_EQ(inflow.colour, ChartColour::Gray());  // tracking keeps the colours
  EXPECT_EQ(sheet.RoutingTable.Cell(1, 4), "60");

  const Chart& discharge = sheet.DischargeChart;
  EXPECT_EQ(discharge.series[series::kOutflowPeak].points[0].x, 20.0 / 3);  // end of step 1
  EXPECT_EQ(discharge.series[series::kOutflowPeak].points[1].label, "Q=5.000m3/s");
  EXPECT_EQ(discharge.series[series::kInflowPeak].points[1].label, "Q=67.009m3/s");
  // The finer steps see less of the inflow's jump at the end of the rain than 20-minute ones.
  EXPECT_EQ(sheet.LevelChart.series[series::kLevelPeak].points[1].label, "H=30.819m");
  EXPECT_NEAR(sheet.LevelChart.series[series::kLevelPeak].points[0].x, 1446.6666666666667, 1e-9);
  EXPECT_TRUE(sheet.LevelChart.series[series::kLevelCrest].points.empty());
  EXPECT_EQ(discharge.bottom.maximum, 2000.0);

  // "白黒" blackens every series of both charts.
  DesignForm monochrome;
  monochrome.OutputColour = 1;
  FillPumpCalculation(calc, RunPumpCalculation(calc, ui), monochrome, sheet);
  for (const Chart* chart : {&sheet.DischargeChart, &sheet.LevelChart}) {
    for (const ChartSeries& series : chart->series) EXPECT_EQ(series.colour, ChartColour::Black());
  }
}

TEST(FillPumpCalculationTest, TrackingOverflowKeepsBothListsAtTheStopText) {
  ResultSheet sheet = RunAndFill(PumpCalc(1, 0.5));
  EXPECT_EQ(sheet.RoutingText, TextList{"計算中止"});
  EXPECT_EQ(sheet.SummaryList, TextList{"計算中止"});
  EXPECT_EQ(sheet.RoutingTable.RowCount(), 102);
  EXPECT_TRUE(sheet.DischargeChart.left.automatic);
  EXPECT_EQ(sheet.DischargeChart.bottom.maximum, 2000.0);
}

TEST(FillPumpCalculationTest, TrackingTableGrowsForEveryRowWritten) {
  // Tc = 0.7 min with the pitch raised to 0.5: one step a block, 14 blocks where 10 fit.
  TRenzoku calc = PumpCalc(1);
  calc.Time.Concentration = 0.7;
  calc.Time.Pitch = 0.5;
  calc.Time.CalcDuration = 7;
  ResultSheet sheet = RunAndFill(calc);
  EXPECT_EQ(sheet.RoutingTable.RowCount(), 16);
  EXPECT_EQ(sheet.RoutingTable.Cell(0, 15), "14");
  EXPECT_EQ(sheet.RoutingTable.Cell(1, 15), "7");
}

TEST(FillPumpCalculationTest, StudyWritesOneRowAndPointPerFittingSize) {
  DesignForm form;
  form.OutputColour = 1;
  ResultSheet sheet = RunAndFill(PumpCalc(2), form);
  const StringGrid& table = sheet.RoutingTable;
  ASSERT_EQ(table.RowCount(), 28);  // 26 sizes from 0.0 to 5.0
  EXPECT_EQ(JoinCells(table.Row(2)),
            "1\t2,000\t33:20\t0.000\t1.600\t-\t33.900\t62,808.504\t333,627.037");
  EXPECT_EQ(table.Cell(0, 19), "18");
  EXPECT_EQ(table.Cell(4, 19), "5.000");
  EXPECT_EQ(table.Cell(6, 19), "31.235");
  EXPECT_EQ(table.Cell(0, 20), "");
  EXPECT_EQ(table.Cell(0, 27), "");

  const ChartSeries& curve = sheet.PondingChart.series[series::kPonding];
  ASSERT_EQ(curve.points.size(), 18u);
  EXPECT_EQ(curve.points.front().label, "1.6");
  EXPECT_EQ(curve.points.back().label, "5.0");
  EXPECT_EQ(curve.colour, ChartColour::Black());
  EXPECT_TRUE(sheet.SummaryList.empty());
  TextList expected = ExplanationHead();
  expected.insert(expected.end(), {"    ポンプ規模を設定し、ピーク湛水位を求める",
                                   "    ポンプ規模 0.0m3/s～5.0m3/s"});
  EXPECT_EQ(sheet.RoutingText, expected);

  EXPECT_EQ(RunAndFill(PumpCalc(2)).PondingChart.series[series::kPonding].colour,
            ChartColour::Red());
}
