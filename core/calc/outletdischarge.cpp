#include "core/calc/outletdischarge.h"

#include <cmath>

namespace {

// 2g and g with g = 9.8 m/s², as the orifice formulas of the calculation book state them.
constexpr double kTwoG = 19.6;
constexpr double kG = 9.8;
// 2g × 1.3: the head above the centre of the opening at sill + 1.8·d is 1.3·d.
constexpr double kTwoGTimesCentreHead = 25.48;

double LowerOrificeFlow(const TKisoData& calc, double h) {
  const auto& lower = calc.LowerOrifice;
  switch (lower.Shape) {
    case 0:
      return RectangularOrificeFlow(h, lower.SillLevel, lower.Height, lower.Width, lower.Area,
                                    lower.C1, lower.C2);
    case 1: {
      double diameter = lower.Width;
      double head = h - lower.SillLevel;
      if (head <= 0) return 0.0;
      if (h < lower.SillLevel + diameter) {
        return std::sqrt(kG) * (lower.CircleC * lower.Area) * std::sqrt(head);
      }
      return std::sqrt(kTwoG * (head - lower.Height / 2)) * (lower.CircleC * lower.Area);
    }
    default:
      return 0.0;
  }
}

}  // namespace

double RectangularOrificeFlow(double h, double sill, double d, double b, double area, double c1,
                              double c2) {
  if (h <= sill) return 0.0;
  if (h <= sill + 1.2 * d) return std::pow(h - sill, 1.5) * (c1 * b);
  if (h < sill + 1.8 * d) {
    double freeEnd = std::pow(1.2 * d, 1.5) * (c1 * b);
    double submergedStart = std::sqrt(kTwoGTimesCentreHead * d) * (c2 * d * b);
    return freeEnd + (submergedStart - freeEnd) * ((h - sill) - 1.2 * d) / 0.6 / d;
  }
  return std::sqrt(kTwoG * ((h - sill) - d / 2)) * (c2 * area);
}

OutletFlow OutletFlowAt(const TKisoData& calc, double h) {
  OutletFlow flow;
  if (h > calc.Spillway.CrestLevel) {
    flow.spillway = std::pow(h - calc.Spillway.CrestLevel, 1.5) *
                    (calc.Spillway.Coef * calc.Spillway.Width);
  }
  const auto& upper = calc.UpperOrifice;
  double upperFlow = RectangularOrificeFlow(h, upper.SillLevel, upper.Height, upper.Width,
                                            upper.Area, upper.C1, upper.C2);
  flow.total = flow.spillway + LowerOrificeFlow(calc, h) + upperFlow;
  return flow;
}

double OutletDischarge(TKisoData& calc, double h) {
  OutletFlow flow = OutletFlowAt(calc, h);
  calc.Spillway.LastFlow = flow.spillway;
  return flow.total;
}
