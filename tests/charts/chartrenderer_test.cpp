#include "charts/chartrenderer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include <gtest/gtest.h>

#include "charts/chartmarks.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "core/text/formatnumber.h"
#include "results/intensitycurvechart.h"
#include "results/resultsheet.h"
#include "results/runcalculation.h"
#include "tests/support/recordingcanvas.h"

namespace {

using testing_support::RecordingCanvas;
using Polyline = RecordingCanvas::PolylineCall;
using TextCall = RecordingCanvas::TextCall;

constexpr CanvasRect kArea{10, 20, 640, 440};

bool Inside(CanvasPoint p, const CanvasRect& box) {
  constexpr double kSlack = 1e-6;
  return p.x >= box.left - kSlack && p.x <= box.right() + kSlack && p.y >= box.top - kSlack &&
         p.y <= box.bottom() + kSlack;
}

bool Inside(const CanvasRect& r, const CanvasRect& box) {
  return Inside(CanvasPoint{r.left, r.top}, box) && Inside(CanvasPoint{r.right(), r.bottom()}, box);
}

bool Overlap(const CanvasRect& a, const CanvasRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

struct Rendered {
  RecordingCanvas canvas;
  ChartLayout layout;
};

Rendered Render(const Chart& chart, const ChartStyle& style = {}) {
  Rendered r;
  r.canvas.SetFont(ChartTextFont(style));
  r.layout = LayoutChart(chart, r.canvas, kArea, style);
  r.canvas.calls.clear();
  RenderChart(chart, r.canvas, kArea, style);
  return r;
}

std::vector<Polyline> SeriesLines(const Rendered& r, ChartColour colour) {
  std::vector<Polyline> lines;
  for (const Polyline& line : r.canvas.All<Polyline>()) {
    if (line.pen.colour == colour && line.pen.dash == PenDash::Solid) lines.push_back(line);
  }
  return lines;
}

Chart Frame() {
  Chart chart;
  chart.title = "時間～水位";
  chart.bottom.title = "時間（分）";
  chart.left.title = "水位（ｍ）";
  chart.left.format = "#,##0.000";
  SetChartRanges(chart, 24.0, 34.0, 0, 66.9);
  return chart;
}

TEST(ChartRendererTest, DrawsTitlesRoundTicksAndTheSeriesInOrderOnWhite) {
  Chart chart = Frame();
  chart.series.resize(2);
  chart.series[0].colour = ChartColour::Red();
  chart.series[1].colour = ChartColour::Green();
  for (double t = 0; t <= 60; t += 10) {
    chart.series[0].Add(t, 24 + t / 10);
    chart.series[1].Add(t, 30);
  }
  const Rendered r = Render(chart);

  const auto fill = std::get<RecordingCanvas::FillCall>(r.canvas.calls.front());
  EXPECT_EQ(fill.rect, kArea);
  EXPECT_EQ(fill.colour, (ChartColour{255, 255, 255}));
  const std::vector<std::string> texts = r.canvas.Texts();
  for (const char* title : {"時間～水位", "時間（分）", "水位（ｍ）"}) {
    EXPECT_EQ(std::count(texts.begin(), texts.end(), title), 1) << title;
  }
  EXPECT_EQ(r.layout.yLabels,
            (std::vector<std::string>{"24.000", "26.000", "28.000", "30.000", "32.000", "34.000"}));
  // The bottom axis has no format: "#,##0.###", whole tens within 0 … 66.9.
  ASSERT_FALSE(r.layout.xLabels.empty());
  EXPECT_EQ(r.layout.xLabels.front(), "0");
  for (const std::string& label : r.layout.xLabels) {
    int value = -1;
    std::from_chars(label.data(), label.data() + label.size(), value);
    EXPECT_EQ(value % 10, 0) << label;
    EXPECT_LE(value, 66);
  }
  // Red before green, each one polyline through its seven points, inside the plot.
  const auto lines = r.canvas.All<Polyline>();
  const auto red = std::find_if(lines.begin(), lines.end(),
                                [](const Polyline& l) { return l.pen.colour == ChartColour::Red(); });
  const auto green = std::find_if(lines.begin(), lines.end(), [](const Polyline& l) {
    return l.pen.colour == ChartColour::Green();
  });
  ASSERT_NE(red, lines.end());
  ASSERT_NE(green, lines.end());
  EXPECT_LT(red, green);
  EXPECT_EQ(red->points.size(), 7u);
  EXPECT_EQ(red->points.front(), (CanvasPoint{r.layout.plot.left, r.layout.plot.bottom()}));
  for (const CanvasPoint& p : red->points) EXPECT_TRUE(Inside(p, r.layout.plot));
  // Everything drawn lies inside the area.
  for (const TextCall& text : r.canvas.All<TextCall>()) EXPECT_TRUE(Inside(text.Box(), kArea)) << text.text;
}

TEST(ChartRendererTest, CutsWhatLiesBeyondTheRangesAndKeepsMarksInsideThePlot) {
  Chart chart = Frame();
  ChartSeries curve;
  curve.colour = ChartColour::Red();
  UnsortSeries(curve);
  for (double t : {-20.0, 5.0, 10.0, 30.0, 90.0}) curve.Add(t, t == 10 ? 40.0 : 26.0);
  // A level marker left of the range, one at the top-right corner, one at the left edge.
  ChartSeries beyond, corner, edge;
  for (ChartSeries* s : {&beyond, &corner, &edge}) {
    s->colour = ChartColour::Blue();
    s->marksVisible = true;
    UnsortSeries(*s);
  }
  beyond.Add(-30, 25, "余水吐敷高=25.000m");
  beyond.Add(-25, 25, " ");
  corner.Add(66.9, 34.0, "H=34.000m");
  edge.Add(0, 28.0, "ｵﾘﾌｨｽ敷高=28.000m");
  edge.Add(5, 28.0, " ");
  chart.series = {curve, beyond, corner, edge};
  const Rendered r = Render(chart);

  const auto red = SeriesLines(r, ChartColour::Red());
  ASSERT_FALSE(red.empty());
  for (const Polyline& line : red) {
    for (const CanvasPoint& p : line.points) EXPECT_TRUE(Inside(p, r.layout.plot));
  }
  // The curve leaves the top of the plot and comes back: two pieces.
  EXPECT_EQ(red.size(), 2u);
  const auto texts = r.canvas.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "余水吐敷高=25.000m"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), " "), 0);
  for (const char* mark : {"H=34.000m", "ｵﾘﾌｨｽ敷高=28.000m"}) {
    EXPECT_EQ(std::count(texts.begin(), texts.end(), mark), 1) << mark;
  }
  for (const TextCall& text : r.canvas.All<TextCall>()) {
    if (text.text == "H=34.000m" || text.text == "ｵﾘﾌｨｽ敷高=28.000m") {
      EXPECT_TRUE(Inside(text.Box(), r.layout.plot)) << text.text;
    }
  }
}

TEST(ChartRendererTest, MarkPlacementPrefersAboveAndStaysInBounds) {
  const CanvasRect bounds{0, 0, 200, 100};
  const CanvasPoint size{40, 12};
  const CanvasRect middle = PlaceMark({100, 50}, size, bounds);
  EXPECT_LT(middle.bottom(), 50);
  EXPECT_DOUBLE_EQ(middle.left + middle.width / 2, 100);
  const CanvasRect top = PlaceMark({100, 5}, size, bounds);
  EXPECT_GT(top.top, 5);
  for (CanvasPoint at : {CanvasPoint{0, 0}, CanvasPoint{200, 0}, CanvasPoint{200, 100},
                         CanvasPoint{1, 99}}) {
    EXPECT_TRUE(Inside(PlaceMark(at, size, bounds), bounds));
  }
}

TEST(ChartRendererTest, LegendNamesOnlyTheCurvesOfTheTwoChartsThatShowOne) {
  ResultSheet sheet;
  for (Chart* chart : {&sheet.DischargeChart, &sheet.LevelChart, &sheet.RatingChart}) {
    SetChartRanges(*chart, 0, 2, 0, 100);
    for (ChartSeries& s : chart->series) {
      s.Add(10, 1, " ");
      s.Add(11, 1, "Qin=1.000m3/s");
    }
  }
  for (ChartStyle::LegendPlace place :
       {ChartStyle::LegendPlace::Right, ChartStyle::LegendPlace::Bottom}) {
    ChartStyle style;
    style.legendPlace = place;
    const Rendered discharge = Render(sheet.DischargeChart, style);
    const CanvasRect legend = discharge.layout.legend;
    ASSERT_GT(legend.width, 0);
    EXPECT_FALSE(Overlap(legend, discharge.layout.plot));
    EXPECT_TRUE(Inside(legend, kArea));
    std::vector<std::string> inLegend;
    for (const TextCall& text : discharge.canvas.All<TextCall>()) {
      if (Inside(text.anchor, legend)) inLegend.push_back(text.text);
    }
    EXPECT_EQ(inLegend, (std::vector<std::string>{"流入量", "放流量"}));
    const Rendered level = Render(sheet.LevelChart, style);
    const auto texts = level.canvas.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "水　位"), 1);
  }
  const Rendered rating = Render(sheet.RatingChart);
  EXPECT_EQ(rating.layout.legend, CanvasRect{});
}

TEST(ChartRendererTest, AnAxisWithoutAUsableRangeDrawsFrameAndTitlesOnly) {
  Chart chart = Frame();
  chart.series.resize(1);
  chart.series[0].colour = ChartColour::Red();
  chart.series[0].marksVisible = true;
  chart.series[0].Add(10, 24, "H=24.000m");
  chart.series[0].Add(20, 24);
  for (double bad : {24.0, std::nan(""), HUGE_VAL}) {
    SetAxisRange(chart.left, 24.0, bad);
    const Rendered r = Render(chart);
    EXPECT_TRUE(r.layout.yLabels.empty());
    EXPECT_TRUE(SeriesLines(r, ChartColour::Red()).empty());
    const auto texts = r.canvas.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "H=24.000m"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "水位（ｍ）"), 1);
    EXPECT_EQ(r.canvas.All<RecordingCanvas::RectangleCall>().front().rect, r.layout.plot);
  }
}

TEST(ChartRendererTest, IntensityCurveAxisShowsThePointLabelsApart) {
  DesignForm form = StartupDesignForm();
  const Chart chart = IntensityCurveChart(form);
  const Rendered r = Render(chart);
  ASSERT_GE(r.layout.xLabels.size(), 5u);
  std::vector<CanvasRect> boxes;
  for (const TextCall& text : r.canvas.All<TextCall>()) {
    if (text.v == VAlign::Top && text.anchor.y > r.layout.plot.bottom() &&
        text.anchor.y < r.layout.plot.bottom() + 12) {
      boxes.push_back(text.Box());
    }
  }
  ASSERT_EQ(boxes.size(), r.layout.xLabels.size());
  for (std::size_t i = 1; i < boxes.size(); ++i) EXPECT_LT(boxes[i - 1].right(), boxes[i].left);
  // Each label is the label of the point it stands under.
  for (std::size_t i = 0; i < r.layout.xTicks.size(); ++i) {
    const auto& points = chart.series[0].points;
    const auto point = std::find_if(points.begin(), points.end(), [&](const ChartPoint& p) {
      return p.x == r.layout.xTicks[i];
    });
    ASSERT_NE(point, points.end());
    EXPECT_EQ(point->label, r.layout.xLabels[i]);
  }
}

TEST(ChartRendererTest, ValueMarksUseTheLeftFormatAndNeverCoverEachOther) {
  ResultSheet sheet;
  Chart& chart = sheet.PondingChart;
  for (int k = 0; k <= 25; ++k) chart.series[0].Add(0.2 * k, 30 - 0.15 * k);
  const Rendered r = Render(chart);
  std::vector<CanvasRect> marks;
  for (const TextCall& text : r.canvas.All<TextCall>()) {
    if (Inside(text.anchor, r.layout.plot)) marks.push_back(text.Box());
  }
  ASSERT_GE(marks.size(), 5u);
  for (std::size_t i = 0; i < marks.size(); ++i) {
    for (std::size_t j = i + 1; j < marks.size(); ++j) EXPECT_FALSE(Overlap(marks[i], marks[j]));
  }
  const auto texts = r.canvas.All<TextCall>();
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [&](const TextCall& t) {
              return t.text == FormatNumber("#,##0.000", 30) && Inside(t.anchor, r.layout.plot);
            }),
            1);
}

// Every chart of a start-up run, in colour and in "白黒": inside its area, ticks evenly spaced
// by 1, 2 or 5 × 10^k, and in "白黒" every curve black.
TEST(ChartRendererTest, EveryChartOfAStartupRunIsDrawnInsideItsAreaWithRoundTicks) {
  for (int colour : {0, 1}) {
    DesignForm form = StartupDesignForm();
    form.OutputColour = colour;
    ResultSheet sheet;
    RecordingInteraction ui;
    NoProgressBar progress;
    ASSERT_TRUE(RunCalculation(form, sheet, ui, progress));
    for (const Chart* chart : {&sheet.RatingChart, &sheet.AreaChart, &sheet.StorageChart,
                               &sheet.HyetographChart, &sheet.RunoffChart,
                               &sheet.DischargeChart, &sheet.LevelChart}) {
      const Rendered r = Render(*chart);
      SCOPED_TRACE(chart->title);
      for (const TextCall& text : r.canvas.All<TextCall>()) {
        EXPECT_TRUE(Inside(text.Box(), kArea)) << text.text;
      }
      for (const Polyline& line : r.canvas.All<Polyline>()) {
        for (const CanvasPoint& p : line.points) EXPECT_TRUE(Inside(p, kArea));
        if (colour == 1 && line.pen.dash == PenDash::Solid && Inside(line.points[0], r.layout.plot)) {
          EXPECT_EQ(line.pen.colour, ChartColour::Black());
        }
      }
      for (const auto* ticks : {&r.layout.xTicks, &r.layout.yTicks}) {
        ASSERT_GE(ticks->size(), 3u);
        const double step = (*ticks)[1] - (*ticks)[0];
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
                    std::fabs(mantissa - 5) < 1e-6)
            << step;
        for (std::size_t i = 1; i < ticks->size(); ++i) {
          EXPECT_NEAR((*ticks)[i] - (*ticks)[i - 1], step, 1e-9 * std::fabs(step) * 1e3);
        }
      }
    }
  }
}

}  // namespace
