#include "results/fillfloodrouting.h"

#include <string>
#include <utility>

#include "core/calc/timecellvalue.h"
#include "core/text/formatclock.h"
#include "core/text/formatnumber.h"
#include "results/drawlevelmarkers.h"
#include "results/outputcolour.h"
#include "results/routingcharts.h"
#include "results/routingexplanation.h"
#include "results/routingtable.h"

namespace {

constexpr int kFirstDataRow = 2;

void PrepareCharts(const DesignForm& form, ResultSheet& sheet) {
  if (Monochrome(form)) {
    BlackenChartSeries(sheet.LevelChart);
    BlackenChartSeries(sheet.DischargeChart);
  } else {
    sheet.DischargeChart.series[series::kInflow].colour = ChartColour::Green();
    sheet.DischargeChart.series[series::kOutflow].colour = ChartColour::Red();
    sheet.LevelChart.series[series::kLevel].colour = ChartColour::Green();
  }
  ClearChartSeries(sheet.LevelChart);
  ClearChartSeries(sheet.DischargeChart);
}

void SwapRows(StringGrid& table, int a, int b) {
  for (int col = 0; col < table.ColCount(); ++col) {
    std::string cell = table.Cell(col, a);
    table.SetCell(col, a, table.Cell(col, b));
    table.SetCell(col, b, std::move(cell));
  }
}

// Marks the block row of the highest level, or inserts a row for it at its time.
void WritePeakRow(const FloodRouting& routing, StringGrid& table) {
  if (routing.peakAtBlockEnd) {
    int row = routing.peakBlock + kFirstDataRow;
    table.SetCell(0, row, "*" + table.Cell(0, row));
    return;
  }
  int row = table.RowCount();
  table.SetRowCount(row + 1);
  WriteRoutingRow(table, row, routing.peakRow, SpillwayFlowText(routing.peakRow.spillwayFlow));
  table.SetCell(0, row, "*");
  while (row - 1 >= kFirstDataRow &&
         TimeCellValue(table.Cell(1, row - 1)) > TimeCellValue(table.Cell(1, row))) {
    SwapRows(table, row - 1, row);
    --row;
  }
}

void AppendOutletLines(const TRenzoku& calc, TextList& lines) {
  const auto& lower = calc.LowerOrifice;
  if (lower.Shape == 1) {
    lines.insert(lines.end(), {"       Q=C･A√2･g･H", "       ここに"});
    lines.push_back(FormatNumber("         A(ｵﾘﾌｨｽ面積)         =0.000m2", lower.Area));
    lines.push_back(FormatNumber("         C(流量係数)          =0.000", lower.CircleC));
  } else {
    lines.insert(lines.end(), {
        "       ①H≦HL+1.2DL",
        "         Q=C1･BL(H-HL)^(3/2)",
        "         C1=1.7～1.8",
        "       ②HL+1.8DL≦H",
        "         Q=C2･DL･BL√2g(H-HL-0.5DL)",
        "         C2=ﾍﾞﾙﾏｳｽ有り:0.85～0.9",
        "            ﾍﾞﾙﾏｳｽ無し:0.60",
        "       ③HL+1.2DL＜H＜HL+1.8DL",
        "         Q=①と②間の直線補間",
        "       ここに",
    });
    lines.push_back(FormatNumber("         HL(下段ｵﾘﾌｨｽ敷高)    =0.000m", lower.SillLevel));
    lines.push_back(FormatNumber("         BL(下段ｵﾘﾌｨｽ幅)      =0.000m", lower.Width));
    lines.push_back(FormatNumber("         DL(下段ｵﾘﾌｨｽ高)      =0.000m", lower.Height));
    lines.push_back(FormatNumber("         C1(下段ｵﾘﾌｨｽ流量係数)=0.000", lower.C1));
    lines.push_back(FormatNumber("         C2(下段ｵﾘﾌｨｽ流量係数)=0.000", lower.C2));
  }
  if (calc.OrificeStages == 2) {
    const auto& upper = calc.UpperOrifice;
    lines.push_back(FormatNumber("         HH(上段ｵﾘﾌｨｽ標高)    =0.000m", upper.SillLevel));
    lines.push_back(FormatNumber("         BH(上段ｵﾘﾌｨｽ幅)      =0.000m", upper.Width));
    lines.push_back(FormatNumber("         DH(上段ｵﾘﾌｨｽ高)      =0.000m", upper.Height));
    lines.push_back(FormatNumber("         C1(上段ｵﾘﾌｨｽ流量係数)=0.000", upper.C1));
    lines.push_back(FormatNumber("         C2(上段ｵﾘﾌｨｽ流量係数)=0.000", upper.C2));
  }
  lines.insert(lines.end(), {"", "    (2)余水吐", "       Q=Cd･BT･(H-HT)^(3/2)", "       ここに",
                             "         H (水位m)"});
  lines.push_back(FormatNumber("         HT(余水吐敷高)       =0.000m", calc.Spillway.CrestLevel));
  lines.push_back(FormatNumber("         BT(余水吐幅)         =0.000m", calc.Spillway.Width));
  lines.push_back(FormatNumber("         Cd(流量係数)         =0.000", calc.Spillway.Coef));
}

void WriteExplanation(const TRenzoku& calc, const FloodRouting& routing, TextList& lines) {
  const RoutingMaxima& max = routing.maxima;
  double peakTime = routing.peakRow.time;
  lines.push_back("Ⅲ-1.調節池計算");
  AppendContinuityEquationLines(lines);
  lines.insert(lines.end(), {"    調節池からの放流量は、次式で行う。", "", "    (1)オリフィス"});
  AppendOutletLines(calc, lines);
  lines.insert(lines.end(), {"", "基本式及び放流量を連立に逐次計算し解を得る。", "",
                             "洪水調節計算結果を示す。"});
  lines.push_back(FormatNumber("  最高水位時間    =0,0分", peakTime));
  lines.push_back("  最高水位時間    =" + FormatClock(peakTime));
  lines.push_back(FormatNumber("  最高水位(H)     =#,0.000m", max.MaxLevel));
  lines.push_back(FormatNumber("  最大流入量(Qin) =#,0.000000m3/s", max.MaxInflow));
  lines.push_back(FormatNumber("  最大放流量(Qout)=#,0.000000m3/s", max.MaxOutflow));
  lines.push_back(FormatNumber("  必要調節容量(V) =#,0.000m3", routing.maxLevelStorage));
  lines.push_back(FormatNumber("  水面積(F)       =#,0.000m2", routing.maxLevelArea));
  lines.push_back(FormatNumber("  余裕高さ        =#,0.000m", calc.Pond.MaxLevel - max.MaxLevel));
  lines.push_back("     (余裕高さ    =調節池の最高標高-最高水位)");
}

}  // namespace

void FillFloodRouting(const TRenzoku& calc, const FloodRouting& routing, const DesignForm& form,
                      ResultSheet& sheet) {
  sheet.SummaryList = {"計算中止"};
  sheet.RoutingText.clear();
  if (routing.outcome == kRoutingNotStarted) return;

  PrepareCharts(form, sheet);
  StringGrid& table = sheet.RoutingTable;
  ResetTableRows(table, routing.blockCount + 3);
  AddRoutingPoints(sheet, routing.inflow, routing.outflow, routing.level, RoutingPointLabels::None);
  for (const RoutingRow& row : routing.rows) {
    WriteRoutingRow(table, row.block + 1, row, SpillwayFlowText(row.spillwayFlow));
  }
  if (routing.outcome != kRoutingCompleted) return;

  WritePeakRow(routing, table);
  const RoutingMaxima& max = routing.maxima;
  SetRoutingChartRanges(sheet, calc.Routing.StartLevel, calc.Time.CalcDuration, max);
  AddRoutingPeakMarkers(sheet, max, "Qin=0.000m3/s", "Qout=0.000m3/s", "H=0.000m");
  DrawLevelMarkers(calc, series::kLevelCrest, series::kLevelLowerSill, sheet.LevelChart,
                   series::kLevelUpperSill, form);

  sheet.SummaryList.clear();
  AppendPeakSummary(sheet.SummaryList, max.MaxLevel, routing.maxLevelStorage, max.MaxInflow);
  sheet.SummaryList.push_back(FormatNumber("最大放流量  =#,0.000m3/s", max.MaxOutflow));
  WriteExplanation(calc, routing, sheet.RoutingText);
}
