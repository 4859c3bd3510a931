#include "cli/calccommand.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "cli/chartpictures.h"
#include "cli/printedreportpdf.h"
#include "cli/streaminteraction.h"
#include "core/design/designfile.h"
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

// The run's messages, one per line, each carriage return spelled "\r".
bool WriteMessages(const std::filesystem::path& path, const std::vector<std::string>& texts) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  for (const std::string& text : texts) {
    for (char c : text) {
      if (c == '\r') {
        file << "\\r";
      } else {
        file << c;
      }
    }
    file << '\n';
  }
  file.close();
  return !file.fail();
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

  if (options->messagesFile && !WriteMessages(*options->messagesFile, run.Texts())) {
    err << "Cannot write file \"" << options->messagesFile->string() << "\".\n";
    return kUsageOrFileError;
  }
  if (!completed) return kStopped;

  StreamInteraction reporting(err);
  const bool textWritten = RunTextReport(sheet, form, options->outDir, reporting);
  // The PDF report is written without its questions: the batch tool has nobody to ask and
  // opens nothing.
  const bool pdfWritten = SavePdfReport(sheet, form, options->outDir, reporting);
  const bool checkWritten = !options->check || WriteCheck(sheet, options->outDir, err);
  const bool picturesWritten =
      !options->pictures.Any() ||
      WriteChartPictures(sheet, form, options->outDir, options->pictures, reporting);
  const bool printedWritten =
      !options->printPdf || WritePrintedReportWithoutDisplay(sheet, form, options->outDir, err);
  return textWritten && pdfWritten && checkWritten && picturesWritten && printedWritten
             ? kCompleted
             : kUsageOrFileError;
}
