#pragma once
/// The headline numbers and the water balance of the last completed run, kept beside the result
/// window's texts so that summaries of many runs need not read formatted numbers back.

#include "core/calc/volumecheck.h"

struct RunFigures {
  /// A natural-drainage or water-level-tracking run completed; the numbers below are its own.
  bool available = false;
  int kind = -1;               // `CalcKind` of the run's drainage step, −1 before one ran
  double maxLevel = 0;         // m
  double maxLevelTime = 0;     // min, as the reports show it
  double requiredStorage = 0;  // m³, the storage at the highest level
  double maxInflow = 0;        // m³/s
  double maxOutflow = 0;       // m³/s
  double freeboard = 0;        // m, from the highest level to the top row of the pond table
  VolumeCheck volumes;
};
