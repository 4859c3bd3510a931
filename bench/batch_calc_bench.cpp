// What `vestaro-batch calc` does for one design, in process: read the design file, run the
// calculation, and write the text report and the PDF report to memory. Beside it, the two
// pieces the run leans on most: turning a report's texts into Shift-JIS, and the pond lookups.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/calc/pondlookup.h"
#include "core/calc/readconditions.h"
#include "core/design/designfile.h"
#include "core/interaction/recordinginteraction.h"
#include "core/text/cp932.h"
#include "reports/pdfreport.h"
#include "reports/textreport.h"
#include "results/runcalculation.h"

namespace {

// The start-up design saved as a design file, removed at exit.
class StartupDesignFile {
 public:
  StartupDesignFile()
      : m_path(std::filesystem::temp_directory_path() /
               ("vestaro-bench-" + std::to_string(getpid()) + ".dat")) {
    DesignForm form = StartupDesignForm();
    RecordingInteraction ui;
    if (!SaveConditions(form, m_path, ui)) m_path.clear();
  }
  ~StartupDesignFile() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove(m_path, ignored);
  }
  StartupDesignFile(const StartupDesignFile&) = delete;
  StartupDesignFile& operator=(const StartupDesignFile&) = delete;
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

std::tm FixedClock() {
  std::tm time{};
  time.tm_year = 126;
  time.tm_mday = 1;
  return time;
}

void StartupBatchCalc(benchmark::State& state) {
  StartupDesignFile design;
  if (design.Path().empty()) {
    state.SkipWithError("cannot write the design file");
    return;
  }
  std::size_t bytes = 0;
  for (auto _ : state) {
    DesignForm form;
    SetStartupValues(form);
    RecordingInteraction ui;
    NoProgressBar progress;
    ResultSheet sheet;
    if (!LoadConditions(form, design.Path(), ui) || !RunCalculation(form, sheet, ui, progress)) {
      state.SkipWithError("the run stopped");
      break;
    }
    std::ostringstream text, pdf;
    std::string failure = WriteTextReport(text, sheet, form) + WritePdfReport(pdf, sheet, form, FixedClock);
    if (!failure.empty()) {
      state.SkipWithError("a report was not written");
      break;
    }
    bytes = text.view().size() + pdf.view().size();
  }
  state.counters["report_kB"] = static_cast<double>(bytes) / 1e3;
}

// Every text of the start-up design's result sheet: table cells and list lines.
std::vector<std::string> ReportTexts() {
  DesignForm form = StartupDesignForm();
  ResultSheet sheet;
  RecordingInteraction ui;
  NoProgressBar progress;
  RunCalculation(form, sheet, ui, progress);
  std::vector<std::string> texts;
  for (const StringGrid* table : {&sheet.StageTable, &sheet.IntensityTable, &sheet.HyetographTable,
                                  &sheet.RunoffTable, &sheet.RoutingTable}) {
    for (int row = 0; row < table->RowCount(); ++row) {
      for (int col = 0; col < table->ColCount(); ++col) texts.push_back(table->Cell(col, row));
    }
  }
  for (const TextList* list : {&sheet.ContentsList, &sheet.ConditionsList, &sheet.HyetographText,
                               &sheet.RoutingText, &sheet.SummaryList}) {
    texts.insert(texts.end(), list->begin(), list->end());
  }
  return texts;
}

void ReportTextsToShiftJis(benchmark::State& state) {
  const std::vector<std::string> texts = ReportTexts();
  for (auto _ : state) {
    std::size_t bytes = 0;
    for (const std::string& text : texts) bytes += Utf8ToCp932(text).value_or("").size();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

// The start-up pond as reading leaves it, with levels and storages spread over its whole range.
void PondLookups(benchmark::State& state) {
  TRenzoku calc;
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  ReadConditions(calc, form, ui);
  const auto top = static_cast<std::size_t>(calc.Pond.RowCount - 1);
  constexpr int kPoints = 1000;
  for (auto _ : state) {
    double sum = 0;
    for (int k = 0; k < kPoints; ++k) {
      double share = (k + 0.5) / kPoints;
      double h = calc.Pond.H[0] + (calc.Pond.H[top] - calc.Pond.H[0]) * share;
      sum += StorageToLevel(calc, calc.Pond.V[top] * share, ui) + LevelToStorage(calc, h, ui) +
             LevelToArea(calc, h, ui);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 3 * kPoints);
}

}  // namespace

BENCHMARK(StartupBatchCalc)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReportTextsToShiftJis)->Unit(benchmark::kMicrosecond);
BENCHMARK(PondLookups)->Unit(benchmark::kMicrosecond);
