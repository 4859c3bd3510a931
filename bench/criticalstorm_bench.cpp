// The critical-storm search of the start-up design (216 routings on every core), and the same
// search on one thread for comparison. Wall time and the CPU time of the whole process (all
// workers) are both reported: on a shared machine the wall time says more about the neighbours.

#include <benchmark/benchmark.h>

#include "core/calc/criticalstormsearch.h"
#include "core/calc/readconditions.h"
#include "core/design/designform.h"
#include "core/interaction/recordinginteraction.h"

namespace {

TRenzoku StartupRecord() {
  DesignForm form = StartupDesignForm();
  TRenzoku calc;
  RecordingInteraction ui;
  ReadConditions(calc, form, ui);
  return calc;
}

void Search(benchmark::State& state) {
  TRenzoku calc = StartupRecord();
  for (auto _ : state) {
    StormSearch search = SearchCriticalStorm(calc, {}, {}, static_cast<unsigned>(state.range(0)));
    benchmark::DoNotOptimize(search.highestLevel);
  }
}
BENCHMARK(Search)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace
