#pragma once
/// The texts of the simplified estimate window: the V field and the worked derivation.

#include <string>

#include "core/calc/storageestimate.h"
#include "results/resultsheet.h"

/// The V field: the storage (m³) as "#,0.0" ("296,558.4").
std::string EstimatedStorageText(const StorageEstimate& estimate);

/// The derivation, one line per item, with the estimate's numbers filled in and the exponent as
/// typed.
TextList StorageEstimateLines(const StorageEstimate& estimate);
