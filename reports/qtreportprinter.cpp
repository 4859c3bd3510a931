#include "reports/qtreportprinter.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <algorithm>

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
  FitToScreen(dialog);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&layout](QPrinter* printer) {
                     QPainter painter(printer);
                     PaintLayout(layout, painter, *printer);
                   });
  dialog.exec();
}

// The dialog's own default size shows an A4 page at little more than a third of its size; the
// preview is for reading the page, so it takes most of the screen's height.
void QtReportPrinter::FitToScreen(QWidget& dialog) const {
  const QScreen* screen = m_dialogParent ? m_dialogParent->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const int height = available.height() * 9 / 10;
  const int width = std::min(available.width() * 9 / 10, height);
  QRect frame(0, 0, width, height);
  frame.moveCenter(available.center());
  dialog.setGeometry(frame);
}

void QtReportPrinter::SetUp() {
  QPrintDialog dialog(m_printer.get(), m_dialogParent);
  dialog.exec();
  KeepFullPage();
}

// The layouts place everything from the paper's corner, margins included.
void QtReportPrinter::KeepFullPage() { m_printer->setFullPage(true); }
