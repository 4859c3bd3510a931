#include "cli/chartpictures.h"

#include <charconv>

#include "cli/picturebytes.h"
#include "core/design/textfile.h"
#include "reports/metafileexport.h"

namespace {

// "WxH" with both sides whole pixels from 1 to 32767 (the metafile's limit).
std::optional<ChartSize> ParseSize(const std::string& text) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  ChartSize size;
  const char* end = text.data() + text.size();
  const auto width = std::from_chars(text.data(), text.data() + x, size.width);
  const auto height = std::from_chars(text.data() + x + 1, end, size.height);
  if (width.ec != std::errc() || width.ptr != text.data() + x || height.ec != std::errc() ||
      height.ptr != end || size.width < 1 || size.height < 1 || size.width > 32767 ||
      size.height > 32767) {
    return std::nullopt;
  }
  return size;
}

}  // namespace

bool TakeChartPictureOption(const std::vector<std::string>& args, std::size_t& i,
                            ChartPictureOptions& options) {
  const std::string& arg = args[i];
  if (arg == "--wmf") {
    options.wmf = true;
  } else if (arg == "--png") {
    options.png = true;
  } else if (arg == "--svg") {
    options.svg = true;
  } else if (arg == "--chart-size" && i + 1 < args.size()) {
    options.size = ParseSize(args[i + 1]);
    if (!options.size) return false;
    ++i;
  } else {
    return false;
  }
  return true;
}

bool WriteChartPictures(const ResultSheet& sheet, const DesignForm& form,
                        const std::filesystem::path& directory, const ChartPictureOptions& options,
                        UserInteraction& ui) {
  const auto sizeOf = [&](const ChartFile& file) { return options.size.value_or(file.screenSize); };
  if (options.wmf && !WriteMetafiles(sheet, form, directory, ui, sizeOf)) return false;
  for (PictureFormat format : {PictureFormat::Png, PictureFormat::Svg}) {
    if (!(format == PictureFormat::Png ? options.png : options.svg)) continue;
    for (const ChartFile& file : ChartFilesForKind(form.ActiveCalcKind)) {
      PictureBytes picture = ChartPictureBytes(sheet.*file.chart, sizeOf(file), format);
      std::string error = picture.error;
      if (error.empty()) {
        const char* extension = format == PictureFormat::Png ? ".png" : ".svg";
        error = WriteFileAtomically(directory / (file.baseName + extension), picture.bytes);
      }
      if (!error.empty()) {
        ui.ShowMessage(error);
        return false;
      }
    }
  }
  return true;
}
