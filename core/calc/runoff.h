#pragma once
/// The rational formula that turns one rain block into runoff.

#include "core/calc/trenzoku.h"

/// Runoff (m³/s) of a block of intensity `intensity` (mm/hr): f·I·A·K/360 + Qfix, with the
/// catchment area A in ha (1 mm/hr on 1 ha is 10 m³ per hour).
double BlockRunoff(const TKisoData& calc, double intensity);
