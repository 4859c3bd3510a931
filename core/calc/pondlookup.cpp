#include "core/calc/pondlookup.h"

#include <cmath>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr char kAboveTableMessage[] =
    "標高データの範囲を超えました。\r\rＨＶ曲線の再検討が必要です。\r\r         計算を停止します。";
constexpr double kLevelTolerance = 0.0002;  // m, the accuracy of the storage-to-level inversion

int Rows(const HVcurve& pond) {
  return pond.Pond.RowCount < 0 ? 0 : std::min(pond.Pond.RowCount, kPondRowCapacity);
}

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The area at h, or nothing above the table (after the message).
std::optional<double> AreaAt(const HVcurve& pond, double h, UserInteraction& ui) {
  int n = Rows(pond);
  if (n == 0) return 0.0;
  const auto& H = pond.Pond.H;
  const auto& F = pond.Pond.F;
  if (h <= H[0]) return F[0];
  if (h == H[At(n - 1)]) return F[At(n - 1)];
  if (h > H[At(n - 1)]) {
    ui.ShowMessage(kAboveTableMessage);
    return std::nullopt;
  }
  for (int i = 0; i + 1 < n; ++i) {
    if (H[At(i)] <= h && h < H[At(i + 1)]) {
      return F[At(i)] + (F[At(i + 1)] - F[At(i)]) * (h - H[At(i)]) / (H[At(i + 1)] - H[At(i)]);
    }
  }
  return 0.0;
}

// The area at h when h lies in segment i, as AreaAt finds it there (segments of rising
// elevations do not overlap), without searching from the first row; otherwise AreaAt.
std::optional<double> AreaInSegment(const HVcurve& pond, int i, double h, UserInteraction& ui) {
  const auto& H = pond.Pond.H;
  const auto& F = pond.Pond.F;
  if (i + 1 < Rows(pond) && H[At(i)] <= h && h < H[At(i + 1)]) {
    return F[At(i)] + (F[At(i + 1)] - F[At(i)]) * (h - H[At(i)]) / (H[At(i + 1)] - H[At(i)]);
  }
  return AreaAt(pond, h, ui);
}

// Storage at h computed within segment i from `area`, the area at h, with the pond's formula.
double StorageFromArea(const HVcurve& pond, int i, double h, double area) {
  double lowerArea = pond.Pond.F[At(i)];
  double depth = h - pond.Pond.H[At(i)];
  if (pond.Pond.StorageFormula == 1) {
    return pond.Pond.V[At(i)] + (area + lowerArea + std::sqrt(area * lowerArea)) * depth / 3;
  }
  return pond.Pond.V[At(i)] + (area + lowerArea) * depth / 2;
}

// Storage at h computed within segment i from the area at h; nothing when that area fails.
std::optional<double> SegmentStorage(const HVcurve& pond, int i, double h, UserInteraction& ui) {
  std::optional<double> area = AreaInSegment(pond, i, h, ui);
  if (!area) return std::nullopt;
  return StorageFromArea(pond, i, h, *area);
}

// Whether the table continues above its last row along the top segment; a single row or a top
// segment without height continues as a vertical wall of the top row's area instead.
bool TopSegmentHasHeight(const HVcurve& pond, int n) {
  return n >= 2 && pond.Pond.H[At(n - 1)] > pond.Pond.H[At(n - 2)];
}

// The bracketing scan's trial level k of a segment: base + k·step, the tenth exactly its top.
double TrialLevel(const PondSegment& s, int k) { return k == 10 ? s.top : s.base + k * s.step; }

// Where the storage of one segment reaches a sought storage v, known well enough to tell on
// which side of it most trial levels lie without computing their storage.
//
// Inside a segment whose areas are positive and do not fall, the storage of either formula
// rises at least as fast as the lower row's area F: S(b) − S(a) ≥ F·(b − a). A root estimate r
// whose computed storage misses v by e, with every computed storage in the segment within ε of
// the exact one, puts every level h of the segment with |h − r|·F > e + 2ε strictly on one side:
// its computed residual v − S(h) has the sign of r − h. Levels nearer to r, and levels at or
// above the segment's top row (where the area lookup may take another row's area), are left to
// the caller to compute. Ponds outside this reasoning (falling or zero areas, magnitudes whose
// residuals could underflow in a product) get no shortcut at all.
class SegmentRoot {
 public:
  SegmentRoot(const HVcurve& pond, const PondSegment& segment, double v) {
    const PondSegment& s = segment;
    if (!(s.rootKnowable && v >= 1e-100 && v <= 1e100)) return;
    // The area rises by `slope` per metre; the segment's storage above V[i] at depth d is
    // F·d + slope·d²/2 by the average-end-area formula, which starts the search for either.
    const double sought = v - s.lowerStorage;
    // The storage at h from the area along the slope: another rounding of the lookup's own
    // interpolation, within the same error bound.
    auto storageAt = [&](double h) {
      return StorageFromArea(pond, s.index, h, s.lowerArea + s.slope * (h - s.base));
    };
    double depth = 2 * sought / (s.lowerArea + std::sqrt(s.lowerArea * s.lowerArea + 2 * s.slope * sought));
    if (pond.Pond.StorageFormula == 1) {
      // The frustum formula's storage grows with about the area at the level: Newton steps.
      for (int step = 0; step < 3; ++step) {
        double h = s.base + depth;
        depth -= (storageAt(h) - v) / (s.lowerArea + s.slope * depth);
      }
    }
    const double level = std::clamp(s.base + depth, s.base, s.top);
    if (!std::isfinite(level)) return;
    const double miss = std::fabs(v - storageAt(level));
    const double tolerance = (miss + 2 * s.storageError) * s.levelPerStorage + s.levelSlack;
    if (!std::isfinite(tolerance)) return;
    // The bounds are rounded once here instead of the difference h − level at every trial
    // level; either rounding is far inside the 10^−15 relative slack of the tolerance.
    m_estimate = level;
    m_below = level - tolerance;
    m_above = level + tolerance;
    m_top = s.top;
  }

  // Whether the shortcut applies to this segment at all.
  bool Known() const { return m_top > -kInfinity; }

  // The root estimate and the bounds below and above which every level's side is certain (m).
  double Estimate() const { return m_estimate; }
  double Below() const { return m_below; }
  double Above() const { return m_above; }

  // −1 or +1, the sign of the residual v − S(h) at trial level h of the segment when it is
  // certain; 0 when it must be computed.
  int ResidualSign(double h) const {
    if (!(h < m_top)) return 0;
    if (h > m_above) return -1;
    if (h < m_below) return 1;
    return 0;
  }

  // The first k of the bracketing scan's trial levels base + k·step (k = 1 … 9) whose residual
  // is not known to be positive; the scan would step over every earlier one. The trial levels
  // rise with k, and so does the residual's sign from +1 to 0 and −1, so the step below that
  // one being known positive vouches for all before it; the estimate only picks where to look.
  int FirstUncertainStep(const PondSegment& s) const {
    if (!Known()) return 1;
    double estimate = (m_below - s.base) * s.stepsPerMetre;  // truncated below where positive
    int k = estimate >= 9 ? 9 : estimate >= 1 ? static_cast<int>(estimate) : 1;
    while (k > 1 && ResidualSign(TrialLevel(s, k - 1)) != 1) --k;
    return k;
  }

 private:
  static constexpr double kInfinity = std::numeric_limits<double>::infinity();
  double m_estimate = 0;
  double m_below = 0;  // root estimate − tolerance
  double m_above = 0;  // root estimate + tolerance
  double m_top = -kInfinity;  // no level is below it: every sign is left to the caller
};

// The level of storage v (above V[i]) that the scan and the bisection reach when each of their
// trial levels takes its side from the root estimate alone, provided the estimate's window then
// vouches for every side taken: every trial level up to the bracket's lower end and every
// midpoint taken as the new lo lies below the window, the bracket's upper end and every midpoint
// taken as the new hi above it and below the top row. Those are then the sides computing their
// storages gives, so the level is the one of computing them. Nothing where it does not vouch,
// where the scan reaches the top row and its storage would have to be computed, or at the lower
// row's own storage, whose zero residual ends the inversion before any halving.
std::optional<double> LevelFromEstimate(const PondSegment& s, const SegmentRoot& root, double v) {
  if (!root.Known() || v == s.lowerStorage) return std::nullopt;
  const double estimate = root.Estimate();
  // The bracket: the first trial level above the estimate, looked for near where it must be.
  const double fromBase = (estimate - s.base) * s.stepsPerMetre;
  int k = fromBase >= 9 ? 10 : fromBase >= 0 ? static_cast<int>(fromBase) + 1 : 1;
  while (k > 1 && TrialLevel(s, k - 1) > estimate) --k;
  while (k < 10 && !(TrialLevel(s, k) > estimate)) ++k;
  const double hi = TrialLevel(s, k);
  if (!(hi < s.top && hi > estimate)) return std::nullopt;
  if (k > 1 && !(TrialLevel(s, k - 1) < root.Below())) return std::nullopt;

  const EstimatedBisection end = s.grid.Holds(hi) ? s.grid.Bisect(hi, estimate)
                                                  : BisectInDoubles(s.base, hi, estimate, kLevelTolerance);
  if (end.loMoved && !(end.highestLow < root.Below())) return std::nullopt;
  if (!(end.lowestHigh > root.Above())) return std::nullopt;
  return end.level;
}

// The level of storage v found by scanning and bisecting a segment whose storages bracket v.
// Most storages are settled by the root estimate alone; otherwise trial levels whose residual
// sign SegmentRoot knows are not computed and every other one is. Either way the trial levels,
// their order and the result are those of computing them all.
double LevelInSegment(const HVcurve& pond, const PondSegment& segment, double v, UserInteraction& ui) {
  const auto& P = pond.Pond;
  const int i = segment.index;
  const double base = segment.base;
  const double step = segment.step;
  if (!(step > 0)) return base;  // a segment without height holds its storage at its level
  const SegmentRoot root(pond, segment, v);
  if (std::optional<double> level = LevelFromEstimate(segment, root, v)) return *level;

  // Residual of a trial level; nothing when its area lies above the table.
  auto residual = [&](double h) -> std::optional<double> {
    std::optional<double> storage = SegmentStorage(pond, i, h, ui);
    if (!storage) return std::nullopt;
    return v - *storage;
  };

  // Bracket the root: trial levels H[i] + k·step, the tenth exactly H[i+1]; the scan goes on
  // above the segment while the residual stays at or above zero.
  double lo = base;
  double hi = base;
  for (int k = root.FirstUncertainStep(segment);; ++k) {
    hi = TrialLevel(segment, k);
    int sign = root.ResidualSign(hi);
    if (sign < 0) break;
    if (sign > 0) continue;
    std::optional<double> g = residual(hi);
    if (!g) return kAboveTableLevel;
    if (*g < 0 || std::isnan(*g)) break;
  }

  // Bisect until two successive midpoints agree within the tolerance. A trial level whose
  // residual is exactly zero is the root: the sign test below could not tell which side of it
  // to keep and would walk away from it. Where SegmentRoot applies, the residual at the lower
  // end stays positive and no product of two residuals underflows, so the product's sign test
  // is the sign of the midpoint's residual.
  double prev = hi;
  // The residual at the segment's lower row is v − V[i] exactly whatever its (finite) area.
  double gLo = v - P.V[At(i)];
  if (!root.Known()) {
    std::optional<double> g = residual(lo);
    if (!g) return kAboveTableLevel;
    gLo = *g;
  }
  if (gLo == 0) return lo;
  // While the midpoints' sides are known the bisection is a few comparisons per halving.
  while (true) {
    double mid = (lo + hi) / 2;
    int sign = root.ResidualSign(mid);
    if (sign == 0) break;  // computed below
    if (std::fabs(mid - prev) <= kLevelTolerance) return (mid + prev) / 2;
    prev = mid;
    // Selected without a branch: the side changes unpredictably from one halving to the next.
    hi = sign < 0 ? mid : hi;
    lo = sign > 0 ? mid : lo;
  }
  while (true) {
    double mid = (lo + hi) / 2;
    int sign = root.ResidualSign(mid);
    double gMid = sign;
    if (sign == 0) {
      std::optional<double> g = residual(mid);
      if (!g) return kAboveTableLevel;
      if (*g == 0) return mid;
      gMid = *g;
    }
    if (std::fabs(mid - prev) <= kLevelTolerance) return (mid + prev) / 2;
    prev = mid;
    if (root.Known() ? gMid < 0 : gLo * gMid < 0) {
      hi = mid;
    } else {
      lo = mid;
      gLo = gMid;
    }
  }
}

// The constants of segment i, rows i and i + 1. The scan's step is the tenth of the height that
// every trial level is counted in; the others only bound where the root lies.
PondSegment SegmentOf(const HVcurve& pond, int i) {
  const auto& P = pond.Pond;
  PondSegment s;
  s.index = i;
  s.base = P.H[At(i)];
  s.top = P.H[At(i + 1)];
  s.step = (s.top - s.base) / 10;
  s.lowerStorage = P.V[At(i)];
  s.lowerArea = P.F[At(i)];
  const double upperArea = P.F[At(i + 1)];
  auto moderate = [](double x) { return std::fabs(x) <= 1e100; };
  s.rootKnowable = moderate(s.base) && moderate(s.top) && moderate(s.lowerStorage) &&
                   moderate(upperArea) && s.lowerArea > 0 && upperArea >= s.lowerArea &&
                   s.top > s.base;
  if (!s.rootKnowable) return s;
  s.slope = (upperArea - s.lowerArea) / (s.top - s.base);
  constexpr double kUnit = 0x1p-53;
  s.storageError = 64 * kUnit * (std::fabs(s.lowerStorage) + 3 * (s.lowerArea + upperArea) * (s.top - s.base));
  s.levelPerStorage = 1.001 / s.lowerArea;
  s.levelSlack = 1e-15 * (std::fabs(s.base) + std::fabs(s.top));
  s.stepsPerMetre = 1 / s.step;
  s.grid = BisectionGrid(s.base, kLevelTolerance);
  return s;
}

// The level of storage v where no segment of the table needs searching: below the first row,
// at the last row's storage and above it; nothing when a segment brackets v.
std::optional<double> LevelOutsideSegments(const HVcurve& pond, double v) {
  int n = Rows(pond);
  if (n == 0) return 0.0;
  const auto& P = pond.Pond;
  int top = n - 1;
  if (v <= P.V[0]) return P.H[0];
  if (v == P.V[At(top)]) return P.H[At(top)];
  if (v > P.V[At(top)]) {
    if (TopSegmentHasHeight(pond, n)) {
      // A top segment whose storage does not rise holds no more water above its top row.
      if (!(P.V[At(top)] > P.V[At(top - 1)])) return kAboveTableLevel;
      return P.H[At(top)] + (P.H[At(top)] - P.H[At(top - 1)]) * (v - P.V[At(top)]) /
                                (P.V[At(top)] - P.V[At(top - 1)]);
    }
    return P.F[At(top)] > 0 ? P.H[At(top)] + (v - P.V[At(top)]) / P.F[At(top)] : P.H[At(top)];
  }
  return std::nullopt;
}

// Whether storage v lies in segment i, from V[i] up to but excluding V[i+1].
bool BracketsStorage(const HVcurve& pond, int i, double v) {
  return pond.Pond.V[At(i)] <= v && v < pond.Pond.V[At(i + 1)];
}

}  // namespace

double LevelToArea(const HVcurve& pond, double h, UserInteraction& ui) {
  return AreaAt(pond, h, ui).value_or(kAboveTableLevel);
}

double LevelToStorage(const HVcurve& pond, double h, UserInteraction& ui) {
  int n = Rows(pond);
  if (n == 0) return 0.0;
  const auto& P = pond.Pond;
  int top = n - 1;
  if (h <= P.H[0]) return P.V[0];
  if (h == P.H[At(top)]) return P.V[At(top)];
  if (h > P.H[At(top)]) {
    if (TopSegmentHasHeight(pond, n)) {
      return P.V[At(top)] + (P.V[At(top)] - P.V[At(top - 1)]) * (h - P.H[At(top)]) /
                                (P.H[At(top)] - P.H[At(top - 1)]);
    }
    return P.V[At(top)] + P.F[At(top)] * (h - P.H[At(top)]);
  }
  for (int i = 0; i < top; ++i) {
    if (P.H[At(i)] <= h && h < P.H[At(i + 1)]) return SegmentStorage(pond, i, h, ui).value_or(0.0);
  }
  return 0.0;
}

double StorageToLevel(const HVcurve& pond, double v, UserInteraction& ui) {
  if (std::optional<double> outside = LevelOutsideSegments(pond, v)) return *outside;
  for (int i = 0; i + 1 < Rows(pond); ++i) {
    if (BracketsStorage(pond, i, v)) return LevelInSegment(pond, SegmentOf(pond, i), v, ui);
  }
  return 0.0;
}

StorageToLevelLookup::StorageToLevelLookup(const HVcurve& pond) : m_pond(pond) {
  const int n = Rows(pond);
  bool storagesRise = n >= 2;
  for (int i = 0; i + 1 < n; ++i) {
    m_segments[At(i)] = SegmentOf(pond, i);
    if (!(pond.Pond.V[At(i + 1)] >= pond.Pond.V[At(i)])) storagesRise = false;
  }
  m_segmentFoundLastFirst = storagesRise;
}

double StorageToLevelLookup::operator()(double v, UserInteraction& ui) {
  // Rising storages bracket v in one segment at most, so the one found last may be tried first;
  // above the first row's storage no other branch of the lookup applies to it.
  const auto& V = m_pond.Pond.V;
  if (m_segmentFoundLastFirst && BracketsStorage(m_pond, m_lastSegment, v) && v > V[0]) {
    return LevelInSegment(m_pond, m_segments[At(m_lastSegment)], v, ui);
  }
  if (std::optional<double> outside = LevelOutsideSegments(m_pond, v)) return *outside;
  for (int i = 0; i + 1 < Rows(m_pond); ++i) {
    if (BracketsStorage(m_pond, i, v)) {
      m_lastSegment = i;
      return LevelInSegment(m_pond, m_segments[At(i)], v, ui);
    }
  }
  return 0.0;
}

double PondLookup(const HVcurve& pond, int mode, double x, UserInteraction& ui) {
  switch (mode) {
    case 1: return LevelToStorage(pond, x, ui);
    case 2: return StorageToLevel(pond, x, ui);
    case 3: return LevelToArea(pond, x, ui);
    default: return 0.0;
  }
}
