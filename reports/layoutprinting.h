#pragma once
/// Layouts on Qt's paged devices: the printer, its preview and the PDF document of the
/// printed report.

#include <filesystem>
#include <ostream>
#include <string>

#include "core/design/designform.h"
#include "reports/printedpage.h"
#include "results/resultsheet.h"

class QPainter;
class QPagedPaintDevice;

/// Paints every page of the layout on the paged device that `painter` is active on, each page
/// on its own sheet of paper; `newPageFirst` begins with a new sheet (for a layout that follows
/// another in the same document).
void PaintLayout(const PrintLayout& layout, QPainter& painter, QPagedPaintDevice& device,
                 bool newPageFirst = false);

/// Writes every layout of the sheet in the order of printing all, as the pages of one PDF
/// document on A4 portrait paper. Returns the empty text when written, otherwise the reason.
std::string WritePrintedReportPdf(std::ostream& out, const ResultSheet& sheet,
                                  const DesignForm& form);

/// The file name of the printed report as PDF.
inline constexpr char kPrintedReportPdfFileName[] = "計算書印刷.pdf";

/// Writes the printed report (WritePrintedReportPdf) into `directory`/計算書印刷.pdf, replacing
/// an existing file whole. Needs a Qt GUI application object. Returns the empty text when
/// written, otherwise the reason; a failure leaves the directory as it was.
std::string SavePrintedReportPdf(const ResultSheet& sheet, const DesignForm& form,
                                 const std::filesystem::path& directory);
