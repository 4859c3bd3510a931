#pragma once
/// The numbers of a chart axis: the range in use, its round tick values and their labels.

#include <string>
#include <vector>

#include "results/chart.h"

/// The tick-label format of an axis: its own, or "#,##0.###" for an axis that has none.
std::string AxisFormat(const ChartAxis& axis);

/// A range of axis values; usable when both ends are finite and minimum < maximum.
struct AxisRange {
  double minimum = 0;
  double maximum = 0;
  bool Usable() const;
};

/// The range an axis shows: the filler's fixed range, or for an automatic axis the finite data
/// of every series (x for the bottom axis, y for the left) widened to round ticks. An automatic
/// axis whose data are one value gets a round range around it; one without data is unusable.
AxisRange ShownRange(const Chart& chart, const ChartAxis& axis, bool horizontal, int maxTicks);

/// The smallest tick step that the format can still tell apart (10^-decimals).
double FormatResolution(const std::string& format);

/// The tick step of 1, 2 or 5 × 10^k for at most `maxTicks` intervals over `range`, never finer
/// than `minimumStep`; 0 for an unusable range.
double RoundStep(const AxisRange& range, int maxTicks, double minimumStep = 0);

/// The whole multiples of `step` inside the range (ends included up to rounding noise).
std::vector<double> TicksInside(const AxisRange& range, double step);

/// `count` evenly spaced minor ticks in every interval of `step` that lies inside the range.
std::vector<double> MinorTicks(const AxisRange& range, double step, int count);

/// The tick labels of an axis: the values in the axis format. A default-formatted axis whose
/// step is finer than three decimals shows as many decimals as the step needs, so that its
/// labels never all read the same.
std::vector<std::string> TickLabels(const ChartAxis& axis, const std::vector<double>& ticks,
                                    double step);
