#include "results/fillpumpcalculation.h"

#include <algorithm>

#include "core/text/formatclock.h"
#include "core/text/formatnumber.h"
#include "results/outputcolour.h"
#include "results/routingcharts.h"
#include "results/routingexplanation.h"
#include "results/routingtable.h"

namespace {

constexpr int kFirstDataRow = 2;

void FillTracking(const TRenzoku& calc, const PumpTracking& run, const DesignForm& form,
                  ResultSheet& sheet) {
  // "ｶﾗｰ" leaves the series colours as they are.
  if (Monochrome(form)) {
    BlackenChartSeries(sheet.DischargeChart);
    BlackenChartSeries(sheet.LevelChart);
  }
  ClearChartSeries(sheet.DischargeChart);
  ClearChartSeries(sheet.LevelChart);
  SetAxisRange(sheet.DischargeChart.bottom, 0, calc.Time.CalcDuration);
  SetAxisRange(sheet.LevelChart.bottom, 0, calc.Time.CalcDuration);
  AddRoutingPoints(sheet, run.inflow, run.outflow, run.level, RoutingPointLabels::Time);

  // The table grows when the steps of a raised pitch give more blocks than the duration holds.
  StringGrid& table = sheet.RoutingTable;
  int rowsNeeded = static_cast<int>(run.rows.size()) + kFirstDataRow;
  ResetTableRows(table, std::max(run.tableRowCount, rowsNeeded));
  int index = kFirstDataRow;
  for (const RoutingRow& row : run.rows) WriteRoutingRow(table, index++, row, "-");
}

void CompleteTracking(const TRenzoku& calc, const PumpTracking& run, ResultSheet& sheet) {
  const RoutingMaxima& max = run.maxima;
  SetRoutingChartRanges(sheet, calc.Routing.StartLevel, calc.Time.CalcDuration, max);
  AddRoutingPeakMarkers(sheet, max, "Q=0.000m3/s", "Q=0.000m3/s", "H=0.000m");
  if (run.peakRow >= 0) {
    int row = run.peakRow + kFirstDataRow;
    sheet.RoutingTable.SetCell(6, row, "*" + sheet.RoutingTable.Cell(6, row));
  }
  sheet.SummaryList.clear();
  AppendPeakSummary(sheet.SummaryList, max.MaxLevel, run.maxLevelStorage, max.MaxInflow);
  sheet.SummaryList.push_back(FormatNumber("放流量      =0.000(m3/s)", calc.Pump.Capacity));
}

void FillStudy(const PumpStudy& study, const DesignForm& form, ResultSheet& sheet) {
  ChartSeries& curve = sheet.PondingChart.series[series::kPonding];
  curve.colour = OutputColour(form, ChartColour::Red());
  ClearChartSeries(sheet.PondingChart);
  StringGrid& table = sheet.RoutingTable;
  ResetTableRows(table, study.sizeCount + kFirstDataRow);
  int row = kFirstDataRow;
  for (const PumpSize& size : study.sizes) {
    curve.Add(size.capacity, size.peakLevel, FormatNumber("#,0.0", size.capacity));
    table.SetCell(0, row, FormatNumber("0", row - 1));
    table.SetCell(1, row, FormatNumber("#,0", size.endTime));
    table.SetCell(2, row, FormatClock(size.endTime));
    table.SetCell(3, row, FormatNumber("#,0.000", size.inflow));
    table.SetCell(4, row, FormatNumber("#,0.000", size.capacity));
    table.SetCell(5, row, "-");
    table.SetCell(6, row, FormatNumber("#,0.000", size.peakLevel));
    table.SetCell(7, row, FormatNumber("#,0.000", size.peakArea));
    table.SetCell(8, row, FormatNumber("#,0.000", size.storage));
    ++row;
  }
  sheet.SummaryList.clear();
}

void WriteExplanation(const TRenzoku& calc, const PumpCalculation& pump, TextList& lines) {
  lines.clear();
  lines.insert(lines.end(), {"Ⅲ-1.調節池計算", ""});
  AppendContinuityEquationLines(lines);
  lines.push_back("");
  if (pump.kind == 1) {
    const RoutingMaxima& max = pump.tracking.maxima;
    lines.push_back("    基本式及び放流量を連立に逐次計算し解を得る。");
    lines.push_back(FormatNumber("    放流量       =0.000(m3/S)", calc.Pump.Capacity));
    lines.push_back(FormatNumber("    最高水位     =#,0.000m", max.MaxLevel));
    lines.push_back(FormatNumber("    必要調節容量 =#,0.000m3", pump.tracking.maxLevelStorage));
    lines.push_back(FormatNumber("    最大流入量   =#,0.000m3/s", max.MaxInflow));
    lines.push_back(FormatNumber("    最大放流量   =#,0.000m3/s", calc.Pump.Capacity));
  } else {
    lines.push_back("    ポンプ規模を設定し、ピーク湛水位を求める");
    lines.push_back("    ポンプ規模 " + FormatNumber("0.0m3/s", calc.Pump.MinCapacity) +
                    FormatNumber("～0.0m3/s", calc.Pump.MaxCapacity));
  }
}

}  // namespace

void FillPumpCalculation(const TRenzoku& calc, const PumpCalculation& pump,
                         const DesignForm& form, ResultSheet& sheet) {
  if (pump.kind != 1 && pump.kind != 2) return;
  sheet.RoutingText = {"計算中止"};
  sheet.SummaryList = {"計算中止"};
  if (pump.outcome == kRoutingNotStarted) return;
  if (pump.kind == 1) {
    FillTracking(calc, pump.tracking, form, sheet);
    if (pump.outcome != kRoutingCompleted) return;
    CompleteTracking(calc, pump.tracking, sheet);
  } else {
    FillStudy(pump.study, form, sheet);
  }
  WriteExplanation(calc, pump, sheet.RoutingText);
}
