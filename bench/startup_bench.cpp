// The program's start-up to its first shown window, and the full calculation from F5 to the
// result window being asked to show and being painted, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <filesystem>

#include "app/applicationsetup.h"
#include "app/appinteraction.h"
#include "app/designdocument.h"
#include "app/mainwindow.h"
#include "app/resultwindow.h"
#include "bench/quietinteraction.h"

namespace {

QAction* fullRun(MainWindow& window) {
  return window.action(QString::fromUtf8("2．洪水調節数値計算"));
}

void BM_StartupToFirstShownWindow(benchmark::State& state) {
  QuietInteraction ui;
  for (auto _ : state) {
    DesignDocument document(std::filesystem::temp_directory_path());
    MainWindow window(document, ui);
    window.show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(window.isVisible());
    state.PauseTiming();
    window.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupToFirstShownWindow)->Unit(benchmark::kMillisecond);

void BM_F5ToResultWindow(benchmark::State& state) {
  QuietInteraction ui;
  DesignDocument document(std::filesystem::temp_directory_path());
  MainWindow window(document, ui);
  window.show();
  QCoreApplication::processEvents();
  bool shown = false;
  QObject::connect(&document, &DesignDocument::resultVisibilityChanged,
                   [&shown](bool visible) { shown = visible; });
  for (auto _ : state) {
    shown = false;
    fullRun(window)->trigger();
    if (!shown) state.SkipWithError("the run did not complete");
  }
}
BENCHMARK(BM_F5ToResultWindow)->Unit(benchmark::kMillisecond);

// F5 until the result window has painted its first page: tables, lists and the rating chart.
void BM_F5ToPaintedResultWindow(benchmark::State& state) {
  QuietInteraction ui;
  DesignDocument document(std::filesystem::temp_directory_path());
  MainWindow window(document, ui);
  window.show();
  QCoreApplication::processEvents();
  ResultWindow& results = *window.resultWindow();
  for (auto _ : state) {
    fullRun(window)->trigger();
    if (!results.isVisible()) state.SkipWithError("the result window was not shown");
    QPixmap painted = results.grab();
    benchmark::DoNotOptimize(painted.cacheKey());
  }
}
BENCHMARK(BM_F5ToPaintedResultWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SetUpApplication(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
