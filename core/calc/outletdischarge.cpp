#include "core/calc/outletdischarge.h"

#include <cmath>

namespace {

// 2g and g with g = 9.8 m/s², as the orifice formulas of the calculation book state them.
constexpr double kTwoG = 19.6;
constexpr double kG = 9.8;
// 2g × 1.3: the head above the centre of the opening at sill + 1.8·d is 1.3·d.
constexpr double kTwoGTimesCentreHead = 25.48;

}  // namespace

RectangularOrifice::RectangularOrifice(double sill, double d, double b, double area, double c1,
                                       double c2)
    : m_sill(sill),
      m_height(d),
      m_freeCoefficient(c1 * b),
      m_submergedCoefficient(c2 * area),
      m_freeEnd(std::pow(1.2 * d, 1.5) * m_freeCoefficient),
      m_submergedStart(std::sqrt(kTwoGTimesCentreHead * d) * (c2 * d * b)) {}

double RectangularOrifice::FlowAt(double h) const {
  const double d = m_height;
  if (h <= m_sill) return 0.0;
  if (h <= m_sill + 1.2 * d) return std::pow(h - m_sill, 1.5) * m_freeCoefficient;
  if (h < m_sill + 1.8 * d) {
    return m_freeEnd + (m_submergedStart - m_freeEnd) * ((h - m_sill) - 1.2 * d) / 0.6 / d;
  }
  return std::sqrt(kTwoG * ((h - m_sill) - d / 2)) * m_submergedCoefficient;
}

double RectangularOrificeFlow(double h, double sill, double d, double b, double area, double c1,
                              double c2) {
  return RectangularOrifice(sill, d, b, area, c1, c2).FlowAt(h);
}

OutletRating::OutletRating(const TKisoData& calc)
    : m_lowerShape(calc.LowerOrifice.Shape),
      m_lowerRectangle(calc.LowerOrifice.SillLevel, calc.LowerOrifice.Height,
                       calc.LowerOrifice.Width, calc.LowerOrifice.Area, calc.LowerOrifice.C1,
                       calc.LowerOrifice.C2),
      m_upper(calc.UpperOrifice.SillLevel, calc.UpperOrifice.Height, calc.UpperOrifice.Width,
              calc.UpperOrifice.Area, calc.UpperOrifice.C1, calc.UpperOrifice.C2),
      m_circleSill(calc.LowerOrifice.SillLevel),
      m_circleDiameter(calc.LowerOrifice.Width),
      m_circleHalfHeight(calc.LowerOrifice.Height / 2),
      m_circleCoefficient(calc.LowerOrifice.CircleC * calc.LowerOrifice.Area),
      m_partlyFullCoefficient(std::sqrt(kG) * m_circleCoefficient),
      m_crest(calc.Spillway.CrestLevel),
      m_spillwayCoefficient(calc.Spillway.Coef * calc.Spillway.Width) {}

double OutletRating::LowerOrificeFlow(double h) const {
  switch (m_lowerShape) {
    case 0:
      return m_lowerRectangle.FlowAt(h);
    case 1: {
      double head = h - m_circleSill;
      if (head <= 0) return 0.0;
      if (h < m_circleSill + m_circleDiameter) return m_partlyFullCoefficient * std::sqrt(head);
      return std::sqrt(kTwoG * (head - m_circleHalfHeight)) * m_circleCoefficient;
    }
    default:
      return 0.0;
  }
}

OutletFlow OutletRating::At(double h) const {
  OutletFlow flow;
  if (h > m_crest) flow.spillway = std::pow(h - m_crest, 1.5) * m_spillwayCoefficient;
  flow.total = flow.spillway + LowerOrificeFlow(h) + m_upper.FlowAt(h);
  return flow;
}

OutletFlow OutletFlowAt(const TKisoData& calc, double h) { return OutletRating(calc).At(h); }

double OutletDischarge(TKisoData& calc, double h) {
  OutletFlow flow = OutletFlowAt(calc, h);
  calc.Spillway.LastFlow = flow.spillway;
  return flow.total;
}
