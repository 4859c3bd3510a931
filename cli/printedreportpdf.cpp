#include "cli/printedreportpdf.h"

#include <memory>

#include <QGuiApplication>

#include "reports/layoutprinting.h"

bool WritePrintedReportWithoutDisplay(const ResultSheet& sheet, const DesignForm& form,
                                      const std::filesystem::path& directory, std::ostream& err) {
  // Fonts and painting need a GUI application; the batch tool has no display to show it on.
  std::unique_ptr<QGuiApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vestaro-batch";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  const std::string failure = SavePrintedReportPdf(sheet, form, directory);
  if (!failure.empty()) err << failure << "\n";
  return failure.empty();
}
