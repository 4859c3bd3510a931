#pragma once
/// The lines of the volume check ("検証"): the designed hydrograph, what the routing took in,
/// released and stored, and the differences, in m³ and %.

#include "results/resultsheet.h"
#include "results/runfigures.h"

/// The check of a completed run; a run without a check (a pump study, a stop) gets a line that
/// says so.
TextList VolumeCheckLines(const RunFigures& figures);
