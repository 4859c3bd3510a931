// Loads a design file from arbitrary bytes and, when it loads, runs the whole calculation and
// writes both reports to memory. A run must end, completed or stopped with its messages, and a
// completed run's reports must be written.
#include <cmath>
#include <cstdint>
#include <ctime>
#include <sstream>
#include <string>

#include "core/calc/readconditions.h"
#include "core/calc/runpumpcalculation.h"
#include "core/design/designfile.h"
#include "core/design/textfile.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "core/text/conversionerror.h"
#include "reports/pdfreport.h"
#include "reports/textreport.h"
#include "results/runcalculation.h"

namespace {

// Designs up to these sizes keep the executions fast; the limits of reading, which are far
// larger, have their own tests and timings.
constexpr double kFuzzSteps = 20000;
constexpr double kFuzzTableRows = 2000;
constexpr double kFuzzPumpSizes = 20;

// Whether the design reads and stays within the fuzzing sizes.
bool SmallEnough(DesignForm form) {
  TRenzoku calc;
  RecordingInteraction ui;
  try {
    if (ReadConditions(calc, form, ui).errorFlag != 0) return true;  // refused at once anyway
  } catch (const ConversionError&) {
    return true;
  }
  const auto& time = calc.Time;
  if (time.Pitch > 0 && time.CalcDuration / time.Pitch > kFuzzSteps) return false;
  if (time.CalcDuration / time.Concentration > kFuzzTableRows) return false;
  if (time.RainDuration / time.Concentration > kFuzzTableRows) return false;
  return calc.CalcKind != 2 ||
         PumpStudySizeCount(calc.Pump.MinCapacity, calc.Pump.MaxCapacity) <= kFuzzPumpSizes;
}

std::tm FixedClock() {
  std::tm time{};
  time.tm_year = 124;
  time.tm_mday = 1;
  return time;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  TextFileLines file = DecodeShiftJisLines(bytes, "fuzz.dat");
  if (!file.ok) return 0;
  DesignForm form = StartupDesignForm();
  if (!ApplyDesignFileLines(form, file.lines).ok || !SmallEnough(form)) return 0;

  ResultSheet sheet;
  RecordingInteraction ui;
  NoProgressBar progress;
  if (!RunCalculation(form, sheet, ui, progress)) {
    if (ui.Texts().empty()) __builtin_trap();  // a stop always says why
    return 0;
  }
  std::ostringstream text;
  std::string textFailure = WriteTextReport(text, sheet, form);
  std::ostringstream pdf;
  std::string pdfFailure = WritePdfReport(pdf, sheet, form, FixedClock);
  // Only a text that Shift-JIS cannot hold may refuse a report; the fuzzer's texts can.
  if (textFailure.empty() == text.str().empty()) __builtin_trap();
  if (pdfFailure.empty() == pdf.str().empty()) __builtin_trap();
  return 0;
}
