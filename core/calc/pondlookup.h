#pragma once
/// Level–storage–area lookups on the pond table of one calculation.
///
/// Inside a table segment the storage is recomputed from the areas with the pond's storage
/// formula (average end area or frustum), starting from the storage of the segment's lower row,
/// so the lookups agree with the way the table's storages were computed. They work on the fixed
/// 30-row arrays, search linearly from row 0 and allocate nothing. The elevations and storages
/// are expected not to fall from row to row (the pond reader refuses tables where they do).

#include <array>

#include "core/calc/estimatedbisection.h"
#include "core/calc/trenzoku.h"
#include "core/interaction/userinteraction.h"

/// The level that the area lookup returns above the table; callers test for < −99990.
inline constexpr double kAboveTableLevel = -99999.0;

/// Whether a level from StorageToLevel is the failure value rather than a level.
inline bool IsLookupFailure(double level) { return level < -99990.0; }

/// The elevation (m) of the pond table's top row; the table must have a row.
inline double TopRowLevel(const HVcurve& pond) {
  int top = (pond.Pond.RowCount < kPondRowCapacity ? pond.Pond.RowCount : kPondRowCapacity) - 1;
  return pond.Pond.H[static_cast<std::size_t>(top < 0 ? 0 : top)];
}

/// Water-surface area (m²) at level `h` (m), linear between rows; F[0] at or below the first
/// row. Above the last row it shows "標高データの範囲を超えました。…計算を停止します。" and
/// returns kAboveTableLevel.
double LevelToArea(const HVcurve& pond, double h, UserInteraction& ui);

/// Storage (m³) at level `h` (m): V[0] at or below the first row; linear extrapolation along the
/// top segment above the last row (a vertical wall of the top row's area when the top segment
/// has no height, as for a single-row table).
double LevelToStorage(const HVcurve& pond, double h, UserInteraction& ui);

/// Level (m) of storage `v` (m³), the inverse of LevelToStorage within 0.0002 m: H[0] at or
/// below V[0]; extrapolated above the last row as LevelToStorage is. No level holds a storage
/// above the last row when the top segment's storage does not rise: that gives kAboveTableLevel
/// without a message. A level sought inside the table whose bracketing scan leaves the table
/// gives kAboveTableLevel as well (with the area lookup's message).
double StorageToLevel(const HVcurve& pond, double v, UserInteraction& ui);

/// What the storage-to-level inversion of table segment `index` (rows index and index + 1) needs
/// besides the storage sought.
struct PondSegment {
  int index = 0;
  double base = 0;          // H[index] (m)
  double top = 0;           // H[index + 1] (m)
  double step = 0;          // the bracketing scan's step, a tenth of the segment's height (m)
  double lowerStorage = 0;  // V[index] (m³)
  double lowerArea = 0;     // F[index] (m²)
  // Whether the areas are positive and do not fall, the magnitudes are moderate and the segment
  // has height: then the root's whereabouts spare most trial levels, and the rest is set.
  bool rootKnowable = false;
  double slope = 0;            // rise of the area per metre (m²/m)
  double storageError = 0;     // bound on the rounding of any storage computed in the segment (m³)
  double levelPerStorage = 0;  // 1.001 / F[index]: a storage margin as a level margin (m/m³)
  double levelSlack = 0;       // 10⁻¹⁵ of the segment's elevations (m)
  double stepsPerMetre = 0;    // 1 / step
  BisectionGrid grid;          // the bisection's integers, for segments above level zero
};

/// StorageToLevel for the many storages of one pond that a routing or pump run seeks: each
/// segment's constants are worked out once, and the segment found last is tried first. Every
/// result and message is StorageToLevel's. The pond must outlive it unchanged.
class StorageToLevelLookup {
 public:
  explicit StorageToLevelLookup(const HVcurve& pond);

  double operator()(double v, UserInteraction& ui);

 private:
  const HVcurve& m_pond;
  std::array<PondSegment, kPondRowCapacity - 1> m_segments{};
  // Two rows at least, and V never falls from row to row: one segment brackets a storage.
  bool m_segmentFoundLastFirst = false;
  int m_lastSegment = 0;
};

/// The lookups by mode number: 1 LevelToStorage, 2 StorageToLevel, 3 LevelToArea; any other
/// mode gives 0.
double PondLookup(const HVcurve& pond, int mode, double x, UserInteraction& ui);
