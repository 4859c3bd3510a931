#pragma once
/// The small drawing surface that the chart renderer draws on. The metafile writer and the
/// QPainter adapter implement it, so one renderer serves the windows, the printed pages and the
/// picture files. Coordinates are pixels of the target, x to the right, y downwards.

#include <span>
#include <string>
#include <string_view>

#include "results/chart.h"

struct CanvasPoint {
  double x = 0;
  double y = 0;
  bool operator==(const CanvasPoint&) const = default;
};

struct CanvasRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool operator==(const CanvasRect&) const = default;
};

enum class PenDash { Solid, Dash, Dot };

struct CanvasPen {
  ChartColour colour;
  double width = 1;  // px
  PenDash dash = PenDash::Solid;
  bool operator==(const CanvasPen&) const = default;
};

/// A font by its face name as the system names it ("ＭＳ 明朝"); the canvas maps the face to one
/// that the platform has.
struct CanvasFont {
  std::string face = "ＭＳ 明朝";
  double pixelSize = 12;  // px, the height of the em box
  bool bold = false;
  ChartColour colour;
  bool operator==(const CanvasFont&) const = default;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPen(const CanvasPen& pen) = 0;
  virtual void SetFont(const CanvasFont& font) = 0;
  /// A polyline through the points with the current pen; fewer than two points draw nothing.
  virtual void Polyline(std::span<const CanvasPoint> points) = 0;
  /// Fills the rectangle with a colour, without an outline.
  virtual void FillRect(const CanvasRect& rect, ChartColour colour) = 0;
  /// The outline of the rectangle with the current pen.
  virtual void Rectangle(const CanvasRect& rect) = 0;
  /// UTF-8 text in the current font, placed against the anchor by the two alignments.
  virtual void Text(CanvasPoint anchor, std::string_view text, HAlign h, VAlign v) = 0;
  /// The width in px that the text takes in the current font.
  virtual double TextWidth(std::string_view text) const = 0;
  /// Restricts drawing to the rectangle until ResetClip.
  virtual void Clip(const CanvasRect& rect) = 0;
  virtual void ResetClip() = 0;
};
