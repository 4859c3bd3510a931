#include "cli/criticalcommand.h"

#include <chrono>

#include "cli/streaminteraction.h"
#include "core/calc/criticalstormsearch.h"
#include "core/design/designfile.h"
#include "core/text/conversionerror.h"
#include "results/runcalculation.h"
#include "results/stormsearchresults.h"

namespace {

constexpr int kSearched = 0;
constexpr int kNotSearched = 1;
constexpr int kUsageOrFileError = 2;
constexpr auto kQuietTime = std::chrono::seconds(1);

constexpr char kNotApplicable[] =
    "最危険降雨の探索は、降雨強度式の降雨で、自然排水または水位追跡の計算に行えます。";

void WriteCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "," : "") << fields[i];
  out << '\n';
}

// Shows "n/total" on one line of `err`, once the search has taken longer than a second.
class ProgressLine {
 public:
  explicit ProgressLine(std::ostream& err) : m_err(err) {}
  ~ProgressLine() {
    if (m_shown) m_err << '\n';
  }
  void operator()(int done, int total) {
    if (!m_shown && std::chrono::steady_clock::now() - m_start < kQuietTime) return;
    m_shown = true;
    m_err << "\r最危険降雨の探索 " << done << "/" << total << std::flush;
  }

 private:
  std::ostream& m_err;
  std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
  bool m_shown = false;
};

}  // namespace

int RunCriticalCommand(const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err) {
  if (args.size() != 1 || args[0].empty() || args[0].front() == '-') {
    err << "usage: vestaro-batch critical DESIGN.dat\n";
    return kUsageOrFileError;
  }
  DesignForm form = StartupDesignForm();
  StreamInteraction ui(err);
  if (!LoadConditions(form, args[0], ui)) return kUsageOrFileError;

  TRenzoku calc;
  ResultSheet sheet;
  try {
    if (!ReadAndValidate(calc, form, sheet, ui)) return kNotSearched;
  } catch (const ConversionError& error) {
    ui.ShowMessage(error.what());
    return kNotSearched;
  }
  if (!StormSearchApplies(calc)) {
    ui.ShowMessage(kNotApplicable);
    return kNotSearched;
  }

  StormSearch search;
  {
    ProgressLine progress(err);
    search = SearchCriticalStorm(calc, std::ref(progress));
  }
  WriteCsvLine(out, StormSearchHeader());
  for (const StormCase& storm : search.cases) WriteCsvLine(out, StormCaseCells(storm));
  for (const std::string& line :
       StormSearchSummary(search, static_cast<int>(calc.Rain.Waveform), calc.Time.RainDuration)) {
    err << line << '\n';
  }
  return kSearched;
}
