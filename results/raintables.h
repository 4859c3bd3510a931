#pragma once
/// The rain and runoff tables of the result window, filled from the hyetograph of a run.

#include "core/calc/trenzoku.h"
#include "results/resultsheet.h"

/// The intensity table ("降雨強度(In)") and the hyetograph table ("降雨波形"): one data row per
/// block n = 1 … N−1 (row count N + 1).
void FillRainTables(const TRenzoku& calc, ResultSheet& sheet);

/// The runoff table ("流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(Q)：図"): one data row per time point k = 0 … N−1, time 0
/// included (row count N + 2).
void FillRunoffTable(const TRenzoku& calc, ResultSheet& sheet);
