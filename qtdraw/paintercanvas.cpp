#include "qtdraw/paintercanvas.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

namespace {

QColor ToQColor(ChartColour colour) { return QColor(colour.r, colour.g, colour.b); }

QRectF ToQRect(const CanvasRect& rect) {
  return QRectF(rect.left, rect.top, rect.width, rect.height);
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QFont JapaneseFont(const std::string& face, double pixelSize, bool bold) {
  // The design's faces are those of another desktop; IPA's fonts have the same two styles.
  const bool gothic = face.find("ゴシック") != std::string::npos;
  QFont font(gothic ? QStringLiteral("IPAGothic") : QStringLiteral("IPAMincho"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  font.setBold(bold);
  return font;
}

PainterCanvas::PainterCanvas(QPainter& painter) : m_painter(painter) {}

void PainterCanvas::SetPen(const CanvasPen& pen) {
  QPen qpen(ToQColor(pen.colour));
  qpen.setWidthF(pen.width);
  switch (pen.dash) {
    case PenDash::Solid: qpen.setStyle(Qt::SolidLine); break;
    case PenDash::Dash: qpen.setStyle(Qt::DashLine); break;
    case PenDash::Dot: qpen.setStyle(Qt::DotLine); break;
  }
  m_painter.setPen(qpen);
}

void PainterCanvas::SetFont(const CanvasFont& font) {
  m_painter.setFont(JapaneseFont(font.face, font.pixelSize, font.bold));
  m_textColour = font.colour;
}

void PainterCanvas::Polyline(std::span<const CanvasPoint> points) {
  if (points.size() < 2) return;
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const CanvasPoint& point : points) polygon.append(QPointF(point.x, point.y));
  m_painter.drawPolyline(polygon);
}

void PainterCanvas::FillRect(const CanvasRect& rect, ChartColour colour) {
  m_painter.fillRect(ToQRect(rect), ToQColor(colour));
}

void PainterCanvas::Rectangle(const CanvasRect& rect) {
  m_painter.save();
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawRect(ToQRect(rect));
  m_painter.restore();
}

void PainterCanvas::Text(CanvasPoint anchor, std::string_view text, HAlign h, VAlign v) {
  const QString qtext = ToQString(text);
  const QFontMetricsF metrics(m_painter.font());
  const double width = metrics.horizontalAdvance(qtext);
  double left = anchor.x;
  if (h == HAlign::Centre) left -= width / 2;
  if (h == HAlign::Right) left -= width;
  double baseline = anchor.y + metrics.ascent();
  if (v == VAlign::Middle) baseline = anchor.y + (metrics.ascent() - metrics.descent()) / 2;
  if (v == VAlign::Bottom) baseline = anchor.y - metrics.descent();
  m_painter.save();
  m_painter.setPen(ToQColor(m_textColour));
  m_painter.drawText(QPointF(left, baseline), qtext);
  m_painter.restore();
}

double PainterCanvas::TextWidth(std::string_view text) const {
  return QFontMetricsF(m_painter.font()).horizontalAdvance(ToQString(text));
}

void PainterCanvas::Clip(const CanvasRect& rect) { m_painter.setClipRect(ToQRect(rect)); }

void PainterCanvas::ResetClip() { m_painter.setClipping(false); }
