#pragma once
/// The level checks of a design that has been read: errors stop the run, warnings are shown
/// and the run goes on.

#include "core/calc/trenzoku.h"
#include "core/interaction/userinteraction.h"

/// Checks the start level, the orifice sills and the spillway crest against each other and the
/// pond table, then the orifice coefficients. Returns 1 after the message of the first failed
/// stop check; otherwise shows every warning in order and returns 0. Never changes the record.
int ValidateConditions(const TRenzoku& calc, UserInteraction& ui);
