#pragma once
/// The simplified estimate of the required pond storage: for rain r = a/(t^n + b) and an
/// allowable release Qc, the rain duration that maximises V = (r − rc/2)·60·t·f·A/360 is found in
/// closed form from dV/dt = 0, and V is evaluated there.

#include <optional>
#include <string>

#include "core/interaction/userinteraction.h"

/// The six inputs as typed in the estimate window (the defaults are the window's initial texts).
struct StorageEstimateInputs {
  std::string a = "2590";    // numerator of r = a/(t^n + b)
  std::string n = "3/4";     // exponent of t, a number or a fraction
  std::string b = "12.9";    // added to t^n
  std::string Qc = "6.0";    // allowable release (m³/s)
  std::string A = "247.9";   // catchment area (ha)
  std::string f = "0.84";    // runoff coefficient
};

/// The inputs as numbers and every intermediate value of the estimate.
struct StorageEstimate {
  double a = 0, n = 0, b = 0;
  std::string nText;  // the exponent exactly as typed, for the derivation text
  double Qc = 0;      // m³/s
  double A = 0;       // ha
  double f = 0;
  double rc = 0;     // rain intensity whose runoff equals Qc (mm/hr)
  double k = 0;      // A·f·60/360
  double h = 0;      // rc/2
  double alpha = 0;  // coefficients of α·x² + β·x + γ = 0 in x = t^n
  double beta = 0;
  double gamma = 0;
  double x = 0;      // the larger root
  double ti = 0;     // rain duration of the largest storage (min)
  double ri = 0;     // rain intensity for that duration (mm/hr)
  double V = 0;      // required storage (m³)
};

/// Computes the estimate. The numbers are read strictly (n by the fraction parser), in the order
/// a, n, b, Qc, A, f; a malformed text raises ConversionError. A division by zero (Qc, f, A or n
/// zero), a negative discriminant or a result that is not finite shows the floating-point error
/// ("Floating point division by zero", "Invalid floating point operation" or "Floating point
/// overflow") and gives nothing, so the window keeps its previous result.
std::optional<StorageEstimate> EstimateStorage(const StorageEstimateInputs& inputs,
                                               UserInteraction& ui);
