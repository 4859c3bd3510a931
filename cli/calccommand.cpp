#include "cli/calccommand.h"

#include <filesystem>
#include <optional>

#include "cli/chartpictures.h"
#include "cli/printedreportpdf.h"
#include "cli/streaminteraction.h"
#include "core/design/atomicfileset.h"
#include "core/design/designfile.h"
#include "core/design/fileerror.h"
#include "core/design/textfile.h"
#include "core/interaction/progressbar.h"
#include "reports/pdfreport.h"
#include "reports/textreport.h"
#include "reports/volumecheckreport.h"
#include "results/runcalculation.h"

namespace {

constexpr int kCompleted = 0;
constexpr int kStopped = 1;
constexpr int kUsageOrFileError = 2;

struct CalcOptions {
  std::filesystem::path design;
  std::filesystem::path outDir = ".";
  std::optional<std::filesystem::path> messagesFile;
  int observedWaveform = 0;
  bool mono = false;
  ChartPictureOptions pictures;
  bool printPdf = false;
  bool check = false;
};

std::optional<CalcOptions> ParseOptions(const std::vector<std::string>& args) {
  CalcOptions options;
  bool haveDesign = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
    if (arg == "--mono") {
      options.mono = true;
    } else if (arg == "--print-pdf") {
      options.printPdf = true;
    } else if (arg == "--check") {
      options.check = true;
    } else if (arg == "--out" && hasValue) {
      options.outDir = args[++i];
    } else if (arg == "--messages" && hasValue) {
      options.messagesFile = args[++i];
    } else if (arg == "--observed-waveform" && hasValue &&
               (args[i + 1] == "0" || args[i + 1] == "1")) {
      options.observedWaveform = args[++i] == "1" ? 1 : 0;
    } else if (TakeChartPictureOption(args, i, options.pictures)) {
    } else if (!haveDesign && !arg.empty() && arg.front() != '-') {
      options.design = arg;
      haveDesign = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveDesign) return std::nullopt;
  return options;
}

// The run's messages, one per line, each carriage return spelled "\r". Returns the reason
// when the file cannot be written, else the empty text.
std::string WriteMessages(const std::filesystem::path& path, const std::vector<std::string>& texts) {
  std::string bytes;
  for (const std::string& text : texts) {
    for (char c : text) {
      if (c == '\r') {
        bytes += "\\r";
      } else {
        bytes += c;
      }
    }
    bytes += '\n';
  }
  return WriteFileAtomically(path, bytes);
}

// The output folder, created with its parents when it is missing.
bool PrepareOutputFolder(const std::filesystem::path& folder, UserInteraction& ui) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error) return true;
  ui.ShowMessage(FileErrorMessage("Cannot create folder", folder, error.value()));
  return false;
}

// Puts the files of a completed run in place as one set: every file is written to a temporary
// first, and only when all of them are written do they replace the old ones, so that the
// folder never holds the reports of two different runs.
int WriteRunFiles(const ResultSheet& sheet, const DesignForm& form, const CalcOptions& options,
                  UserInteraction& ui) {
  if (!PrepareOutputFolder(options.outDir, ui)) return kUsageOrFileError;
  AtomicFileSet files;
  if (!AddTextReport(sheet, form, options.outDir, files, ui)) return kUsageOrFileError;
  // The PDF report is written without its questions: the batch tool has nobody to ask and
  // opens nothing.
  if (!AddPdfReport(sheet, form, options.outDir, files, ui)) return kUsageOrFileError;
  if (!CommitFiles(files, ui)) return kUsageOrFileError;
  ui.ShowMessage(kTextReportWritten);
  ui.ShowMessage(kPdfReportWritten);
  return kCompleted;
}

bool WriteCheck(const ResultSheet& sheet, const std::filesystem::path& dir, std::ostream& err) {
  std::string error = WriteVolumeCheckReport(sheet, dir);
  if (!error.empty()) err << StreamInteraction::Readable(error) << '\n';
  return error.empty();
}

}  // namespace

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& err,
                   ResultSheet* finishedSheet) {
  std::optional<CalcOptions> options = ParseOptions(args);
  if (!options) {
    err << "usage: vestaro-batch calc DESIGN.dat [--out DIR] [--messages FILE]"
           " [--observed-waveform 0|1] [--mono] [--check]"
           " [--wmf] [--png] [--svg] [--chart-size WxH] [--print-pdf]\n";
    return kUsageOrFileError;
  }

  DesignForm form;
  SetStartupValues(form);
  StreamInteraction loading(err);
  if (!LoadConditions(form, options->design, loading)) return kUsageOrFileError;
  form.ObservedWaveform = options->observedWaveform;
  form.OutputColour = options->mono ? 1 : 0;

  ResultSheet sheet;
  StreamInteraction run(err);
  NoProgressBar progress;
  bool completed = RunCalculation(form, sheet, run, progress);
  if (finishedSheet) *finishedSheet = sheet;

  if (options->messagesFile) {
    if (std::string failure = WriteMessages(*options->messagesFile, run.Texts()); !failure.empty()) {
      err << failure << "\n";
      return kUsageOrFileError;
    }
  }
  if (!completed) return kStopped;

  StreamInteraction reporting(err);
  // The two reports replace the old ones as a pair; the optional files follow them, each
  // replaced whole on its own.
  const int reports = WriteRunFiles(sheet, form, *options, reporting);
  if (reports != kCompleted) return reports;
  const bool checkWritten = !options->check || WriteCheck(sheet, options->outDir, err);
  const bool picturesWritten =
      !options->pictures.Any() ||
      WriteChartPictures(sheet, form, options->outDir, options->pictures, reporting);
  const bool printedWritten =
      !options->printPdf || WritePrintedReportWithoutDisplay(sheet, form, options->outDir, err);
  return checkWritten && picturesWritten && printedWritten ? kCompleted : kUsageOrFileError;
}
