#include "reports/printcommands.h"

namespace {

constexpr BoxPlacement kPrintAllQuestionAt{BoxPlacement::Origin::Screen, 80, 0};

void PrintIfAvailable(const PrintLayout& layout, ReportPrinter& printer) {
  if (printer.Available()) printer.Print(layout);
}

void PreviewHidden(const PrintLayout& layout, ReportPrinter& printer, ReportWindows& windows,
                   bool estimate) {
  windows.Hide(estimate);
  printer.Preview(layout);
  windows.Show(estimate);
}

}  // namespace

void PrintAll(const ResultSheet& sheet, const DesignForm& form, ReportPrinter& printer,
              ReportWindows& windows, UserInteraction& ui) {
  if (!ui.Confirm(kPrintAllQuestion, kPrintAllQuestionAt)) return;
  for (PrintLayoutId id : PrintAllLayouts(form.ActiveCalcKind)) {
    PrintIfAvailable(BuildPrintLayout(id, sheet, form), printer);
  }
  windows.Show(false);
  ui.ShowMessage(kPrintAllDone);
}

void PreviewLayout(PrintLayoutId id, const ResultSheet& sheet, const DesignForm& form,
                   ReportPrinter& printer, ReportWindows& windows) {
  PreviewHidden(BuildPrintLayout(id, sheet, form), printer, windows, false);
}

void PrintOneLayout(PrintLayoutId id, const ResultSheet& sheet, const DesignForm& form,
                    ReportPrinter& printer, ReportWindows& windows) {
  const PrintLayout layout = BuildPrintLayout(id, sheet, form);
  windows.Hide(false);
  PrintIfAvailable(layout, printer);
}

void PreviewEstimate(const TextList& lines, ReportPrinter& printer, ReportWindows& windows) {
  PreviewHidden(BuildEstimateLayout(lines), printer, windows, true);
}
