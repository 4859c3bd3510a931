#include "core/calc/pondlookup.h"

#include <cmath>
#include <algorithm>
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

// Storage at h computed within segment i from the area at h; nothing when that area fails.
std::optional<double> SegmentStorage(const HVcurve& pond, int i, double h, UserInteraction& ui) {
  std::optional<double> area = AreaInSegment(pond, i, h, ui);
  if (!area) return std::nullopt;
  double lowerArea = pond.Pond.F[At(i)];
  double depth = h - pond.Pond.H[At(i)];
  if (pond.Pond.StorageFormula == 1) {
    return pond.Pond.V[At(i)] + (*area + lowerArea + std::sqrt(*area * lowerArea)) * depth / 3;
  }
  return pond.Pond.V[At(i)] + (*area + lowerArea) * depth / 2;
}

// Whether the table continues above its last row along the top segment; a single row or a top
// segment without height continues as a vertical wall of the top row's area instead.
bool TopSegmentHasHeight(const HVcurve& pond, int n) {
  return n >= 2 && pond.Pond.H[At(n - 1)] > pond.Pond.H[At(n - 2)];
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
  for (int i = 0; i < top; ++i) {
    if (!(P.V[At(i)] <= v && v < P.V[At(i + 1)])) continue;
    double base = P.H[At(i)];
    double step = (P.H[At(i + 1)] - base) / 10;
    if (!(step > 0)) return base;  // a segment without height holds its storage at its level

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
    for (int k = 1;; ++k) {
      hi = k == 10 ? P.H[At(i + 1)] : base + k * step;
      std::optional<double> g = residual(hi);
      if (!g) return kAboveTableLevel;
      if (*g < 0 || std::isnan(*g)) break;
    }

    // Bisect until two successive midpoints agree within the tolerance. A trial level whose
    // residual is exactly zero is the root: the sign test below could not tell which side of it
    // to keep and would walk away from it.
    double prev = hi;
    std::optional<double> gLo = residual(lo);
    if (!gLo) return kAboveTableLevel;
    if (*gLo == 0) return lo;
    while (true) {
      double mid = (lo + hi) / 2;
      std::optional<double> gMid = residual(mid);
      if (!gMid) return kAboveTableLevel;
      if (*gMid == 0) return mid;
      if (std::fabs(mid - prev) <= kLevelTolerance) return (mid + prev) / 2;
      prev = mid;
      if (*gLo * *gMid < 0) {
        hi = mid;
      } else {
        lo = mid;
        gLo = gMid;
      }
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
