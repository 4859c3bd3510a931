#pragma once
/// A line chart as data: title, two axes, a legend and an ordered list of series whose points
/// carry labels. The result window, the PDF report and the metafiles draw charts from this.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// A colour of a chart series.
struct ChartColour {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const ChartColour&) const = default;

  static constexpr ChartColour Black() { return {0, 0, 0}; }
  static constexpr ChartColour Red() { return {255, 0, 0}; }
  static constexpr ChartColour Green() { return {0, 128, 0}; }
  static constexpr ChartColour Yellow() { return {255, 255, 0}; }
  static constexpr ChartColour Blue() { return {0, 0, 255}; }
  static constexpr ChartColour Gray() { return {128, 128, 128}; }
};

struct ChartPoint {
  double x = 0;
  double y = 0;
  std::string label;  // shown as a mark when the series shows its marks
  std::optional<ChartColour> colour;  // the series' colour when not given
  bool operator==(const ChartPoint&) const = default;
};

/// A polyline through its points. By default the points are kept in ascending x (a point is
/// inserted after those with an equal or smaller x); an unsorted series keeps insertion order.
struct ChartSeries {
  enum class Kind { Line, FastLine };
  Kind kind = Kind::Line;
  std::string title;
  ChartColour colour;
  bool marksVisible = false;  // whether the points' marks are drawn
  /// What a mark shows: the point's label, or its y value in the left axis' format.
  enum class MarkText { Label, Value };
  MarkText markText = MarkText::Label;
  bool inLegend = false;
  bool sorted = true;
  std::vector<ChartPoint> points;

  /// Adds a point in the series' order.
  void Add(double x, double y, std::string label = {});
  /// Adds a point with its own colour.
  void Add(double x, double y, std::string label, ChartColour pointColour);

  bool operator==(const ChartSeries&) const = default;
};

/// An axis: its title, the number format of its tick labels and its range, which is automatic
/// until a filler fixes it.
struct ChartAxis {
  std::string title;
  std::string format;
  bool automatic = true;
  double minimum = 0;
  double maximum = 0;
  int minorTickCount = 0;
  bool showsPointLabels = false;  // tick labels are the labels of the points instead of values
  bool operator==(const ChartAxis&) const = default;
};

struct Chart {
  std::string title;
  ChartAxis left;    // y
  ChartAxis bottom;  // x
  bool legendVisible = false;  // the legend lists the titles of the series that are in it
  std::vector<ChartSeries> series;
  bool operator==(const Chart&) const = default;
};

/// Removes all points of every series of the chart.
void ClearChartSeries(Chart& chart);
/// Sets the colour of every series of the chart to black.
void BlackenChartSeries(Chart& chart);
/// Fixes the left axis to [yMin, yMax] and the bottom axis to [xMin, xMax].
void SetChartRanges(Chart& chart, double yMin, double yMax, double xMin, double xMax);
/// Makes the series keep its points in insertion order.
void UnsortSeries(ChartSeries& series);
/// Fixes one axis to [minimum, maximum].
void SetAxisRange(ChartAxis& axis, double minimum, double maximum);
