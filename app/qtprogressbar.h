#pragma once
/// The design-condition window's progress bar as the flood routing drives it. The run holds
/// the event loop, so every step repaints the bar at once.

#include <QProgressBar>

#include "core/interaction/progressbar.h"

class QtProgressBar : public ProgressBar {
 public:
  explicit QtProgressBar(QProgressBar& bar) : m_bar(bar) {}

  void SetRange(int maximum, int step) override;
  void StepIt() override;
  void SetPosition(int position) override;

 private:
  QProgressBar& m_bar;
  int m_step = 1;
};
