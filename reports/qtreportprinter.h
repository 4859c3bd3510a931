#pragma once
/// The report printer on the system's printers through Qt PrintSupport.

#include <memory>

#include "reports/printcommands.h"

class QPrinter;
class QWidget;

/// The system's printer: A4 portrait, the pages drawn over the whole sheet of paper. Printing
/// needs a print queue; the preview and the set-up dialog work without one.
class QtReportPrinter final : public ReportPrinter {
 public:
  /// `dialogParent` owns the preview and set-up dialogs (none: top-level dialogs).
  explicit QtReportPrinter(QWidget* dialogParent = nullptr);
  ~QtReportPrinter() override;

  bool Available() const override;
  void Print(const PrintLayout& layout) override;
  void Preview(const PrintLayout& layout) override;
  void SetUp() override;

 private:
  void KeepFullPage();
  void FitToScreen(QWidget& dialog) const;

  QWidget* m_dialogParent;
  std::unique_ptr<QPrinter> m_printer;
};
