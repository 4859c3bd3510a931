#pragma once
/// The chart of the rainfall intensity curve window "降雨強度曲線図".

#include "core/design/designform.h"
#include "results/chart.h"

/// The curve r = a/(t^n + b) of the type-1 coefficients of `form`, whatever rain type is chosen:
/// one blue point every time of concentration Δt up to a day (1440 div Δt points), t in hours
/// or minutes by "ｔ の単位", each labelled with t rounded half to even for the bottom axis. t
/// and r are kept in single precision. Raises ConversionError when the time of concentration is
/// not a whole number, a coefficient is malformed, or Δt is 0 ("Division by zero"), so that the
/// window keeps its previous curve.
Chart IntensityCurveChart(const DesignForm& form);
