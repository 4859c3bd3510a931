#include "app/outletdrawing.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The wall and its openings, in widget pixels.
constexpr int kWallLeft = 70, kWallRight = 290, kWallTop = 40, kBase = 205;
const QRect kSpillway(140, kWallTop, 80, 28);
const QRect kLowerOrifice(160, 160, 40, 32);
const QRect kUpperOrifice(162, 100, 36, 26);
// A circular lower orifice stands on the same sill.
const QRect kLowerCircle(165, 162, 30, 30);

void verticalDimension(QPainter& painter, int x, int top, int bottom) {
  painter.drawLine(x, top, x, bottom);
  painter.drawLine(x - 3, top + 5, x, top);
  painter.drawLine(x + 3, top + 5, x, top);
  painter.drawLine(x - 3, bottom - 5, x, bottom);
  painter.drawLine(x + 3, bottom - 5, x, bottom);
}

void horizontalDimension(QPainter& painter, int y, int left, int right) {
  painter.drawLine(left, y, right, y);
  painter.drawLine(left + 5, y - 3, left, y);
  painter.drawLine(left + 5, y + 3, left, y);
  painter.drawLine(right - 5, y - 3, right, y);
  painter.drawLine(right - 5, y + 3, right, y);
}

}  // namespace

OutletDrawing::OutletDrawing(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
}

void OutletDrawing::setOrifices(bool upperVisible, bool lowerCircular) {
  if (upperVisible == m_upperVisible && lowerCircular == m_lowerCircular) return;
  m_upperVisible = upperVisible;
  m_lowerCircular = lowerCircular;
  update();
}

QPoint OutletDrawing::labelPosition(ValueLabel label) {
  switch (label) {
    case ValueLabel::SpillwayWidth: return {150, 4};
    case ValueLabel::SpillwayCrest: return {300, 110};
    case ValueLabel::LowerHeight: return {100, 168};
    case ValueLabel::LowerWidth: return {150, 140};
    case ValueLabel::LowerSill: return {228, 186};
    case ValueLabel::UpperHeight: return {100, 105};
    case ValueLabel::UpperWidth: return {150, 76};
    case ValueLabel::UpperSill: return {228, 128};
    default: return {};
  }
}

void OutletDrawing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor water(170, 210, 240);
  const QColor concrete(215, 210, 195);

  // The pond behind the wall shows through the openings.
  QPainterPath wall;
  wall.addRect(QRect(kWallLeft, kWallTop, kWallRight - kWallLeft, kBase - kWallTop));
  QPainterPath openings;
  openings.addRect(kSpillway);
  if (m_lowerCircular) {
    openings.addEllipse(kLowerCircle);
  } else {
    openings.addRect(kLowerOrifice);
  }
  if (m_upperVisible) openings.addRect(kUpperOrifice);
  painter.setPen(QPen(Qt::black, 1.2));
  painter.setBrush(concrete);
  painter.drawPath(wall.subtracted(openings));
  painter.setBrush(water);
  painter.setPen(Qt::NoPen);
  painter.drawPath(openings);
  painter.setPen(QPen(Qt::black, 1.2));
  painter.setBrush(Qt::NoBrush);
  if (!m_lowerCircular) painter.drawRect(kLowerOrifice);
  else painter.drawEllipse(kLowerCircle);
  if (m_upperVisible) painter.drawRect(kUpperOrifice);

  // Ground and datum.
  painter.drawLine(20, kBase, width() - 20, kBase);
  for (int x = 24; x < width() - 20; x += 10) painter.drawLine(x, kBase + 6, x + 6, kBase);

  painter.setPen(QPen(Qt::darkGray, 1));
  horizontalDimension(painter, kWallTop - 10, kSpillway.left(), kSpillway.right());
  verticalDimension(painter, 296, kSpillway.bottom(), kBase);
  if (!m_lowerCircular) verticalDimension(painter, 150, kLowerOrifice.top(), kLowerOrifice.bottom());
  verticalDimension(painter, 222, kLowerOrifice.bottom(), kBase);
  if (m_upperVisible) {
    horizontalDimension(painter, kUpperOrifice.top() - 4, kUpperOrifice.left(), kUpperOrifice.right());
    verticalDimension(painter, 150, kUpperOrifice.top(), kUpperOrifice.bottom());
    verticalDimension(painter, 222, kUpperOrifice.bottom(), kBase);
  }
}
