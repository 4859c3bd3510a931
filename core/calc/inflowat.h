#pragma once
/// The pond inflow between the points of the runoff hydrograph.

#include "core/calc/trenzoku.h"

/// Inflow (m³/s) at time `t` (min) from rows `t` and `Q` of `Rain.Hyetograph`: a straight rise
/// from 0 at t = 0 to the first block's runoff at Tc, straight lines between block ends after
/// that, the last block's value at `Time.HyetographLength`, and 0 after it. Columns past the last
/// one of the hyetograph read as 0 (observed rain whose duration is longer than its blocks then
/// falls to 0 within one block).
double InflowAt(const TRain& calc, double t);
