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

/// A rectangular orifice as RectangularOrificeFlow describes it, with the two ends of its
/// transition worked out once.
class RectangularOrifice {
 public:
  RectangularOrifice(double sill, double d, double b, double area, double c1, double c2);

  /// RectangularOrificeFlow at level `h` (m).
  double FlowAt(double h) const;

 private:
  double m_sill;
  double m_height;
  double m_freeCoefficient;       // c1·b
  double m_submergedCoefficient;  // c2·area
  double m_freeEnd;               // the weir flow at sill + 1.2·d
  double m_submergedStart;        // the submerged flow at sill + 1.8·d
};

/// The outlet works of one record with what their formulas share between levels worked out
/// once: a routing run evaluates the outflow at thousands of levels. OutletFlowAt builds one for
/// a single level.
class OutletRating {
 public:
  explicit OutletRating(const TKisoData& calc);

  OutletFlow At(double h) const;

 private:
  double LowerOrificeFlow(double h) const;

  int m_lowerShape;  // 0 rectangular, 1 circular, anything else no lower orifice
  RectangularOrifice m_lowerRectangle;
  RectangularOrifice m_upper;
  double m_circleSill;
  double m_circleDiameter;
  double m_circleHalfHeight;
  double m_circleCoefficient;      // C·A of the circular orifice
  double m_partlyFullCoefficient;  // √g·C·A, below the crown
  double m_crest;
  double m_spillwayCoefficient;    // coefficient × width
};

/// The outflow of all outlet works at level `h` (m). Pure: the rating charts use it on a record
/// they may not change.
OutletFlow OutletFlowAt(const TKisoData& calc, double h);

/// Total outflow (m³/s) at level `h` (m); sets `Spillway.LastFlow` to the spillway's share.
double OutletDischarge(TKisoData& calc, double h);
