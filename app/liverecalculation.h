#pragma once
/// Live recalculation ("自動再計算"): while it is on, every finished edit and every switching of
/// the design-condition window recalculates after a short pause, without message boxes. The
/// run's messages go to a status line; a run that stops leaves the last good results in the
/// sheet and marks them as stale. A run is made on a copy of the form into a sheet of its own
/// and replaces the document's sheet only when it completed. Runs that took 16 ms or more move
/// to a worker thread, whose result is dropped when a newer edit came meanwhile.

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <thread>

#include "core/design/designform.h"
#include "results/resultsheet.h"

class DesignDocument;

class LiveRecalculation final : public QObject {
  Q_OBJECT

 public:
  /// Pause after the last edit before the run starts.
  static constexpr std::chrono::milliseconds kPause{150};
  /// A run that took this long goes to a worker the next time.
  static constexpr std::chrono::milliseconds kWorkerThreshold{16};

  explicit LiveRecalculation(DesignDocument& document, QObject* parent = nullptr);
  ~LiveRecalculation() override;

  bool isOn() const { return m_on; }
  /// Turning it on recalculates after the pause; turning it off forgets a pending run and
  /// empties the status line.
  void setOn(bool on);

  /// A finished edit (or a switching): recalculates after the pause when on.
  void edited();

  /// The status line: the text and whether it reports a stop.
  const QString& statusText() const { return m_status; }
  bool statusIsError() const { return m_error; }
  /// Whether the sheet holds the results of an earlier design than the one in the window.
  bool stale() const { return m_stale; }
  /// Whether a worker is busy with a run.
  bool busy() const { return m_worker.joinable() && !m_workerDone; }

 signals:
  /// The status line changed.
  void statusChanged();
  /// A run ended and its outcome is in the sheet and the status line.
  void runFinished();
  /// A run went to the worker; busy() holds until the event loop takes its outcome.
  void workerStarted();

 private:
  struct Outcome;
  void start();
  static std::unique_ptr<Outcome> Run(DesignForm form);
  void apply(std::unique_ptr<Outcome> outcome, unsigned generation);
  void setStatus(const QString& text, bool error);

  DesignDocument& m_document;
  QTimer m_pause;
  bool m_on = false;
  unsigned m_generation = 0;  // counts the edits; a result of an older one is dropped
  std::chrono::nanoseconds m_lastRunTime{0};
  std::jthread m_worker;
  bool m_workerDone = true;
  bool m_rerunWhenDone = false;
  QString m_status;
  bool m_error = false;
  bool m_stale = false;
};
