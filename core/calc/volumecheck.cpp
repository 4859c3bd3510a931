#include "core/calc/volumecheck.h"

#include <cmath>
#include <cstddef>

#include "core/calc/inflowat.h"
#include "core/calc/pondlookup.h"

namespace {

constexpr double kSecondsPerMinute = 60;
// Blocks 0 and 1 of a flood routing take five steps each.
constexpr int kEarlyBlockSteps = 5;

double Runoff(const RainHyetograph& hyetograph, std::size_t k) {
  return k < hyetograph.Q.size() ? hyetograph.Q[k] : 0.0;
}

// The inflow (m³/s) just before time t (min) in (k·Tc, (k+1)·Tc]: the straight line from the end
// of block k to the end of block k + 1, the rise from 0 in the first block.
double InflowBefore(const TRain& calc, std::size_t k, double t) {
  const RainHyetograph& hyetograph = calc.Rain.Hyetograph;
  const double tc = calc.Time.Concentration;
  double from = k == 0 ? 0.0 : Runoff(hyetograph, k);
  return from + (Runoff(hyetograph, k + 1) - from) * (t - static_cast<double>(k) * tc) / tc;
}

}  // namespace

VolumeCheck DesignedVolumes(const TRain& calc, double recessionStep) {
  VolumeCheck check;
  const RainHyetograph& hyetograph = calc.Rain.Hyetograph;
  const double tc = calc.Time.Concentration;
  const double end = calc.Time.HyetographLength;
  if (!(tc > 0) || !(end > 0)) return check;

  for (std::size_t n = 1; n < hyetograph.Q.size(); ++n) {
    check.blockVolume += hyetograph.Q[n] * tc * kSecondsPerMinute;
  }
  // Straight pieces, each a trapezoid; the last one ends at the end of the hyetograph.
  for (std::size_t k = 0; static_cast<double>(k) * tc < end; ++k) {
    double from = static_cast<double>(k) * tc;
    double to = std::fmin(from + tc, end);
    double startValue = k == 0 ? 0.0 : Runoff(hyetograph, k);
    check.hydrographVolume +=
        (startValue + InflowBefore(calc, k, to)) / 2 * (to - from) * kSecondsPerMinute;
  }
  check.recessionStep = recessionStep;
  check.recessionVolume = InflowAt(calc, end) / 2 * recessionStep * kSecondsPerMinute;
  return check;
}

VolumeCheck CheckFloodRouting(const TRenzoku& calc, const FloodRouting& routing,
                              UserInteraction& ui) {
  const double tc = calc.Time.Concentration;
  // The step that starts at the end of the hyetograph belongs to the block that starts there.
  double block = std::trunc(calc.Time.HyetographLength / tc);
  double step = block < 2 ? tc / kEarlyBlockSteps
                          : tc / StepsPerBlock(tc, calc.Time.Pitch);
  VolumeCheck check = DesignedVolumes(calc, step);
  check.intake = routing.volumes.inflow;
  check.release = routing.volumes.outflow;
  check.startStorage = LevelToStorage(calc, calc.Routing.StartLevel, ui);
  check.endStorage = LevelToStorage(calc, routing.endLevel, ui);
  return check;
}

VolumeCheck CheckPumpTracking(const TRenzoku& calc, const PumpTracking& tracking,
                              UserInteraction& ui) {
  VolumeCheck check = DesignedVolumes(calc, calc.Time.Pitch);
  check.intake = tracking.volumes.inflow;
  check.release = tracking.volumes.outflow;
  check.startStorage = LevelToStorage(calc, calc.Routing.StartLevel, ui);
  check.endStorage = tracking.endStorage;
  return check;
}
