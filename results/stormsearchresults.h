#pragma once
/// The critical-storm search as the user reads it: a row of texts per combination, the lines
/// that name the worst combinations against the typed storm, and the chart of the highest level
/// against the rain duration, one series per waveform.

#include <string>
#include <vector>

#include "core/calc/criticalstormsearch.h"
#include "results/chart.h"
#include "results/resultsheet.h"

/// The name of a rainfall waveform: "中央集中型(1)", "中央集中型(2)", "後方集中型".
const char* WaveformName(int waveform);

/// The column titles: waveform, duration, max level, storage, max inflow, max outflow, outcome.
std::vector<std::string> StormSearchHeader();

/// The texts of one combination, in the columns of the header; numbers without thousands
/// separators so that a CSV file holds one number per field.
std::vector<std::string> StormCaseCells(const StormCase& storm);

/// The combinations of highest level and of highest outflow, and whether the typed storm
/// (`typedWaveform`, `typedDuration` in min) is among them or what is worse than it.
TextList StormSearchSummary(const StormSearch& search, int typedWaveform, double typedDuration);

/// Highest level (m) against rain duration (min), one series per waveform.
Chart StormSearchChart(const StormSearch& search);
