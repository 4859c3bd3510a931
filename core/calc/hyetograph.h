#pragma once
/// The design hyetograph and its runoff: equal rain blocks of one time of concentration each,
/// with their intensities from the intensity formula, a constant or observed values, placed in
/// time by the rainfall waveform, each carrying its runoff.

#include <cstdint>

#include "core/calc/runlimits.h"
#include "core/calc/trenzoku.h"
#include "core/design/stringgrid.h"

/// The most rain blocks a design hyetograph may have; reading refuses longer durations.
inline constexpr double kMaxRainBlocks = kMaxTableRows;

/// What the charts need besides the series: the largest block intensity (mm/hr) and runoff
/// (m³/s), both at least 0, and the time (min) at which the peak markers stand.
struct HyetographPeaks {
  double PeakIntensity = 0;
  double PeakInflow = 0;
  double PeakTime = 0;
};

/// Formula or constant rain: N = Ceil(D/Δt) + 1 time points, block intensities
/// I_n = n·r_n − (n−1)·r_(n−1) with their runoff, arranged by `Rain.Waveform` and sorted by
/// time. Fills `Rain.PointCount`, `Rain.Curve`, `Rain.Hyetograph` and `Time.HyetographLength`
/// ((N−1)·Δt). Expects a positive duration and time of concentration.
HyetographPeaks BuildDesignHyetograph(TRenzoku& calc);

/// Observed rain: the blocks are the data rows of the observed-intensity grid (its third
/// column, in grid order, no arrangement), Δt apart; `Time.HyetographLength` is the rain
/// duration. The peak time is the end of the first block of largest intensity. Throws
/// ConversionError for an intensity cell that is not a number (a blank cell reads as "").
HyetographPeaks BuildObservedHyetograph(TRenzoku& calc, const StringGrid& observed);

/// Sorts the columns of the hyetograph by time, moving t, I and Q together; among equal times
/// the later column comes first.
void SortHyetographByTime(RainHyetograph& table);

/// +1 for odd k, −1 for even k (0 counts as even).
int AlternatingSign(int k);
