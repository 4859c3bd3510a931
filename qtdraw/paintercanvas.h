#pragma once
/// The chart canvas on a QPainter: the windows, printing and the PNG and SVG files draw
/// charts through it.

#include <QFont>

#include "charts/canvas.h"

class QPainter;

class PainterCanvas final : public Canvas {
 public:
  /// Draws on `painter`, which must stay active while the canvas is used.
  explicit PainterCanvas(QPainter& painter);

  void SetPen(const CanvasPen& pen) override;
  void SetFont(const CanvasFont& font) override;
  void Polyline(std::span<const CanvasPoint> points) override;
  void FillRect(const CanvasRect& rect, ChartColour colour) override;
  void Rectangle(const CanvasRect& rect) override;
  void Text(CanvasPoint anchor, std::string_view text, HAlign h, VAlign v) override;
  double TextWidth(std::string_view text) const override;
  void Clip(const CanvasRect& rect) override;
  void ResetClip() override;

 private:
  QPainter& m_painter;
  ChartColour m_textColour;
};

/// The Qt font for a face that the system names ("ＭＳ 明朝", "ＭＳ ゴシック"), mapped to a
/// Japanese face that Debian ships.
QFont JapaneseFont(const std::string& face, double pixelSize, bool bold = false);
