#include "cli/estimatecommand.h"

#include <optional>

#include "cli/streaminteraction.h"
#include "core/calc/storageestimate.h"
#include "core/text/conversionerror.h"
#include "results/storageestimatetext.h"

int RunEstimate(const std::string& a, const std::string& n, const std::string& b,
                const std::string& qc, const std::string& area, const std::string& f,
                std::ostream& out, std::ostream& err) {
  StreamInteraction ui(err);
  std::optional<StorageEstimate> estimate;
  try {
    estimate = EstimateStorage({a, n, b, qc, area, f}, ui);
  } catch (const ConversionError& error) {
    ui.ShowMessage(error.what());
  }
  if (!estimate) return 1;
  out << EstimatedStorageText(*estimate) << '\n';
  for (const std::string& line : StorageEstimateLines(*estimate)) out << line << '\n';
  return 0;
}
