// Feeds arbitrary bytes to the CSV import of observed intensities through a file. The file
// lives in memory (memfd), so nothing is left behind, however the run ends.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "core/design/formoperations.h"
#include "core/interaction/recordinginteraction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const int fd = memfd_create("vestaro-fuzz.csv", MFD_CLOEXEC);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (fd < 0 || ftruncate(fd, 0) != 0) __builtin_trap();
  for (std::size_t done = 0; done < size;) {
    ssize_t written = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
    if (written <= 0) __builtin_trap();
    done += static_cast<std::size_t>(written);
  }
  DesignForm form;
  SetStartupValues(form);
  RecordingInteraction ui;
  ImportObservedCsv(form, ui, path);
  if (form.ObservedGrid.RowCount() < 2 || form.ObservedGrid.RowCount() > 146) __builtin_trap();
  return 0;
}
