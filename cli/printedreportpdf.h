#pragma once
/// vestaro-batch calc --print-pdf: the printed report as a PDF document, drawn without a
/// display.

#include <filesystem>
#include <ostream>

#include "core/design/designform.h"
#include "results/resultsheet.h"

/// Writes "計算書印刷.pdf" into `directory`: every layout of the printed report in the order
/// of printing all. Qt draws on its offscreen platform unless QT_QPA_PLATFORM says otherwise.
/// A failure is written to `err`; returns whether the file was written.
bool WritePrintedReportWithoutDisplay(const ResultSheet& sheet, const DesignForm& form,
                                      const std::filesystem::path& directory, std::ostream& err);
