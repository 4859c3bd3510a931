#include "app/liverecalculationbar.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/liverecalculation.h"

LiveRecalculationBar::LiveRecalculationBar(LiveRecalculation& live, QWidget* parent)
    : QWidget(parent),
      m_live(live),
      m_check(new QCheckBox(QStringLiteral("自動再計算"))),
      m_status(new QLabel) {
  m_check->setObjectName(QStringLiteral("liveRecalculation"));
  m_check->setChecked(live.isOn());
  m_status->setObjectName(QStringLiteral("liveStatus"));
  m_status->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_check);
  layout->addWidget(m_status);
  connect(m_check, &QCheckBox::toggled, this, [this](bool on) { m_live.setOn(on); });
  connect(&m_live, &LiveRecalculation::statusChanged, this, &LiveRecalculationBar::showStatus);
  showStatus();
}

void LiveRecalculationBar::showStatus() {
  m_status->setText(m_live.statusText());
  // A stop in red; warnings and completions in the window's own text colour.
  m_status->setStyleSheet(m_live.statusIsError() ? QStringLiteral("color: red;") : QString());
}
