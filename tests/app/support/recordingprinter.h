#pragma once
/// The GUI tests' report printer: it keeps every job and preview with its layout and never
/// opens a dialog or prints.

#include <functional>
#include <vector>

#include "reports/printcommands.h"

class RecordingPrinter final : public ReportPrinter {
 public:
  struct Job {
    bool preview = false;
    PrintLayout layout;
  };

  bool Available() const override { return true; }
  void Print(const PrintLayout& layout) override { jobs.push_back({false, layout}); }
  void Preview(const PrintLayout& layout) override {
    jobs.push_back({true, layout});
    if (whilePreviewing) whilePreviewing();
  }
  void SetUp() override { ++setUps; }

  std::vector<Job> jobs;
  /// Runs while a preview is open, as the dialog's event loop would.
  std::function<void()> whilePreviewing;
  int setUps = 0;
};
