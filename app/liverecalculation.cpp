#include "app/liverecalculation.h"

#include <QMetaObject>
#include <string>
#include <utility>

#include "app/designdocument.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "results/runcalculation.h"

namespace {

constexpr char kWarningEnd[] = "計算は続行しますが、\r確認して下さい。";

bool IsWarning(const std::string& text) {
  return text.size() >= sizeof kWarningEnd - 1 &&
         text.compare(text.size() - (sizeof kWarningEnd - 1), std::string::npos, kWarningEnd) == 0;
}

// A message on one line: its line breaks become blanks.
QString OneLine(const std::string& text) {
  QString line = QString::fromStdString(text);
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return line.simplified();
}

}  // namespace

struct LiveRecalculation::Outcome {
  bool completed = false;
  ResultSheet sheet;
  std::vector<std::string> messages;
  std::chrono::nanoseconds runTime{0};
};

LiveRecalculation::LiveRecalculation(DesignDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {
  m_pause.setSingleShot(true);
  m_pause.setInterval(kPause);
  connect(&m_pause, &QTimer::timeout, this, &LiveRecalculation::start);
  connect(&m_document, &DesignDocument::formChanged, this, &LiveRecalculation::edited);
}

LiveRecalculation::~LiveRecalculation() = default;  // the worker is joined by its jthread

void LiveRecalculation::setOn(bool on) {
  if (on == m_on) return;
  m_on = on;
  ++m_generation;
  if (on) {
    m_pause.start();
  } else {
    m_pause.stop();
    m_stale = false;
    setStatus({}, false);
  }
}

void LiveRecalculation::edited() {
  if (!m_on) return;
  ++m_generation;
  m_pause.start();
}

std::unique_ptr<LiveRecalculation::Outcome> LiveRecalculation::Run(DesignForm form) {
  auto outcome = std::make_unique<Outcome>();
  RecordingInteraction ui;  // no message boxes: the texts go to the status line
  NoProgressBar progress;
  auto begin = std::chrono::steady_clock::now();
  outcome->completed = RunCalculation(form, outcome->sheet, ui, progress);
  outcome->runTime = std::chrono::steady_clock::now() - begin;
  outcome->messages = ui.Texts();
  return outcome;
}

void LiveRecalculation::start() {
  if (!m_on) return;
  if (busy()) {
    m_rerunWhenDone = true;  // the worker's result will be too old; run again after it
    return;
  }
  const unsigned generation = m_generation;
  if (m_lastRunTime < kWorkerThreshold) {
    apply(Run(m_document.form()), generation);
    return;
  }
  if (m_worker.joinable()) m_worker.join();
  m_workerDone = false;
  m_worker = std::jthread([this, form = m_document.form(), generation] {
    std::shared_ptr<Outcome> outcome = Run(form);
    QMetaObject::invokeMethod(this, [this, outcome, generation] {
      m_workerDone = true;
      apply(std::make_unique<Outcome>(std::move(*outcome)), generation);
      if (std::exchange(m_rerunWhenDone, false)) start();
    }, Qt::QueuedConnection);
  });
  emit workerStarted();
}

void LiveRecalculation::apply(std::unique_ptr<Outcome> outcome, unsigned generation) {
  m_lastRunTime = outcome->runTime;
  if (!m_on || generation != m_generation) return;  // a newer edit wins

  if (outcome->completed) {
    // The new results, on the pages the user is looking at.
    ResultSheet& sheet = m_document.sheet();
    outcome->sheet.Visible = sheet.Visible;
    outcome->sheet.TopPage = sheet.TopPage;
    outcome->sheet.SubPage = sheet.SubPage;
    outcome->sheet.PondingLabelChoice = sheet.PondingLabelChoice;
    sheet = std::move(outcome->sheet);
    m_stale = false;
    QStringList warnings;
    for (const std::string& text : outcome->messages) {
      if (IsWarning(text)) warnings << OneLine(text);
    }
    setStatus(warnings.isEmpty() ? QStringLiteral("自動再計算しました。") : warnings.join(QStringLiteral("　")),
              false);
    m_document.notifySheetChanged();
  } else {
    m_stale = true;
    QString error;
    for (const std::string& text : outcome->messages) {
      if (!IsWarning(text)) {
        error = OneLine(text);
        break;
      }
    }
    setStatus(error + QStringLiteral("（表示中の結果は前回のものです）"), true);
  }
  emit runFinished();
}

void LiveRecalculation::setStatus(const QString& text, bool error) {
  m_status = text;
  m_error = error;
  emit statusChanged();
}
