#include "cli/batchcommands.h"

#include <exception>
#include <new>

#include "cli/calccommand.h"
#include "cli/criticalcommand.h"
#include "cli/estimatecommand.h"
#include "cli/manydesigns.h"
#include "cli/streaminteraction.h"
#include "core/design/designfile.h"

namespace {

constexpr int kDone = 0;
constexpr int kUsageOrFileError = 2;

constexpr char kOutOfMemory[] = "メモリが不足したため、処理を中断しました。";
constexpr char kUnexpectedError[] = "次のエラーのため、処理を中断しました。\n";

constexpr char kUsage[] =
    "usage: vestaro-batch new FILE.dat\n"
    "       vestaro-batch resave IN.dat OUT.dat\n"
    "       vestaro-batch calc DESIGN.dat [--out DIR] [--messages FILE] [--observed-waveform 0|1]"
    " [--mono] [--check]\n"
    "       vestaro-batch calc A.dat B.dat ... | DIR ... [--out DIR] [calc options]\n"
    "       vestaro-batch critical DESIGN.dat\n"
    "       vestaro-batch estimate A N B QC AREA F\n";

int NewDesign(const std::string& path, std::ostream& err) {
  DesignForm form = StartupDesignForm();
  StreamInteraction ui(err);
  return SaveConditions(form, path, ui) ? kDone : kUsageOrFileError;
}

int Resave(const std::string& in, const std::string& out, std::ostream& err) {
  DesignForm form = StartupDesignForm();
  StreamInteraction ui(err);
  if (!LoadConditions(form, in, ui)) return kUsageOrFileError;
  return SaveConditions(form, out, ui) ? kDone : kUsageOrFileError;
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 2 && args[0] == "new" && !args[1].empty()) return NewDesign(args[1], err);
  if (!args.empty() && args[0] == "calc") {
    std::vector<std::string> calcArgs(args.begin() + 1, args.end());
    return NamesManyDesigns(calcArgs) ? RunManyDesigns(calcArgs, err) : RunCalcCommand(calcArgs, err);
  }
  if (!args.empty() && args[0] == "critical") {
    return RunCriticalCommand(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
  }
  if (args.size() == 3 && args[0] == "resave" && !args[1].empty() && !args[2].empty()) {
    return Resave(args[1], args[2], err);
  }
  if (args.size() == 7 && args[0] == "estimate") {
    return RunEstimate(args[1], args[2], args[3], args[4], args[5], args[6], out, err);
  }
  err << kUsage;
  return kUsageOrFileError;
}

}  // namespace

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // Files are only ever replaced whole, so a command that fails here has changed none of them.
  try {
    return RunCommand(args, out, err);
  } catch (const std::bad_alloc&) {
    err << kOutOfMemory << "\n";
  } catch (const std::exception& error) {
    err << kUnexpectedError << error.what() << "\n";
  }
  return kUsageOrFileError;
}
