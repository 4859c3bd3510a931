#include "app/clickablelabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& text, const QString& hint, QColor restingColour,
                       QWidget* parent)
    : QLabel(text, parent), m_hint(hint), m_restingColour(restingColour) {
  setToolTip(hint);
  setCursor(Qt::PointingHandCursor);
  setColour(m_restingColour);
}

void ClickableLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  setColour(Qt::red);
}

void ClickableLabel::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  setColour(m_restingColour);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void ClickableLabel::setColour(QColor colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, colour);
  setPalette(palette);
}
