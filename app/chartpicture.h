#pragma once
/// A chart of the result sheet written as a picture file, drawn by the same renderer as on
/// screen.

#include <QSize>
#include <QString>

#include "charts/chartrenderer.h"
#include "results/chart.h"

/// Writes the chart at `size` pixels to `path`: SVG when the name ends in ".svg", PNG otherwise.
/// Returns whether the file was written.
bool SaveChartPicture(const Chart& chart, const ChartStyle& style, QSize size,
                      const QString& path);
