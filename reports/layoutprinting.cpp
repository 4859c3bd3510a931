#include "reports/layoutprinting.h"

#include <sstream>

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "core/design/textfile.h"
#include "reports/pagepainter.h"
#include "reports/printlayouts.h"

namespace {

constexpr int kPdfResolution = 600;  // dpi

}  // namespace

void PaintLayout(const PrintLayout& layout, QPainter& painter, QPagedPaintDevice& device,
                 bool newPageFirst) {
  bool newPage = newPageFirst;
  for (const PrintedPage& page : layout.pages) {
    if (newPage) device.newPage();
    newPage = true;
    PaintPage(page, painter, QRectF(0, 0, device.width(), device.height()));
  }
}

std::string WritePrintedReportPdf(std::ostream& out, const ResultSheet& sheet,
                                  const DesignForm& form) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QStringLiteral("計算書印刷"));
    writer.setCreator(QStringLiteral("ソレムナ Ver2.6"));
    QPainter painter;
    if (!painter.begin(&writer)) return "PDF output cannot be started.";
    bool first = true;
    for (PrintLayoutId id : PrintAllLayouts(form.ActiveCalcKind)) {
      PaintLayout(BuildPrintLayout(id, sheet, form), painter, writer, !first);
      first = false;
    }
    painter.end();
  }
  out.write(bytes.constData(), bytes.size());
  out.flush();
  return out ? std::string() : "The PDF document cannot be written.";
}

std::string SavePrintedReportPdf(const ResultSheet& sheet, const DesignForm& form,
                                 const std::filesystem::path& directory) {
  std::ostringstream bytes;
  std::string failure = WritePrintedReportPdf(bytes, sheet, form);
  if (!failure.empty()) return failure;
  return WriteFileAtomically(directory / kPrintedReportPdfFileName, std::move(bytes).str());
}
