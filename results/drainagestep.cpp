#include "results/drainagestep.h"

#include "core/calc/routeflood.h"
#include "core/calc/runpumpcalculation.h"
#include "core/calc/volumecheck.h"
#include "core/interaction/recordinginteraction.h"
#include "results/fillfloodrouting.h"
#include "results/fillpumpcalculation.h"
#include "results/volumechecktext.h"

namespace {

constexpr char kFloodOverflowMessage[] =
    "調節池データの範囲を超えました。\r\r調節池容量の再検討が必要です。\r\r　　計算を停止します。";
constexpr char kPumpOverflowMessage[] =
    "調節池データの範囲を超えました。\r\r調節池容量の再検討が必要です。\r計算を停止します。";

// The lookups of the check stay inside the pond table of a completed run; should one still
// speak, its message is not one of the run's.
RunFigures FloodFigures(const TRenzoku& calc, const FloodRouting& routing) {
  RecordingInteraction silent;
  const RoutingMaxima& max = routing.maxima;
  return {true, 0, max.MaxLevel, routing.peakRow.time, routing.maxLevelStorage, max.MaxInflow,
          max.MaxOutflow, calc.Pond.MaxLevel - max.MaxLevel,
          CheckFloodRouting(calc, routing, silent)};
}

RunFigures TrackingFigures(const TRenzoku& calc, const PumpTracking& tracking) {
  RecordingInteraction silent;
  const RoutingMaxima& max = tracking.maxima;
  return {true, 1, max.MaxLevel, max.MaxLevelTime, tracking.maxLevelStorage, max.MaxInflow,
          max.MaxOutflow, calc.Pond.MaxLevel - max.MaxLevel,
          CheckPumpTracking(calc, tracking, silent)};
}

// The figures and the check of a completed run; a run that stopped or has no single routing
// leaves them empty.
void RecordFigures(RunFigures figures, const TRenzoku& calc, ResultSheet& sheet) {
  figures.kind = static_cast<int>(calc.CalcKind);
  sheet.Figures = figures;
  sheet.CheckText = VolumeCheckLines(figures);
}

}  // namespace

int RunDrainageStep(TRenzoku& calc, const DesignForm& form, ResultSheet& sheet,
                    UserInteraction& ui, ProgressBar& progress) {
  switch (calc.CalcKind) {
    case 0: {
      FloodRouting routing = RouteFlood(calc, ui, progress);
      FillFloodRouting(calc, routing, form, sheet);
      RecordFigures(routing.outcome == kRoutingCompleted ? FloodFigures(calc, routing)
                                                         : RunFigures{},
                    calc, sheet);
      if (routing.outcome == kRoutingBeyondPondTable) {
        ui.ShowMessage(kFloodOverflowMessage);
        progress.SetPosition(0);
      }
      return routing.outcome;
    }
    case 1:
    case 2: {
      PumpCalculation pump = RunPumpCalculation(calc, ui);
      FillPumpCalculation(calc, pump, form, sheet);
      bool tracked = pump.kind == 1 && pump.outcome == kRoutingCompleted;
      RecordFigures(tracked ? TrackingFigures(calc, pump.tracking) : RunFigures{}, calc, sheet);
      if (pump.outcome == kRoutingBeyondPondTable) ui.ShowMessage(kPumpOverflowMessage);
      return pump.outcome;
    }
    default:
      RecordFigures({}, calc, sheet);
      return kRoutingCompleted;
  }
}
