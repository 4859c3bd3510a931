#pragma once
/// Reading the pond's stage–area–storage table from the design-condition form.

#include "core/calc/trenzoku.h"
#include "core/design/designform.h"
#include "core/interaction/userinteraction.h"

/// Reads the unbroken run of numeric elevations from the first data row (at most 30 rows) with
/// their areas and, by the storage source, computed or typed storages; sets the lowest and
/// highest elevation and raises a start level below the pond bottom to it, writing the raised
/// level back into the form as "0.00". Returns 1 after the message of the first fault: no rows,
/// a missing area or typed storage, an elevation or a typed storage lower than the row above
/// (equal neighbours are allowed); rows stored before the fault stay. Returns 0 when read.
int ReadPondTable(TRenzoku& calc, DesignForm& form, UserInteraction& ui);
