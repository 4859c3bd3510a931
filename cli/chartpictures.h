#pragma once
/// The chart picture files of vestaro-batch calc: the result charts as metafiles, PNG or SVG
/// files under the metafile export's names, written beside the reports.
///
///   --wmf  --png  --svg  --chart-size WxH
///
/// Without --chart-size each chart keeps its size in the result window.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "charts/chartsizes.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"
#include "results/resultsheet.h"

struct ChartPictureOptions {
  bool wmf = false;
  bool png = false;
  bool svg = false;
  std::optional<ChartSize> size;
  bool Any() const { return wmf || png || svg; }
};

/// Takes the option at args[i] when it is one of the picture options, moving i past its value;
/// false (i unchanged) for any other argument or a malformed size.
bool TakeChartPictureOption(const std::vector<std::string>& args, std::size_t& i,
                            ChartPictureOptions& options);

/// Writes the pictures asked for into `directory`: the metafiles without the export's
/// question, then the PNG and the SVG files of the same charts. The first file that cannot be
/// written shows its reason and stops. Returns whether every file was written.
bool WriteChartPictures(const ResultSheet& sheet, const DesignForm& form,
                        const std::filesystem::path& directory, const ChartPictureOptions& options,
                        UserInteraction& ui);
