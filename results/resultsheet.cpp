#include "results/resultsheet.h"

namespace {

StringGrid Table(std::vector<int> widths, std::string_view names, std::string_view units) {
  StringGrid table(static_cast<int>(widths.size()), 2);
  table.ColWidths = std::move(widths);
  table.SetRowFromCommaText(0, names);
  table.SetRowFromCommaText(1, units);
  // The header texts are comma lists whose empty items leave their cells empty.
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < table.ColCount(); ++col) {
      if (table.Cell(col, row) == " ") table.SetCell(col, row, "");
    }
  }
  return table;
}

ChartSeries Series(ChartSeries::Kind kind, std::string title, ChartColour colour,
                   bool marksVisible = false, bool inLegend = false) {
  ChartSeries s;
  s.kind = kind;
  s.title = std::move(title);
  s.colour = colour;
  s.marksVisible = marksVisible;
  s.inLegend = inLegend;
  return s;
}

ChartSeries Line(ChartColour colour, bool marks = false) {
  return Series(ChartSeries::Kind::Line, "", colour, marks);
}

Chart Frame(std::string title, std::string bottomTitle, std::string bottomFormat,
            std::string leftTitle, std::string leftFormat) {
  Chart chart;
  chart.title = std::move(title);
  chart.bottom.title = std::move(bottomTitle);
  chart.bottom.format = std::move(bottomFormat);
  chart.left.title = std::move(leftTitle);
  chart.left.format = std::move(leftFormat);
  return chart;
}

// The rating charts: a red curve and three marker lines whose labels show.
Chart RatingFrame(std::string title, std::string bottomTitle, std::string bottomFormat,
                  std::string leftTitle, std::string leftFormat) {
  Chart chart = Frame(std::move(title), std::move(bottomTitle), std::move(bottomFormat),
                      std::move(leftTitle), std::move(leftFormat));
  chart.series = {Line(ChartColour::Red()), Line(ChartColour::Green(), true),
                  Line(ChartColour::Yellow(), true), Line(ChartColour::Blue(), true)};
  return chart;
}

}  // namespace

ResultSheet::ResultSheet()
    : StageTable(Table({47, 60, 70}, "標高(H),面積(F),貯水量(V)", "(m),(m2),(m3)")),
      IntensityTable(Table({20, 40, 40, 45, 55, 50}, "-,n･Δt,時間,r,n･rn,In",
                           "No,分,時:分,(mm/hr),,(mm/hr)")),
      HyetographTable(Table({20, 35, 35, 60}, "-,時間,時間,降雨波形", "No,分,時:分,(mm/hr)")),
      RunoffTable(Table({20, 35, 35, 60, 60}, "-,時間,時間,降雨波形,流出量",
                        "No,分,時:分,(mm/hr),(m3/s)")),
      RoutingTable(Table({25, 35, 35, 40, 40, 40, 40, 55, 55},
                         "-,時間,時間,流入量,放流量,放流量',水位,面積,容量",
                         "No,分,時:分,(m3/s),(m3/s),(m3/s),(m),F(m2),V(m3)")),
      RatingChart(RatingFrame("ｵﾘﾌｨｽ：水位（H）～放流量（Q）曲線", "Q：放流量（m3/秒）", "#,##0.0",
                              "H：水位（m）", "#,##0.0")),
      AreaChart(RatingFrame("水位（H）～面積（F）　曲線", "Ｆ：調節池面積（ｍ2）", "",
                            "Ｈ：水位（ｍ）", "#,##0.00")),
      StorageChart(RatingFrame("水位（Ｈ）～容量（Ｖ）　曲線", "Ｖ：調節池容量（ｍ3）", "",
                               "Ｈ：水位（ｍ）", "#,##0.00")),
      HyetographChart(Frame("降雨波形(ハイエトグラフ)", "時間(分)", "", "降雨強度（mm/ｈr）", "#,##0")),
      RunoffChart(Frame("流出ハイドログラフ", "時間(分)", "", "流量（ｍ3/S）", "#,##0.000")),
      DischargeChart(Frame("時間～流入量、放流量", "時間（分）", "", "流量（ｍ3/S）", "#,##0.000")),
      LevelChart(Frame("時間～水位", "時間（分）", "", "水位（ｍ）", "#,##0.000")),
      PondingChart(Frame("内水計算結果", "ポンプ規模(m3/S)", "", "ピーク湛水位(m)", "#,##0.000")) {
  for (StringGrid* table :
       {&StageTable, &IntensityTable, &HyetographTable, &RunoffTable, &RoutingTable}) {
    table->DefaultRowHeight = 15;
  }
  HyetographChart.series = {Line(ChartColour::Red()), Line(ChartColour::Green()),
                            Line(ChartColour::Yellow(), true)};
  RunoffChart.left.minorTickCount = 5;
  RunoffChart.series = {Line(ChartColour::Red()), Line(ChartColour::Green(), true)};
  using Kind = ChartSeries::Kind;
  DischargeChart.legendVisible = true;
  DischargeChart.series = {Series(Kind::FastLine, "流入量", ChartColour::Green(), false, true),
                           Series(Kind::FastLine, "放流量", ChartColour::Red(), false, true),
                           Line(ChartColour::Yellow(), true), Line(ChartColour::Blue(), true)};
  LevelChart.legendVisible = true;
  LevelChart.series = {Series(Kind::FastLine, "水　位", ChartColour::Red(), false, true),
                       Line(ChartColour::Green(), true), Line(ChartColour::Yellow(), true),
                       Line(ChartColour::Blue(), true), Line(ChartColour::Gray(), true)};
  PondingChart.series = {Series(Kind::FastLine, "", ChartColour::Red(), true)};
  PondingChart.series[series::kPonding].markText = ChartSeries::MarkText::Value;
}

void ResultSheet::Show() {
  TopPage = 0;
  SubPage[0] = 0;
  Visible = true;
}

void ResultSheet::SelectTopPage(int page) {
  if (page < 0 || page >= static_cast<int>(SubPage.size())) return;
  TopPage = page;
  SubPage[static_cast<std::size_t>(page)] = 0;
}

void ResultSheet::ChoosePondingLabels(int index) {
  if (index != 0 && index != 1) return;
  PondingLabelChoice = index;
  PondingChart.series[series::kPonding].marksVisible = index == 0;
}

void ResetTableRows(StringGrid& table, int rowCount) {
  for (int row = 2; row < table.RowCount(); ++row) {
    for (int col = 0; col < table.ColCount(); ++col) table.SetCell(col, row, "");
  }
  table.SetRowCount(rowCount);
}
