#pragma once
/// The check box "自動再計算" and the status line of live recalculation, shown in the
/// design-condition window below "計算開始".

#include <QWidget>

class LiveRecalculation;
class QCheckBox;
class QLabel;

class LiveRecalculationBar final : public QWidget {
  Q_OBJECT

 public:
  explicit LiveRecalculationBar(LiveRecalculation& live, QWidget* parent = nullptr);

 private:
  void showStatus();

  LiveRecalculation& m_live;
  QCheckBox* m_check;
  QLabel* m_status;
};
