#pragma once
/// The window "最危険降雨の探索": routes the current design under every waveform and every rain
/// duration from one time of concentration up to the typed one, on a worker thread, and shows
/// every combination in a table, the worst ones in a few lines and the highest level against
/// the duration in a chart.

#include <QWidget>
#include <memory>
#include <thread>

#include "core/calc/criticalstormsearch.h"
#include "results/chart.h"

class AppInteraction;
class ChartWidget;
class DesignDocument;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

class CriticalStormWindow final : public QWidget {
  Q_OBJECT

 public:
  CriticalStormWindow(DesignDocument& document, AppInteraction& ui, QWidget* parent = nullptr);
  ~CriticalStormWindow() override;

  /// Reads and validates the design as a run does (its messages are shown), then starts the
  /// search; false when reading stopped or the design cannot be searched.
  bool search();
  bool searching() const { return m_worker.joinable() && !m_done; }
  const StormSearch& lastSearch() const { return m_search; }

 signals:
  void searchFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showSearch(StormSearch search);

  DesignDocument& m_document;
  AppInteraction& m_ui;
  StormSearch m_search;
  Chart m_chart;
  int m_typedWaveform = 0;
  double m_typedDuration = 0;
  QPushButton* m_start;
  QProgressBar* m_progress;
  QTableWidget* m_table;
  QLabel* m_summary;
  ChartWidget* m_chartWidget;
  std::jthread m_worker;
  bool m_done = true;
};
