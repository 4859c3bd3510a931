#pragma once
/// The limits on the work of one run. Reading refuses a design beyond them as an item error of
/// the field to change, so that every accepted design completes with its reports in a few
/// seconds and well under a gigabyte. No real design comes near them: a 7-day storm at the
/// 0.5-minute pitch takes 20 160 steps.

/// Rows of a result table: rain blocks of the hyetograph, and blocks of the routing or of the
/// water-level tracking ("降雨継続時間", "計算時間").
inline constexpr double kMaxTableRows = 50000;

/// Steps of the routing or of one pump run ("計算時間"): 100 000 minutes at the 0.5-minute
/// pitch.
inline constexpr double kMaxRunSteps = 200000;

/// Pump sizes of a pump study, 0.2 m³/s apart ("ポンプ規模"): a range of 99.8 m³/s.
inline constexpr double kMaxPumpSizes = 500;
