#pragma once
/// The result window's stage table ("調節池データ"), which follows the pond reader.

#include "core/calc/readconditions.h"
#include "core/calc/trenzoku.h"
#include "results/resultsheet.h"

/// Applies what the pond reader did to the stage table: untouched when the reader did not run;
/// data rows emptied when it ran; when it completed, the row count becomes the pond's rows plus
/// the two header rows and each row shows H, F and V as "#,0.000".
void FillStageTable(const TRenzoku& calc, PondReaderState reader, ResultSheet& sheet);
