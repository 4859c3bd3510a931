#pragma once
/// The part of the routing explanation ("算式" on "Ⅲ-1．計算式、表") that the flood routing and
/// the pump calculation share: the continuity equation in central differences and the heading of
/// the outflow section; and the first lines of the summary ("計算結果概要").

#include "results/resultsheet.h"

/// Appends the lines from "  洪水調節数値計算は流入量(I)と流出量(O)との差が調節池に" to
/// "  2)放流量".
void AppendContinuityEquationLines(TextList& lines);

/// Appends "最高水位    =…m", "必要調節容量=…m3" and "最大流入量  =…m3/s" (level in m, storage in
/// m³, inflow in m³/s).
void AppendPeakSummary(TextList& lines, double maxLevel, double requiredStorage, double maxInflow);
