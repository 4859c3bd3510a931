#pragma once
/// The size each chart has on screen: the result window and the intensity curve window lay
/// their charts out at these sizes, and the picture files of the charts default to them.

struct ChartSize {
  int width = 0;   // px
  int height = 0;  // px
  bool operator==(const ChartSize&) const = default;
};

// "Ⅰ-1．設計条件": beside the contents, the conditions and the stage table.
inline constexpr ChartSize kRatingChartSize{520, 360};
// "Ⅰ-2．水位～面積、容量曲線（図）": the two charts side by side.
inline constexpr ChartSize kAreaChartSize{480, 420};
inline constexpr ChartSize kStorageChartSize{480, 420};
// "Ⅱ-2．降雨波形" and "Ⅱ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ": beside their tables.
inline constexpr ChartSize kHyetographChartSize{640, 440};
inline constexpr ChartSize kRunoffChartSize{640, 440};
// "Ⅲ-2．放流量（図）", "Ⅲ-3．水位（図）" and "Ⅲ-2．湛水グラフ": the whole page.
inline constexpr ChartSize kDischargeChartSize{900, 540};
inline constexpr ChartSize kLevelChartSize{900, 540};
inline constexpr ChartSize kPondingChartSize{900, 540};
// The window "降雨強度曲線図".
inline constexpr ChartSize kIntensityCurveChartSize{600, 400};
