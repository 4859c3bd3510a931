#include "reports/printlayouts.h"

#include "reports/drawkekka.h"
#include "reports/tablelayout.h"

namespace {

constexpr double kPageLabelTop = 1072;
constexpr double kStageTableScreenWidth = 200;  // the stage table control in the result window

struct PageTitle {
  explicit PageTitle(std::string text_, double left_ = 16, double top_ = 14,
                     double pixels_ = page::kTitlePixels, std::string productLabel_ = {})
      : text(std::move(text_)), left(left_), top(top_), pixels(pixels_),
        productLabel(std::move(productLabel_)) {}

  std::string text;
  double left, top, pixels;
  std::string productLabel;  // at (488, 22) in the band when not empty
};

PrintedPage TextPage(const PageTitle& title) {
  PageBand band;
  band.kind = PageBand::Kind::Title;
  band.box = {page::kLeft, page::kTop, page::kWidth, page::kTitleBandHeight};
  band.edges.bottom = true;
  band.texts.push_back({title.text, page::kLeft + title.left, page::kTop + title.top, 0,
                        title.pixels});
  if (!title.productLabel.empty()) {
    band.texts.push_back({title.productLabel, page::kLeft + 488, page::kTop + 22, 0,
                          page::kLabelPixels});
  }
  PrintedPage page;
  page.bands.push_back(std::move(band));
  return page;
}

PrintLayout SinglePage(const PageTitle& title, PrintedPage page) {
  PrintLayout layout;
  layout.title = title.text;
  layout.pages.push_back(std::move(page));
  return layout;
}

void AddPageLabel(PrintedPage& page, const char* label, double left) {
  page.texts.push_back({label, left, kPageLabelTop});
}

void AddMemo(PrintedPage& page, double left, double top, const TextList& lines,
             double pixels = page::kTextPixels) {
  PageMemo memo;
  memo.left = left;
  memo.top = top;
  memo.pixels = pixels;
  FillMemo(lines, memo);
  page.memos.push_back(std::move(memo));
}

struct ChartTitles {
  const char* title;
  const char* bottom;
  const char* left;
};

// A page chart with the page's own titles and as many series as the result chart; the first
// `curves` series draw the curves without marks, the later ones show their point labels.
PageChart& AddChart(PrintedPage& page, const Chart& source, const ChartTitles& titles,
                    CanvasRect box, std::size_t curves) {
  PageChart pageChart;
  Chart& chart = pageChart.chart;
  chart.title = titles.title;
  chart.bottom.title = titles.bottom;
  chart.bottom.format = source.bottom.format;
  chart.left.title = titles.left;
  chart.left.format = source.left.format;
  for (std::size_t i = 0; i < source.series.size(); ++i) {
    ChartSeries series;
    series.kind = source.series[i].kind;
    series.markText = source.series[i].markText;
    series.marksVisible = i >= curves;
    chart.series.push_back(std::move(series));
  }
  CopyChart(source, chart);
  pageChart.box = box;
  pageChart.style.bevel = true;
  pageChart.style.legendPlace = ChartStyle::LegendPlace::Bottom;
  page.charts.push_back(std::move(pageChart));
  return page.charts.back();
}

void ShowInLegend(PageChart& pageChart, std::size_t position, const char* name) {
  pageChart.chart.legendVisible = true;
  pageChart.chart.series[position].title = name;
  pageChart.chart.series[position].inLegend = true;
}

PrintLayout Contents(const ResultSheet& sheet) {
  const PageTitle title{"目　　次", 304, 12, 19};
  PrintedPage page = TextPage(title);
  AddMemo(page, 272, 176, sheet.ContentsList, 16);
  return SinglePage(title, std::move(page));
}

PrintLayout Conditions(const ResultSheet& sheet) {
  const PageTitle title{"Ⅰ-1．設計条件", 16, 14, page::kTitlePixels, "ソレムナ Ver2.6"};
  PrintedPage page = TextPage(title);
  AddMemo(page, 120, 96, sheet.ConditionsList);
  page.texts.push_back({"[表1]：調節池データ", 470, 192});
  page.grids.push_back(DrawGridChart(sheet.StageTable, kStageTableScreenWidth, 470, 210));
  AddPageLabel(page, "P1", 416);
  return SinglePage(title, std::move(page));
}

PrintLayout ConditionCharts(const ResultSheet& sheet) {
  const PageTitle title{"Ⅰ-2．設計条件(図)"};
  PrintedPage page = TextPage(title);
  AddMemo(page, 96, 96, {"１．H～Q曲線", "", "　　オリフィスの水位(H)～放流量(Q)曲線を示す。"});
  AddChart(page, sheet.RatingChart, {"水位(H)～放流量(Q)曲線", "放流量（m3/s）", "水位（ｍ）"},
           {160, 150, 540, 270}, 1);
  AddMemo(page, 96, 440,
          {"2.H～FV曲線", "",
           "　調節池データから、水位(H)～面積(F)、及び水位(H)～容量(V)のグラフを示す。"});
  AddChart(page, sheet.AreaChart, {"水位(H)～面積(F)曲線", "調節池 面積（m2）", "水位（ｍ）"},
           {160, 502, 540, 270}, 1);
  AddChart(page, sheet.StorageChart, {"水位(H)～容量(V)曲線", "調節池容量（m3）", "水位（ｍ）"},
           {160, 782, 540, 270}, 1);
  AddPageLabel(page, "P2", 440);
  return SinglePage(title, std::move(page));
}

// A page that holds one list of the sheet under its title, and its page label.
PrintLayout ListPage(const char* titleText, const TextList& lines, double left,
                     const char* label, double labelLeft) {
  const PageTitle title{titleText};
  PrintedPage page = TextPage(title);
  AddMemo(page, left, 96, lines);
  AddPageLabel(page, label, labelLeft);
  return SinglePage(title, std::move(page));
}

PrintLayout Hydrograph(const ResultSheet& sheet) {
  return ListPage("Ⅱ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算", sheet.HyetographText, 114, "P3", 400);
}

PrintLayout HydrographCharts(const ResultSheet& sheet) {
  const PageTitle title{"Ⅱ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(図)"};
  PrintedPage page = TextPage(title);
  page.texts.push_back({"図１．降雨波形(ハイエトグラフ)", 104, 96});
  AddChart(page, sheet.HyetographChart,
           {"降雨波形(ハイエトグラフ)", "時間（分）", "降雨強度（mm/ｈr）"}, {104, 127, 617, 400},
           2);
  page.texts.push_back({"図２．流出ハイドログラフ", 104, 592});
  AddChart(page, sheet.RunoffChart, {"流出ハイドログラフ", "時間（分）", "流量（m3/S）"},
           {104, 631, 617, 400}, 1);
  AddPageLabel(page, "P4", 400);
  return SinglePage(title, std::move(page));
}

PrintLayout Routing(const ResultSheet& sheet) {
  return ListPage("Ⅲ-1．調節池計算", sheet.RoutingText, 96, "P5", 408);
}

PrintLayout Ponding(const ResultSheet& sheet, const DesignForm& form) {
  const PageTitle title{"Ⅲ-1．湛水計算"};
  PrintedPage page = TextPage(title);
  AddMemo(page, 96, 104, sheet.RoutingText);
  PageChart& chart = AddChart(page, sheet.PondingChart,
                              {"内水計算結果", "ポンプ規模(m3/S)", "ピーク湛水位(m)"},
                              {120, 580, 569, 363}, 1);
  if (form.OutputColour == 0) chart.style.titleColour = ChartColour::Blue();
  if (form.OutputColour == 1) chart.style.titleColour = ChartColour::Black();
  AddPageLabel(page, "P5", 416);
  return SinglePage(title, std::move(page));
}

PrintLayout RoutingCharts(const ResultSheet& sheet) {
  const PageTitle title{"Ⅲ-2．調節池計算(図)"};
  PrintedPage page = TextPage(title);
  AddMemo(page, 104, 96,
          {"Ⅲ-2：調節池計算結果を図示する。", "", "　　　図１は、時間～流入量(I)、放流量(Q)",
           "　　　図２は、時間～水位(H)", "　　　を示す。"});
  page.texts.push_back({"図１．時間～流入量(I)、放流量(Q)", 104, 184});
  PageChart& discharge =
      AddChart(page, sheet.DischargeChart, {"時間～流入量、放流量", "時間（分）", "流量（ｍ3/S）"},
               {104, 219, 617, 342}, 2);
  ShowInLegend(discharge, series::kInflow, "流入量");
  ShowInLegend(discharge, series::kOutflow, "放流量");
  page.texts.push_back({"図２．時間～水位(H)", 104, 624});
  PageChart& level = AddChart(page, sheet.LevelChart, {"時間～水位", "時間（分）", "水位（ｍ）"},
                              {104, 662, 617, 342}, 1);
  ShowInLegend(level, series::kLevel, "水　位");
  AddPageLabel(page, "P6", 408);
  return SinglePage(title, std::move(page));
}

using Box = TableLayoutPlan::DetailBox;
constexpr Box kTimeBox{146, 45, HAlign::Centre};

PrintLayout Table1(const ResultSheet& sheet) {
  return BuildTableLayout(
      {"Ⅳ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表1：降雨強度)", {},
       {"n", "n･Δt(分)", "時：分", "r(mm/hr)", "n･rn", "In(mm/hr)"},
       {37, 113, 227, 378, 529},
       {{7, 25}, {55, 41}, kTimeBox, {273, 57}, {425, 57}, {578, 57}}, "表1 -", 280},
      sheet.IntensityTable);
}

PrintLayout Table2(const ResultSheet& sheet) {
  return BuildTableLayout(
      {"Ⅳ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表2：降雨波形:ﾊｲｴﾄｸﾞﾗﾌ)", {},
       {"n", "n･Δt(分)", "時：分", "降雨波形(mm/hr)", "摘要"}, {37, 113, 227, 378},
       {{7, 25}, {55, 41}, kTimeBox, {273, 57}}, "表2 -", 288},
      sheet.HyetographTable);
}

PrintLayout Table3(const ResultSheet& sheet) {
  return BuildTableLayout(
      {"Ⅳ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表3：流出量)", {},
       {"n", "分", "時：分", "降雨波形(mm/hr)", "流出量(m3/s)", "摘要"}, {37, 113, 227, 378, 529},
       {{7, 25}, {55, 41}, kTimeBox, {273, 57}, {425, 57}}, "表3 -", 288},
      sheet.RunoffTable);
}

PrintLayout Table4(const ResultSheet& sheet, const DesignForm& form) {
  const KindDependentView view = ViewForKind(form.ActiveCalcKind);
  return BuildTableLayout(
      {view.table4ReportTitle,
       {{"放流量=Qo+QL、放流量'=QL", 394, 8}, {"ここに　Qo：ｵﾘﾌｨｽ放流量、QL：余水吐き放流量", 408, 24}},
       {"n", "分", "時：分", "流入量(m3/s)", "放流量(m3/s)", "放流量'(m3/s)", "水位(m)", "面積(m2)",
        "容量(m3)"},
       {30, 85, 142, 235, 333, 434, 510, 593},
       {{1, 25}, {36, 41}, {94, 45, HAlign::Centre}, {162, 57}, {254, 57}, {358, 57}, {446, 57},
        {530, 57}, {610, 64}},
       view.table4PagePrefix, 304},
      sheet.RoutingTable);
}

}  // namespace

std::optional<PrintLayoutId> RoutingLayoutForKind(int calcKind) {
  if (calcKind == 0 || calcKind == 1) return PrintLayoutId::Routing;
  if (calcKind == 2) return PrintLayoutId::Ponding;
  return std::nullopt;
}

std::vector<PrintLayoutId> PrintAllLayouts(int calcKind) {
  using enum PrintLayoutId;
  std::vector<PrintLayoutId> layouts{Contents, Conditions, ConditionCharts, Hydrograph,
                                     HydrographCharts};
  if (std::optional<PrintLayoutId> routing = RoutingLayoutForKind(calcKind)) {
    layouts.push_back(*routing);
  }
  if (calcKind == 0 || calcKind == 1) layouts.push_back(RoutingCharts);
  layouts.insert(layouts.end(), {Table1, Table2, Table3, Table4});
  return layouts;
}

PrintLayout BuildPrintLayout(PrintLayoutId id, const ResultSheet& sheet, const DesignForm& form) {
  switch (id) {
    case PrintLayoutId::Contents: return Contents(sheet);
    case PrintLayoutId::Conditions: return Conditions(sheet);
    case PrintLayoutId::ConditionCharts: return ConditionCharts(sheet);
    case PrintLayoutId::Hydrograph: return Hydrograph(sheet);
    case PrintLayoutId::HydrographCharts: return HydrographCharts(sheet);
    case PrintLayoutId::Routing: return Routing(sheet);
    case PrintLayoutId::Ponding: return Ponding(sheet, form);
    case PrintLayoutId::RoutingCharts: return RoutingCharts(sheet);
    case PrintLayoutId::Table1: return Table1(sheet);
    case PrintLayoutId::Table2: return Table2(sheet);
    case PrintLayoutId::Table3: return Table3(sheet);
    case PrintLayoutId::Table4: return Table4(sheet, form);
  }
  return {};
}

PrintLayout BuildEstimateLayout(const TextList& lines) {
  const PageTitle title{"調節池容量の計算(簡便法)", 216, 14, page::kTitlePixels, "ソレムナ Ver2.5"};
  PrintedPage page = TextPage(title);
  AddMemo(page, 120, 96, lines);
  return SinglePage(title, std::move(page));
}
