// 100 designs through `vestaro-batch calc DIR` with their text and PDF reports and summary.csv,
// as a whole process. The CPU time of the child processes is reported as a counter, since the
// benchmark's own CPU time only covers waiting for them.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/design/designfile.h"
#include "core/interaction/recordinginteraction.h"

namespace {

namespace fs = std::filesystem;

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void HundredDesigns(benchmark::State& state) {
  fs::path root = fs::temp_directory_path() / "vestaro-manydesigns-bench";
  fs::remove_all(root);
  fs::create_directories(root / "designs");
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  for (int i = 0; i < 100; ++i) {
    SaveConditions(form, root / "designs" / ("design" + std::to_string(i) + ".dat"), ui);
  }
  const std::string command = std::string("'") + VESTARO_BATCH + "' calc '" +
                              (root / "designs").string() + "' --out '" + (root / "out").string() +
                              "' 2>/dev/null";
  double cpuBefore = ChildCpuSeconds();
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("vestaro-batch calc failed");
  }
  state.counters["child_cpu_s"] = benchmark::Counter(ChildCpuSeconds() - cpuBefore,
                                                     benchmark::Counter::kAvgIterations);
  fs::remove_all(root);
}
BENCHMARK(HundredDesigns)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
