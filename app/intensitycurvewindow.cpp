#include "app/intensitycurvewindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/chartwidget.h"
#include "core/text/conversionerror.h"
#include "results/intensitycurvechart.h"

IntensityCurveWindow::IntensityCurveWindow(const DesignForm& form, UserInteraction& ui,
                                           QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      m_form(form),
      m_ui(ui),
      m_chartWidget(new ChartWidget(m_chart, kIntensityCurveChartSize)) {
  setWindowTitle(QStringLiteral("降雨強度曲線図"));
  auto* cancel = new QPushButton(QStringLiteral("取消し"));
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
  auto* status = new QLabel;
  connect(m_chartWidget, &ChartWidget::pointerValuesChanged, status, &QLabel::setText);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status, 1);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_chartWidget, 1);
  layout->addLayout(buttons);
}

void IntensityCurveWindow::showAtOrigin() {
  move(0, 80);
  show();
  raise();
}

void IntensityCurveWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) rebuild();
}

void IntensityCurveWindow::rebuild() {
  try {
    m_chart = IntensityCurveChart(m_form);
  } catch (const ConversionError& error) {
    m_ui.ShowMessage(error.what());
  }
  m_chartWidget->update();
}
