#include "app/qtprogressbar.h"

#include <algorithm>

void QtProgressBar::SetRange(int maximum, int step) {
  m_step = step;
  m_bar.setRange(0, std::max(0, maximum));
  SetPosition(0);
}

void QtProgressBar::StepIt() {
  SetPosition(std::min(m_bar.maximum(), m_bar.value() + m_step));
}

void QtProgressBar::SetPosition(int position) {
  if (m_bar.value() == position) return;
  m_bar.setValue(position);
  if (m_bar.isVisible()) m_bar.repaint();
}
