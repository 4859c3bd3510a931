#pragma once
/// A result sheet filled by hand the way a run fills it (lists, tables of chosen lengths and
/// all eight charts with fixed ranges, markers and labels), for the report's tests.

#include <cmath>
#include <string>

#include "core/text/formatclock.h"
#include "core/text/formatnumber.h"
#include "results/resultsheet.h"

namespace samplesheet {

inline void FillTable(StringGrid& table, int dataRows) {
  ResetTableRows(table, dataRows + 2);
  for (int row = 2; row < dataRows + 2; ++row) {
    const int n = row - 1;
    table.SetCell(0, row, std::to_string(n));
    table.SetCell(1, row, FormatNumber("#,0", 20.0 * n));
    table.SetCell(2, row, FormatClock(20.0 * n));
    for (int col = 3; col < table.ColCount(); ++col) {
      table.SetCell(col, row, FormatNumber("#,0.000", 0.125 * n + col));
    }
  }
}

// A marker: a short line `length` long whose second point carries the label.
inline void Marker(ChartSeries& series, double x, double y, const std::string& label,
                   double length = 1) {
  series.points.clear();
  UnsortSeries(series);
  series.Add(x, y, " ");
  series.Add(x + length, y, label);
}

inline ResultSheet SampleSheet(int intensityDataRows = 10, int routingDataRows = 10) {
  ResultSheet sheet;
  sheet.ContentsList = {"Ⅰ.設計条件", "  -1.設計条件         ・・・P1", "Ⅱ.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ",
                        "  -1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算 ・・・P3", "Ⅳ.資　料         　　・・・P6"};
  sheet.ConditionsList = {"", "Ⅰ-1.設計条件", "1)降雨強度(r)", "  r=a/(t^x+b)", "", "2.流域面積", "  A=12.50ha"};
  sheet.HyetographText = {"Ⅱ-1.流出ハイドログラフ計算", "", "  Q=f･r･A･K/360+Qfix",
                          "  最大流入量 Q=3.456m3/s"};
  sheet.RoutingText = {"Ⅲ-1.調節池計算", "", "    dV/dt = I-O", "    最高水位     =26.789m"};

  ResetTableRows(sheet.StageTable, 7);
  for (int row = 2; row < 7; ++row) {
    sheet.StageTable.SetCell(0, row, FormatNumber("0.00", 24.0 + 0.5 * (row - 2)));
    sheet.StageTable.SetCell(1, row, FormatNumber("#,0.0", 1000.0 + 250 * (row - 2)));
    sheet.StageTable.SetCell(2, row, FormatNumber("#,0.0", 600.0 * (row - 2)));
  }
  FillTable(sheet.IntensityTable, intensityDataRows);
  FillTable(sheet.HyetographTable, 12);
  FillTable(sheet.RunoffTable, 12);
  FillTable(sheet.RoutingTable, routingDataRows);

  // Rating charts: level axes that do not start at 0, markers at the crest and the sill.
  for (Chart* chart : {&sheet.RatingChart, &sheet.AreaChart, &sheet.StorageChart}) {
    ClearChartSeries(*chart);
    UnsortSeries(chart->series[series::kCurve]);
  }
  SetChartRanges(sheet.RatingChart, 23.5, 26.5, 0, 1.8);
  SetChartRanges(sheet.AreaChart, 23.5, 26.5, 900, 2100);
  SetChartRanges(sheet.StorageChart, 23.5, 26.5, -120, 2520);
  for (int k = 0; k <= 20; ++k) {
    const double h = 24.0 + 0.1 * k;
    sheet.RatingChart.series[series::kCurve].Add(1.6 * std::pow(k / 20.0, 1.5), h);
    sheet.AreaChart.series[series::kCurve].Add(1000 + 50.0 * k, h, FormatNumber("#0.0", 1000 + 50.0 * k));
    sheet.StorageChart.series[series::kCurve].Add(120.0 * k, h, FormatNumber("#0.0", 120.0 * k));
  }
  for (Chart* chart : {&sheet.RatingChart, &sheet.AreaChart, &sheet.StorageChart}) {
    const double d = chart->bottom.maximum - chart->bottom.minimum;
    Marker(chart->series[series::kCrestMarker], d / 3, 26.0, "余水吐敷高=26.000m", d / 10);
    Marker(chart->series[series::kLowerSillMarker], d / 3, 24.0, "ｵﾘﾌｨｽ敷高=24.000m", d / 10);
  }

  // Hyetograph and runoff: a rear-loaded storm of 72 blocks.
  Chart& hyeto = sheet.HyetographChart;
  SetChartRanges(hyeto, 0, 110, 0, 1512);
  UnsortSeries(hyeto.series[series::kIntensityCurve]);
  UnsortSeries(hyeto.series[series::kBlockOutline]);
  for (int n = 1; n <= 72; ++n) {
    hyeto.series[series::kIntensityCurve].Add(20.0 * n, 1500.0 / (20.0 * n + 12));
  }
  ChartSeries& outline = hyeto.series[series::kBlockOutline];
  outline.Add(0, 0);
  outline.Add(0, 5);
  for (int k = 1; k < 72; ++k) {
    const double intensity = k < 71 ? 5 + k : 100;
    outline.Add(20.0 * (k - 1), intensity);
    outline.Add(20.0 * k, intensity);
    outline.Add(20.0 * k, 0);
  }
  Marker(hyeto.series[series::kHyetographPeak], 1440, 100, "I1=100.000mm/hr");
  Chart& runoff = sheet.RunoffChart;
  SetChartRanges(runoff, 0, 3.8016, 0, 1512);
  runoff.series[series::kHydrograph].Add(0, 0);
  for (int k = 0; k < 72; ++k) runoff.series[series::kHydrograph].Add(20.0 * k, 0.048 * k);
  Marker(runoff.series[series::kRunoffPeak], 1440, 3.456, "Q1=3.456m3/s");

  // Routing charts.
  SetChartRanges(sheet.DischargeChart, 0, 3.8016, 0, 1440);
  SetChartRanges(sheet.LevelChart, 24.0, 27.0679, 0, 1440);
  for (int k = 0; k <= 72; ++k) {
    const double t = 20.0 * k;
    sheet.DischargeChart.series[series::kInflow].Add(t, 0.048 * k);
    sheet.DischargeChart.series[series::kOutflow].Add(t, 0.02 * k);
    sheet.LevelChart.series[series::kLevel].Add(t, 24.0 + 0.0387 * k);
  }
  Marker(sheet.DischargeChart.series[series::kInflowPeak], 1420, 3.456, "Qin=3.456m3/s");
  Marker(sheet.DischargeChart.series[series::kOutflowPeak], 1440, 1.44, "Qout=1.440m3/s");
  Marker(sheet.LevelChart.series[series::kLevelPeak], 1440, 26.789, "H=26.789m");
  Marker(sheet.LevelChart.series[series::kLevelCrest], 480, 26.0, "余水吐敷高=26.000m");

  // Ponding chart of a pump study: automatic axes, labels of the pump sizes.
  for (int k = 0; k < 25; ++k) {
    sheet.PondingChart.series[series::kPonding].Add(0.2 * k, 27.0 - 0.1 * k,
                                                    FormatNumber("#,0.0", 0.2 * k));
  }
  return sheet;
}

}  // namespace samplesheet
