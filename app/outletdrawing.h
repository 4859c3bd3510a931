#pragma once
/// The outlet works seen from downstream: the wall with the spillway notch at its top, the
/// lower orifice (a framed rectangle or a circle) and, with two stages, the upper orifice, with
/// their dimension lines. The value labels sit on the drawing at `labelPosition`.

#include <QWidget>

#include "core/design/designform.h"

class OutletDrawing : public QWidget {
  Q_OBJECT

 public:
  explicit OutletDrawing(QWidget* parent = nullptr);

  /// What the drawing shows; set by the window's refresh.
  void setOrifices(bool upperVisible, bool lowerCircular);

  /// Where a value label of the outlet group sits on the drawing.
  static QPoint labelPosition(ValueLabel label);

  QSize sizeHint() const override { return {360, 230}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_upperVisible = false;
  bool m_lowerCircular = false;
};
