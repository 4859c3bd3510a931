#pragma once
/// A number shown as a clickable text: red while the pointer is over it, its resting colour
/// otherwise; a left click asks for a new value.

#include <QLabel>

class ClickableLabel final : public QLabel {
  Q_OBJECT

 public:
  ClickableLabel(const QString& text, const QString& hint, QColor restingColour,
             QWidget* parent = nullptr);

  const QString& hint() const { return m_hint; }

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setColour(QColor colour);

  QString m_hint;
  QColor m_restingColour;
};
