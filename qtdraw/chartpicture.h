#pragma once
/// A chart as a picture: an image in memory, or the bytes of a PNG or SVG file. A
/// QGuiApplication must exist (it provides the fonts).

#include <string>

#include <QImage>

#include "charts/chartrenderer.h"
#include "charts/chartsizes.h"
#include "results/chart.h"

/// The chart drawn on white into an image of `size` px.
QImage ChartImage(const Chart& chart, ChartSize size, const ChartStyle& style = {});

/// The bytes of a PNG file of the chart at `size` px.
std::string ChartPngBytes(const Chart& chart, ChartSize size, const ChartStyle& style = {});

/// The bytes of an SVG file of the chart at `size` px, with lines and texts as vectors.
std::string ChartSvgBytes(const Chart& chart, ChartSize size, const ChartStyle& style = {});
