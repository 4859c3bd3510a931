#pragma once
/// Discharge of a pond's natural-drainage outlet works: the lower orifice (rectangular or
/// circular), the optional upper orifice (rectangular) and the spillway, computed independently
/// and added.

#include "core/calc/trenzoku.h"

/// The outflow at one level, with the spillway's share kept apart for the routing table.
struct OutletFlow {
  double total = 0;     // m³/s, spillway + lower orifice + upper orifice
  double spillway = 0;  // m³/s, 0 at or below the crest
};

/// Discharge (m³/s) of a rectangular orifice at level `h` (m) with sill `sill` (m), height `d`
/// (m), width `b` (m), opening area `area` (m²), free-flow coefficient `c1` and submerged
/// coefficient `c2`: dry at or below the sill, weir flow up to sill + 1.2·d, submerged flow from
/// sill + 1.8·d, and a straight line between the two in the transition.
double RectangularOrificeFlow(double h, double sill, double d, double b, double area, double c1,
                              double c2);

/// The outflow of all outlet works at level `h` (m). Pure: the rating charts use it on a record
/// they may not change.
OutletFlow OutletFlowAt(const TKisoData& calc, double h);

/// Total outflow (m³/s) at level `h` (m); sets `Spillway.LastFlow` to the spillway's share.
double OutletDischarge(TKisoData& calc, double h);
