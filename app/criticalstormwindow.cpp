#include "app/criticalstormwindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <string>

#include "app/appinteraction.h"
#include "app/chartwidget.h"
#include "app/designdocument.h"
#include "core/text/conversionerror.h"
#include "results/runcalculation.h"
#include "results/stormsearchresults.h"

namespace {

constexpr char kNotApplicable[] =
    "最危険降雨の探索は、降雨強度式の降雨で、自然排水または水位追跡の計算に行えます。";
constexpr ChartSize kStormChartSize{560, 360};

}  // namespace

CriticalStormWindow::CriticalStormWindow(DesignDocument& document, AppInteraction& ui,
                                         QWidget* parent)
    : QWidget(parent, Qt::Dialog),
      m_document(document),
      m_ui(ui),
      m_chart(StormSearchChart({})),
      m_start(new QPushButton(QStringLiteral("探索開始"))),
      m_progress(new QProgressBar),
      m_table(new QTableWidget),
      m_summary(new QLabel),
      m_chartWidget(new ChartWidget(m_chart, kStormChartSize)) {
  setWindowTitle(QStringLiteral("最危険降雨の探索"));
  m_start->setObjectName(QStringLiteral("startSearch"));
  m_progress->setTextVisible(false);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->verticalHeader()->hide();
  m_table->horizontalHeader()->setStretchLastSection(true);
  const std::vector<std::string> header = StormSearchHeader();
  m_table->setColumnCount(static_cast<int>(header.size()));
  for (std::size_t col = 0; col < header.size(); ++col) {
    m_table->setHorizontalHeaderItem(static_cast<int>(col),
                                     new QTableWidgetItem(QString::fromStdString(header[col])));
  }
  m_table->resizeColumnsToContents();
  m_summary->setWordWrap(true);
  connect(m_start, &QPushButton::clicked, this, &CriticalStormWindow::search);

  auto* top = new QHBoxLayout;
  top->addWidget(m_start);
  top->addWidget(m_progress, 1);
  auto* body = new QHBoxLayout;
  // The table takes the width the chart leaves, so that all its columns show.
  body->addWidget(m_table, 1);
  body->addWidget(m_chartWidget, 0);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_summary);
  layout->addLayout(body, 1);
  resize(1480, 600);
}

CriticalStormWindow::~CriticalStormWindow() = default;  // the jthread stops and joins the worker

bool CriticalStormWindow::search() {
  if (searching()) return false;
  // The search reads a copy, so that the window's texts stay as typed.
  DesignForm form = m_document.form();
  auto calc = std::make_shared<TRenzoku>();
  ResultSheet scratch;
  try {
    if (!ReadAndValidate(*calc, form, scratch, m_ui)) return false;
  } catch (const ConversionError& error) {
    m_ui.ShowMessage(error.what());
    return false;
  }
  if (!StormSearchApplies(*calc)) {
    m_ui.ShowMessage(kNotApplicable);
    return false;
  }
  m_typedWaveform = static_cast<int>(calc->Rain.Waveform);
  m_typedDuration = calc->Time.RainDuration;
  m_start->setEnabled(false);
  m_progress->setValue(0);
  if (m_worker.joinable()) m_worker.join();
  m_done = false;
  m_worker = std::jthread([this, calc](std::stop_token stop) {
    auto report = [this](int done, int total) {
      QMetaObject::invokeMethod(m_progress, [bar = m_progress, done, total] {
        bar->setMaximum(total);
        bar->setValue(done);
      }, Qt::QueuedConnection);
    };
    auto result = std::make_shared<StormSearch>(SearchCriticalStorm(*calc, report, stop));
    QMetaObject::invokeMethod(this, [this, result] { showSearch(std::move(*result)); },
                              Qt::QueuedConnection);
  });
  return true;
}

void CriticalStormWindow::showSearch(StormSearch search) {
  m_done = true;
  m_start->setEnabled(true);
  if (search.stopped) return;
  m_search = std::move(search);
  m_table->setRowCount(static_cast<int>(m_search.cases.size()));
  for (std::size_t row = 0; row < m_search.cases.size(); ++row) {
    std::vector<std::string> cells = StormCaseCells(m_search.cases[row]);
    for (std::size_t col = 0; col < cells.size(); ++col) {
      auto* item = new QTableWidgetItem(QString::fromStdString(cells[col]));
      if (col > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_table->setItem(static_cast<int>(row), static_cast<int>(col), item);
    }
  }
  m_table->resizeColumnsToContents();
  if (m_search.highestLevel >= 0) {
    m_table->selectRow(m_search.highestLevel);
    m_table->scrollToItem(m_table->item(m_search.highestLevel, 0));
  }
  QStringList lines;
  for (const std::string& line : StormSearchSummary(m_search, m_typedWaveform, m_typedDuration)) {
    lines << QString::fromStdString(line);
  }
  m_summary->setText(lines.join(QLatin1Char('\n')));
  m_chart = StormSearchChart(m_search);
  m_chartWidget->update();
  emit searchFinished();
}

void CriticalStormWindow::closeEvent(QCloseEvent* event) {
  if (m_worker.joinable()) m_worker.request_stop();
  QWidget::closeEvent(event);
}
