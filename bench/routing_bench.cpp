// The calculation that runs on every recalculation: the whole run of the start-up design from
// the form to the filled sheet, the flood routing alone, the pump study, and a heavy design
// (time of concentration 30 min, pitch 0.5 min, 20,000 min of routing: 667 blocks of 60 steps).

#include <benchmark/benchmark.h>

#include "core/calc/hyetograph.h"
#include "core/calc/readconditions.h"
#include "core/calc/routeflood.h"
#include "core/calc/runpumpcalculation.h"
#include "core/interaction/recordinginteraction.h"
#include "results/runcalculation.h"

namespace {

DesignForm HeavyForm() {
  DesignForm form = StartupDesignForm();
  form.Concentration = "30";
  form.Pitch = "0.5";
  form.CalcDuration = "20000";
  return form;
}

// The record of a design as reading and the hyetograph leave it.
TRenzoku ReadAndBuild(DesignForm form) {
  TRenzoku calc;
  RecordingInteraction ui;
  ReadConditions(calc, form, ui);
  BuildDesignHyetograph(calc);
  return calc;
}

// The result sheet lives as long as the program, so a recalculation fills the same sheet again.
void FullRun(benchmark::State& state, const DesignForm& design) {
  ResultSheet sheet;
  for (auto _ : state) {
    DesignForm form = design;
    RecordingInteraction ui;
    NoProgressBar progress;
    bool completed = RunCalculation(form, sheet, ui, progress);
    benchmark::DoNotOptimize(completed);
    if (!completed) state.SkipWithError("the run stopped");
  }
}

void StartupFullRun(benchmark::State& state) { FullRun(state, StartupDesignForm()); }
void HeavyFullRun(benchmark::State& state) { FullRun(state, HeavyForm()); }

void Routing(benchmark::State& state, TRenzoku calc) {
  for (auto _ : state) {
    RecordingInteraction ui;
    NoProgressBar progress;
    FloodRouting routing = RouteFlood(calc, ui, progress);
    benchmark::DoNotOptimize(routing.maxima.MaxLevel);
  }
}

void StartupRouteFlood(benchmark::State& state) {
  Routing(state, ReadAndBuild(StartupDesignForm()));
}
void HeavyRouteFlood(benchmark::State& state) { Routing(state, ReadAndBuild(HeavyForm())); }

void StartupPumpStudy(benchmark::State& state) {
  TRenzoku calc = ReadAndBuild(StartupDesignForm());
  calc.CalcKind = 2;
  calc.Pump.MinCapacity = 0.0;
  calc.Pump.MaxCapacity = 9.0;
  for (auto _ : state) {
    RecordingInteraction ui;
    PumpCalculation pump = RunPumpCalculation(calc, ui);
    benchmark::DoNotOptimize(pump.study.sizeCount);
  }
}

}  // namespace

BENCHMARK(StartupFullRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartupRouteFlood)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartupPumpStudy)->Unit(benchmark::kMicrosecond);
BENCHMARK(HeavyFullRun)->Unit(benchmark::kMillisecond);
BENCHMARK(HeavyRouteFlood)->Unit(benchmark::kMillisecond);
