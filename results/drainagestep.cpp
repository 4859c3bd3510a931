#include "results/drainagestep.h"

#include "core/calc/routeflood.h"
#include "core/calc/runpumpcalculation.h"
#include "results/fillfloodrouting.h"
#include "results/fillpumpcalculation.h"

namespace {

constexpr char kFloodOverflowMessage[] =
    "調節池データの範囲を超えました。\r\r調節池容量の再検討が必要です。\r\r　　計算を停止します。";
constexpr char kPumpOverflowMessage[] =
    "調節池データの範囲を超えました。\r\r調節池容量の再検討が必要です。\r計算を停止します。";

}  // namespace

int RunDrainageStep(TRenzoku& calc, const DesignForm& form, ResultSheet& sheet,
                    UserInteraction& ui, ProgressBar& progress) {
  switch (calc.CalcKind) {
    case 0: {
      FloodRouting routing = RouteFlood(calc, ui, progress);
      FillFloodRouting(calc, routing, form, sheet);
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
      if (pump.outcome == kRoutingBeyondPondTable) ui.ShowMessage(kPumpOverflowMessage);
      return pump.outcome;
    }
    default:
      return kRoutingCompleted;
  }
}
