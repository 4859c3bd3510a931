#include "reports/volumecheckreport.h"

#include "core/design/textfile.h"

std::string WriteVolumeCheckReport(const ResultSheet& sheet,
                                   const std::filesystem::path& directory) {
  ShiftJisText text = EncodeShiftJisLines(sheet.CheckText);
  if (!text.ok) return text.message;
  return WriteFileAtomically(directory / kVolumeCheckFileName, text.bytes);
}
