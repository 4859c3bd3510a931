#pragma once
/// The result window as data: its pages, tables, lists and charts as the last run left them.
/// The reports and the windows read the sheet; the fillers of a run write it.

#include <array>
#include <string>
#include <vector>

#include "core/design/stringgrid.h"
#include "results/chart.h"
#include "results/runfigures.h"

/// A list box: one text per line, replaced as a whole by its filler.
using TextList = std::vector<std::string>;

/// Series positions of the charts, in the order the charts hold them.
namespace series {
// Rating, stage–area and stage–storage charts.
inline constexpr int kCurve = 0, kCrestMarker = 1, kLowerSillMarker = 2, kUpperSillMarker = 3;
// Hyetograph chart.
inline constexpr int kIntensityCurve = 0, kBlockOutline = 1, kHyetographPeak = 2;
// Runoff chart.
inline constexpr int kHydrograph = 0, kRunoffPeak = 1;
// Inflow and outflow chart.
inline constexpr int kInflow = 0, kOutflow = 1, kInflowPeak = 2, kOutflowPeak = 3;
// Water-level chart.
inline constexpr int kLevel = 0, kLevelPeak = 1, kLevelCrest = 2, kLevelLowerSill = 3,
                     kLevelUpperSill = 4;
// Ponding chart.
inline constexpr int kPonding = 0;
}  // namespace series

class ResultSheet {
 public:
  /// A sheet with every table's widths and header rows, empty lists and the chart frames.
  ResultSheet();

  // Tables: two header rows (names, units), data from row 2.
  StringGrid StageTable;       // StringGrid2, "調節池データ" on "Ⅰ-1．設計条件"
  StringGrid IntensityTable;   // StringGrid5, "降雨強度(In)" on "Ⅱ-1．降雨強度"
  StringGrid HyetographTable;  // StringGrid1, "降雨波形(Q)：図" on "Ⅱ-2．降雨波形"
  StringGrid RunoffTable;      // StringGrid6, "流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(Q)：図" on "Ⅱ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ"
  StringGrid RoutingTable;     // StringGrid3, "表" on "Ⅲ-1．計算式、表"

  // Lists.
  TextList ContentsList;    // ListBox20, "総目次"
  TextList ConditionsList;  // ListBox5, "基本条件"
  TextList HyetographText;  // ListBox1, "算式" on "Ⅱ-1．降雨強度"
  TextList RoutingText;     // ListBox2, "算式" on "Ⅲ-1．計算式、表"
  TextList SummaryList;     // ListBox3, "計算結果概要"
  TextList CheckText;       // "検証": the water balance of the last completed run

  /// The numbers of the last completed run, for summaries of many runs and the check.
  RunFigures Figures;

  // Charts.
  Chart RatingChart;      // Chart8, H–Q on "Ⅰ-1．設計条件"
  Chart AreaChart;        // Chart5, H–F on "Ⅰ-2．水位～面積、容量曲線（図）"
  Chart StorageChart;     // Chart6, H–V on the same page
  Chart HyetographChart;  // Chart2, on "Ⅱ-2．降雨波形"
  Chart RunoffChart;      // Chart3, on "Ⅱ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ"
  Chart DischargeChart;   // Chart1, on "Ⅲ-2．放流量（図）"
  Chart LevelChart;       // Chart4, on "Ⅲ-3．水位（図）"
  Chart PondingChart;     // Chart7, on "Ⅲ-2．湛水グラフ"

  // The window's own state.
  bool Visible = false;
  int TopPage = 0;                  // 0 "Ⅰ．設計条件", 1 "Ⅱ．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ", 2 "Ⅲ．調節池計算"
  std::array<int, 3> SubPage{};     // the active sub-page of each top page
  int PondingLabelChoice = 0;       // "ラベル": 0 "表示", 1 "非表示"
  // Which sub-pages of "Ⅲ．調節池計算" are shown follows the form's ActiveCalcKind:
  // ViewForKind (core/design/designform.h) gives them, so they never lag behind the switching.

  /// Shows the window on its first page and first sub-page.
  void Show();
  void Hide() { Visible = false; }
  /// Changing the top page lands on its first sub-page.
  void SelectTopPage(int page);
  /// "ラベル" of the ponding chart: 0 shows the marks of its first series, 1 hides them; any
  /// other index does nothing.
  void ChoosePondingLabels(int index);
};

/// The filling convention of every table: the old data rows (row 2 to the last) are emptied,
/// then the row count is set; the filler then writes its rows from row 2.
void ResetTableRows(StringGrid& table, int rowCount);
