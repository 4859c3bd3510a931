// Drawing the nine charts of the start-up design (the eight of the result window and the
// intensity curve): into metafiles, and onto a 1000 × 600 image through QPainter.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include <QGuiApplication>

#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "qtdraw/chartpicture.h"
#include "reports/metafileexport.h"
#include "results/intensitycurvechart.h"
#include "results/runcalculation.h"

namespace {

struct StartupCharts {
  ResultSheet sheet;
  std::vector<Chart> charts;
  StartupCharts() {
    DesignForm form = StartupDesignForm();
    RecordingInteraction ui;
    NoProgressBar progress;
    RunCalculation(form, sheet, ui, progress);
    charts = {sheet.RatingChart, sheet.AreaChart,      sheet.StorageChart,
              sheet.HyetographChart, sheet.RunoffChart, sheet.DischargeChart,
              sheet.LevelChart, sheet.PondingChart, IntensityCurveChart(form)};
  }
};

const StartupCharts& Charts() {
  static const StartupCharts charts;
  return charts;
}

void NineChartsToMetafiles(benchmark::State& state) {
  for (auto _ : state) {
    for (const Chart& chart : Charts().charts) {
      benchmark::DoNotOptimize(ChartMetafileBytes(chart, kDischargeChartSize));
    }
  }
}
BENCHMARK(NineChartsToMetafiles)->Unit(benchmark::kMillisecond);

void NineChartsToImage(benchmark::State& state) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "chart_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  for (auto _ : state) {
    for (const Chart& chart : Charts().charts) {
      benchmark::DoNotOptimize(ChartImage(chart, {1000, 600}));
    }
  }
}
BENCHMARK(NineChartsToImage)->Unit(benchmark::kMillisecond);

}  // namespace
