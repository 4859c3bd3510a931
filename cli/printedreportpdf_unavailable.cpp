#include "cli/printedreportpdf.h"

// Built without Qt: there is nothing to draw the printed report with.
bool WritePrintedReportWithoutDisplay(const ResultSheet&, const DesignForm&,
                                      const std::filesystem::path&, std::ostream& err) {
  err << "--print-pdf needs vestaro-batch built with Qt (VESTARO_QT).\n";
  return false;
}
