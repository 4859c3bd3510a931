#include "results/drainagestep.h"

// Flood routing and pump drainage come with the routing engine; until then the step completes
// without changing the routing results.
int RunDrainageStep(TRenzoku&, const DesignForm&, ResultSheet&, UserInteraction&, ProgressBar&) {
  return 0;
}
