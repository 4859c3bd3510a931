#pragma once
/// A chart as the bytes of a PNG or SVG file, drawn by Qt on its offscreen platform, so that
/// the batch tool needs no display.

#include <string>

#include "charts/chartsizes.h"
#include "results/chart.h"

enum class PictureFormat { Png, Svg };

struct PictureBytes {
  std::string bytes;
  std::string error;  // empty when the picture was drawn
};

/// The picture of the chart at `size` px. The first call starts Qt's GUI part (on the
/// offscreen platform unless QT_QPA_PLATFORM says otherwise); a build without Qt gives an error.
PictureBytes ChartPictureBytes(const Chart& chart, ChartSize size, PictureFormat format);
