#include "charts/polylineclip.h"

#include <cmath>
#include <optional>
#include <utility>

namespace {

bool Finite(CanvasPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Liang–Barsky: the part of segment a→b inside the box, if any.
std::optional<std::pair<CanvasPoint, CanvasPoint>> ClipSegment(CanvasPoint a, CanvasPoint b,
                                                               const CanvasRect& box) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double enter = 0;
  double leave = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - box.left, box.right() - a.x, a.y - box.top, box.bottom() - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  if (enter > leave) return std::nullopt;
  // Ends inside the box are kept exactly, so that the pieces of a polyline join up.
  return std::pair{enter == 0 ? a : CanvasPoint{a.x + enter * dx, a.y + enter * dy},
                   leave == 1 ? b : CanvasPoint{a.x + leave * dx, a.y + leave * dy}};
}

}  // namespace

std::vector<std::vector<CanvasPoint>> ClipPolyline(std::span<const CanvasPoint> points,
                                                   const CanvasRect& box) {
  std::vector<std::vector<CanvasPoint>> pieces;
  std::vector<CanvasPoint> piece;
  const auto finish = [&] {
    if (piece.size() >= 2) pieces.push_back(std::move(piece));
    piece.clear();
  };
  for (std::size_t i = 1; i < points.size(); ++i) {
    const CanvasPoint a = points[i - 1];
    const CanvasPoint b = points[i];
    const auto inside = Finite(a) && Finite(b) ? ClipSegment(a, b, box) : std::nullopt;
    if (!inside) {
      finish();
      continue;
    }
    if (piece.empty() || !(piece.back() == inside->first)) {
      finish();
      piece.push_back(inside->first);
    }
    piece.push_back(inside->second);
    // A segment that leaves the box ends its piece; the next one starts afresh where it enters.
    if (!(inside->second == b)) finish();
  }
  finish();
  return pieces;
}
