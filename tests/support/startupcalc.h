#pragma once
/// The calculation object of the start-up design as reading and the hyetograph leave it, for the
/// routing tests: the record's fields set directly and the hyetograph loaded from
/// tests/data/routing/startup_hyetograph.txt (computed independently of the program).

#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>

#include "core/calc/trenzoku.h"
#include "core/text/numberreading.h"
#include "tests/support/testfiles.h"

namespace testing_support {

struct PondRow {
  double h, f, v;
};

inline void SetPond(TKisoData& calc, std::initializer_list<PondRow> rows) {
  calc.Pond.RowCount = 0;
  for (const PondRow& row : rows) {
    auto i = static_cast<std::size_t>(calc.Pond.RowCount++);
    calc.Pond.H[i] = row.h;
    calc.Pond.F[i] = row.f;
    calc.Pond.V[i] = row.v;
  }
  calc.Pond.MinLevel = calc.Pond.H[0];
  calc.Pond.MaxLevel = calc.Pond.H[static_cast<std::size_t>(calc.Pond.RowCount - 1)];
}

/// The start-up design: type-1 rain, rear-loaded, Tc 20 min, pitch 20 min, 2000 min of routing,
/// one rectangular orifice 0.9 × 0.9 m at 24.000 m, spillway 1.000 m at 32.000 m, the twelve
/// typed pond rows, the start level raised to the pond bottom.
inline TRenzoku StartupCalc() {
  TRenzoku calc;
  calc.CalcKind = 0;
  calc.OrificeStages = 1;
  calc.LowerOrifice.SillLevel = 24.0;
  calc.LowerOrifice.Width = 0.9;
  calc.LowerOrifice.Height = 0.9;
  calc.LowerOrifice.Area = 0.9 * 0.9;
  calc.LowerOrifice.C1 = 1.8;
  calc.LowerOrifice.C2 = 0.6;
  calc.AllowableRelease = 6.0;
  calc.Pump.Capacity = 0.5;
  calc.Pump.MinCapacity = 0.0;
  calc.Pump.MaxCapacity = 5.0;
  calc.Spillway.CrestLevel = 32.0;
  calc.Spillway.Width = 1.0;
  calc.Spillway.Coef = 1.8;
  calc.Rain.TimeUnit = 1;
  calc.Rain.CoefA = 2590;
  calc.Rain.CoefB = 12.9;
  calc.Rain.ReturnPeriod = 30;
  calc.Rain.ExponentText = "3/4";
  calc.Rain.Exponent = 0.75;
  calc.Rain.FormulaKind = 1;
  calc.Rain.Waveform = 2;
  calc.Routing.StartLevel = 24.0;
  calc.Time.Concentration = 20;
  calc.Time.RainDuration = 1440;
  calc.Time.HyetographLength = 1440;
  calc.Time.Pitch = 20;
  calc.Time.CalcDuration = 2000;
  calc.Time.MinPitch = 0.5;
  calc.Runoff.Coef = 0.84;
  calc.Runoff.Area = 247.9;
  calc.Runoff.Margin = 1.0;
  SetPond(calc, {{24.00, 79.0, 0.0},         {26.00, 79.0, 158.0},
                 {26.01, 18700.0, 251.8},    {27.00, 20920.0, 19863.8},
                 {27.01, 41920.0, 20177.9},  {28.00, 46666.0, 64025.2},
                 {29.00, 49020.0, 111865.2}, {30.00, 51650.0, 162200.2},
                 {31.00, 54640.0, 215345.2}, {32.00, 57450.0, 271390.2},
                 {33.00, 60100.0, 330165.2}, {34.00, 63110.0, 391770.2}});
  calc.Pond.StorageSource = 1;
  calc.Pond.StorageFormula = -1;

  std::ifstream in(DataFile("routing/startup_hyetograph.txt"));
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string t, i, q;
    words >> t >> i >> q;
    calc.Rain.Hyetograph.t.push_back(ReadStrict(t));
    calc.Rain.Hyetograph.I.push_back(ReadStrict(i));
    calc.Rain.Hyetograph.Q.push_back(ReadStrict(q));
  }
  calc.Rain.PointCount = static_cast<std::int32_t>(calc.Rain.Hyetograph.t.size());
  return calc;
}

}  // namespace testing_support
