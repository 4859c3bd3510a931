#include "app/reportcommands.h"

#include <QWidget>
#include <filesystem>
#include <optional>

#include "app/appinteraction.h"
#include "app/chartwidget.h"
#include "app/designdocument.h"
#include "app/resultwindow.h"
#include "reports/metafileexport.h"
#include "reports/printlayouts.h"

namespace {

std::optional<PrintLayoutId> LayoutOf(ReportPage page, int calcKind) {
  switch (page) {
    case ReportPage::Contents: return PrintLayoutId::Contents;
    case ReportPage::Conditions: return PrintLayoutId::Conditions;
    case ReportPage::ConditionCharts: return PrintLayoutId::ConditionCharts;
    case ReportPage::Hydrograph: return PrintLayoutId::Hydrograph;
    case ReportPage::HydrographCharts: return PrintLayoutId::HydrographCharts;
    case ReportPage::Routing: return RoutingLayoutForKind(calcKind);
    case ReportPage::RoutingCharts: return PrintLayoutId::RoutingCharts;
    case ReportPage::Table1: return PrintLayoutId::Table1;
    case ReportPage::Table2: return PrintLayoutId::Table2;
    case ReportPage::Table3: return PrintLayoutId::Table3;
    case ReportPage::Table4: return PrintLayoutId::Table4;
  }
  return std::nullopt;
}

}  // namespace

// The result window's visibility is the sheet's, so it is hidden and shown through the
// document; the other two are plain windows.
class ReportCommands::Windows final : public ReportWindows {
 public:
  Windows(DesignDocument& document, QWidget& designWindow, QWidget& estimateWindow)
      : m_document(document), m_designWindow(designWindow), m_estimateWindow(estimateWindow) {}

  void Hide(bool estimate) override {
    m_designWindow.hide();
    m_document.hideResults();
    if (estimate) m_estimateWindow.hide();
  }

  void Show(bool estimate) override {
    m_designWindow.show();
    m_document.showResults();
    if (estimate) {
      m_estimateWindow.show();
      m_estimateWindow.raise();
    }
  }

 private:
  DesignDocument& m_document;
  QWidget& m_designWindow;
  QWidget& m_estimateWindow;
};

ReportCommands::ReportCommands(DesignDocument& document, AppInteraction& ui,
                               std::unique_ptr<ReportPrinter> printer, QWidget& designWindow,
                               ResultWindow& resultWindow, QWidget& estimateWindow,
                               QObject* parent)
    : QObject(parent),
      m_document(document),
      m_ui(ui),
      m_printer(std::move(printer)),
      m_resultWindow(resultWindow),
      m_windows(std::make_unique<Windows>(document, designWindow, estimateWindow)) {}

ReportCommands::~ReportCommands() = default;

void ReportCommands::printAll() {
  PrintAll(m_document.sheet(), m_document.form(), *m_printer, *m_windows, m_ui);
}

void ReportCommands::preview(ReportPage page) {
  if (std::optional<PrintLayoutId> layout = LayoutOf(page, m_document.form().ActiveCalcKind)) {
    PreviewLayout(*layout, m_document.sheet(), m_document.form(), *m_printer, *m_windows);
  }
}

void ReportCommands::printerSetup() { m_printer->SetUp(); }

void ReportCommands::previewEstimate(const TextList& lines) {
  PreviewEstimate(lines, *m_printer, *m_windows);
}

void ReportCommands::metafileExport() {
  // A chart that has never been laid out (the result window not yet shown) has no size of its
  // own yet and is written at the size it opens with.
  const ChartSizeOf shownSize = [this](const ChartFile& file) {
    const ChartWidget* widget = m_resultWindow.chartWidget(m_document.sheet().*file.chart);
    if (widget == nullptr || !widget->testAttribute(Qt::WA_Resized) || widget->size().isEmpty()) {
      return file.screenSize;
    }
    return ChartSize{widget->width(), widget->height()};
  };
  // A current directory that no longer exists leaves "." and the first file reports the error.
  std::error_code error;
  std::filesystem::path directory = std::filesystem::current_path(error);
  if (error) directory = ".";
  RunMetafileExport(m_document.sheet(), m_document.form(), directory, m_ui, shownSize);
}
