#include "reports/qtreportprinter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "reports/layoutprinting.h"

QtReportPrinter::QtReportPrinter(QWidget* dialogParent)
    : m_dialogParent(dialogParent), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  m_printer->setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  KeepFullPage();
}

QtReportPrinter::~QtReportPrinter() = default;

bool QtReportPrinter::Available() const { return !QPrinterInfo::availablePrinters().isEmpty(); }

void QtReportPrinter::Print(const PrintLayout& layout) {
  m_printer->setDocName(QString::fromStdString(layout.title));
  QPainter painter;
  if (!painter.begin(m_printer.get())) return;
  PaintLayout(layout, painter, *m_printer);
}

void QtReportPrinter::Preview(const PrintLayout& layout) {
  m_printer->setDocName(QString::fromStdString(layout.title));
  QPrintPreviewDialog dialog(m_printer.get(), m_dialogParent);
  dialog.setWindowTitle(QString::fromStdString(layout.title));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&layout](QPrinter* printer) {
                     QPainter painter(printer);
                     PaintLayout(layout, painter, *printer);
                   });
  dialog.exec();
}

void QtReportPrinter::SetUp() {
  QPrintDialog dialog(m_printer.get(), m_dialogParent);
  dialog.exec();
  KeepFullPage();
}

// The layouts place everything from the paper's corner, margins included.
void QtReportPrinter::KeepFullPage() { m_printer->setFullPage(true); }
