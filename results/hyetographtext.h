#pragma once
/// The explanation of the hyetograph and runoff calculation ("Ⅱ-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌの計算").

#include "core/calc/trenzoku.h"
#include "results/resultsheet.h"

/// Replaces the hyetograph explanation list (group "算式" on "Ⅱ-1．降雨強度") with the lines
/// for the run's intensity source, block count and runoff formula.
void WriteHyetographText(const TRenzoku& calc, ResultSheet& sheet);
