#pragma once
/// The rainfall intensity curve window "降雨強度曲線図": the curve of the type-1 intensity
/// formula of the design conditions, rebuilt from the form every time the window becomes
/// visible. A rebuild that fails on a malformed or zero time of concentration shows its message
/// and keeps the curve drawn before.

#include <QWidget>

#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "results/chart.h"

class ChartWidget;

class IntensityCurveWindow final : public QWidget {
  Q_OBJECT

 public:
  IntensityCurveWindow(const DesignForm& form, UserInteraction& ui, QWidget* parent = nullptr);

  /// "1．降雨強度曲線図" and its tool button: the window at screen position (0, 80).
  void showAtOrigin();

  const Chart& chart() const { return m_chart; }
  ChartWidget* chartWidget() const { return m_chartWidget; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void rebuild();

  const DesignForm& m_form;
  UserInteraction& m_ui;
  Chart m_chart;
  ChartWidget* m_chartWidget;
};
