#pragma once
/// A number shown as a clickable text: red under the mouse, its own colour otherwise; a left
/// click asks for the input box.

#include <QLabel>

class ValueLabelWidget : public QLabel {
  Q_OBJECT

 public:
  ValueLabelWidget(QColor idleColour, QWidget* parent);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void paintText(QColor colour);

  QColor m_idleColour;
};
