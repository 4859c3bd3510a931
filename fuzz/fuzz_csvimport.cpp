// Feeds arbitrary bytes to the CSV import of observed intensities through a file.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "core/design/formoperations.h"
#include "core/interaction/recordinginteraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/vestaro-fuzz-" + std::to_string(getpid()) + ".csv";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  DesignForm form;
  SetStartupValues(form);
  RecordingInteraction ui;
  ImportObservedCsv(form, ui, path);
  if (form.ObservedGrid.RowCount() < 2 || form.ObservedGrid.RowCount() > 146) __builtin_trap();
  return 0;
}
