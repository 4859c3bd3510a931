#include "app/valuelabel.h"

#include <QMouseEvent>

ValueLabelWidget::ValueLabelWidget(QColor idleColour, QWidget* parent)
    : QLabel(parent), m_idleColour(idleColour) {
  setCursor(Qt::PointingHandCursor);
  paintText(m_idleColour);
}

void ValueLabelWidget::paintText(QColor colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour);
  setPalette(palette);
}

void ValueLabelWidget::enterEvent(QEnterEvent* event) {
  paintText(Qt::red);
  QLabel::enterEvent(event);
}

void ValueLabelWidget::leaveEvent(QEvent* event) {
  paintText(m_idleColour);
  QLabel::leaveEvent(event);
}

void ValueLabelWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}
