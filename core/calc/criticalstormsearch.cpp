#include "core/calc/criticalstormsearch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

#include "core/calc/hyetograph.h"
#include "core/interaction/progressbar.h"
#include "core/calc/pondlookup.h"
#include "core/calc/routeflood.h"
#include "core/calc/runpumpcalculation.h"
#include "core/interaction/recordinginteraction.h"

namespace {

constexpr int kWaveforms = 3;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);
// A duration within this of the typed one (min) counts as the typed one.
constexpr double kSameDuration = 1e-9;

// Routes one combination on a private copy of the record.
StormCase Route(const TRenzoku& base, int waveform, double duration) {
  TRenzoku calc = base;
  calc.Rain.Waveform = static_cast<std::uint32_t>(waveform);
  calc.Time.RainDuration = duration;
  BuildDesignHyetograph(calc);
  RecordingInteraction silent;
  StormCase result{waveform, duration, kRoutingCompleted, 0, 0, 0, 0};
  RoutingMaxima maxima;
  if (calc.CalcKind == 0) {
    NoProgressBar progress;
    FloodRouting routing = RouteFlood(calc, silent, progress);
    result.outcome = routing.outcome;
    maxima = routing.maxima;
  } else {
    PumpCalculation pump = RunPumpCalculation(calc, silent);
    result.outcome = pump.outcome;
    maxima = pump.tracking.maxima;
  }
  if (result.outcome == kRoutingCompleted) {
    result.maxLevel = maxima.MaxLevel;
    result.storage = LevelToStorage(calc, maxima.MaxLevel, silent);
  } else {
    // The level left the table: nothing inside it is high enough to name.
    result.maxLevel = TopRowLevel(calc);
    result.storage = LevelToStorage(calc, result.maxLevel, silent);
  }
  result.maxInflow = maxima.MaxInflow;
  result.maxOutflow = maxima.MaxOutflow;
  return result;
}

// Whether case a is worse than case b by `value`: an overflow beats any completed case.
template <typename Value>
bool Worse(const StormCase& a, const StormCase& b, Value value) {
  bool aOver = a.outcome != kRoutingCompleted;
  bool bOver = b.outcome != kRoutingCompleted;
  if (aOver != bOver) return aOver;
  return value(a) > value(b);
}

template <typename Value>
int WorstCase(const std::vector<StormCase>& cases, Value value) {
  int worst = -1;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    if (worst < 0 || Worse(cases[i], cases[static_cast<std::size_t>(worst)], value)) {
      worst = static_cast<int>(i);
    }
  }
  return worst;
}

}  // namespace

std::vector<double> StormDurations(double concentration, double typedDuration) {
  std::vector<double> durations;
  if (!(concentration > 0) || !(typedDuration > 0)) return durations;
  for (double k = 1; k * concentration < typedDuration - kSameDuration; ++k) {
    durations.push_back(k * concentration);
  }
  durations.push_back(typedDuration);
  return durations;
}

bool StormSearchApplies(const TRenzoku& calc) {
  bool formula = calc.Rain.FormulaKind == 1 || calc.Rain.FormulaKind == 2;
  return formula && (calc.CalcKind == 0 || calc.CalcKind == 1);
}

StormSearch SearchCriticalStorm(const TRenzoku& calc,
                                const std::function<void(int, int)>& progress,
                                std::stop_token stop, unsigned threads) {
  StormSearch search;
  std::vector<double> durations =
      StormDurations(calc.Time.Concentration, calc.Time.RainDuration);
  const int total = kWaveforms * static_cast<int>(durations.size());
  search.cases.resize(static_cast<std::size_t>(total));

  std::atomic<int> next = 0;
  std::atomic<int> done = 0;
  std::mutex mutex;
  std::condition_variable finished;
  auto work = [&] {
    for (int i = next++; i < total && !stop.stop_requested(); i = next++) {
      std::size_t d = static_cast<std::size_t>(i) % durations.size();
      int waveform = i / static_cast<int>(durations.size());
      // Each worker writes only the slots it took, so the cases need no lock.
      search.cases[static_cast<std::size_t>(i)] = Route(calc, waveform, durations[d]);
      if (++done == total) {
        std::lock_guard lock(mutex);
        finished.notify_all();
      }
    }
  };

  unsigned workers = threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency());
  workers = std::min(workers, static_cast<unsigned>(std::max(total, 1)));
  {
    std::vector<std::jthread> pool;
    pool.reserve(workers);
    for (unsigned w = 0; w < workers; ++w) pool.emplace_back(work);
    std::unique_lock lock(mutex);
    for (;;) {
      finished.wait_for(lock, kProgressInterval, [&] { return done >= total; });
      bool over = done >= total || stop.stop_requested();
      if (progress) {
        lock.unlock();
        progress(done, total);
        lock.lock();
      }
      if (over) break;
    }
  }  // the workers are joined here

  if (done < total) {
    // The finished cases are scattered over the slots; a partial table would mislead.
    search.stopped = true;
    search.cases.clear();
    return search;
  }
  search.highestLevel = WorstCase(search.cases, [](const StormCase& c) { return c.maxLevel; });
  search.highestOutflow = WorstCase(search.cases, [](const StormCase& c) { return c.maxOutflow; });
  if (search.highestLevel < 0) return search;
  const StormCase& worst = search.cases[static_cast<std::size_t>(search.highestLevel)];
  for (std::size_t i = 0; i < search.cases.size(); ++i) {
    const StormCase& storm = search.cases[i];
    bool tied = storm.outcome == worst.outcome &&
                (storm.outcome != kRoutingCompleted || storm.maxLevel >= worst.maxLevel - kStormLevelTie);
    if (tied) search.nearHighestLevel.push_back(static_cast<int>(i));
  }
  return search;
}
