#pragma once
/// The calculation object of one run: the design-condition record (`TKisoData`) and the rain
/// series the engine builds, under one class chain `TKisoData` → `HVcurve` → `TRain` →
/// `TRenzoku`. A new object has every field zero; the driver creates one per run and drops it
/// at the end of the run.
///
/// Units: times in minutes, levels and lengths in m, areas in m² (catchment area in ha),
/// storages in m³, discharges in m³/s, intensities in mm/hr.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// Rows of the pond table that the record can hold.
inline constexpr int kPondRowCapacity = 30;

/// `Rain.Curve`: the rain series in block order, index n = 0 … N − 1; column 0 is all zero.
struct RainCurve {
  std::vector<double> t;   // n·Δt (min)
  std::vector<double> r;   // intensity r_n of the formula for duration t (mm/hr)
  std::vector<double> nr;  // n·r_n
  std::vector<double> I;   // block intensity I_n (mm/hr)
};

/// `Rain.Hyetograph`: the arranged hyetograph with its runoff, ascending in time.
struct RainHyetograph {
  std::vector<double> t;  // end time of the block (min)
  std::vector<double> I;  // block intensity (mm/hr)
  std::vector<double> Q;  // runoff of the block (m³/s)
};

class TKisoData {
 public:
  std::uint32_t CalcKind = 0;  // 0 natural drainage, 1 pump water-level tracking, 2 pump study
  std::int32_t OrificeStages = 0;  // 1 or 2

  struct {
    double SillLevel = 0;  // HL (m)
    double Width = 0;      // BL (m); the diameter of a circular orifice
    double Height = 0;     // DL (m); the diameter of a circular orifice
    double Area = 0;       // opening area (m²)
    double C1 = 0;         // free-flow coefficient, rectangular only
    double C2 = 0;         // submerged coefficient, rectangular only
    double CircleC = 0;    // coefficient of a circular orifice
    int Shape = 0;         // 0 rectangular ("矩形"), 1 circular ("円形"); the window's choice
  } LowerOrifice;

  double AllowableRelease = 0;  // Qc (m³/s)

  struct {
    double SillLevel = 0, Width = 0, Height = 0, Area = 0, C1 = 0, C2 = 0;  // HH, BH, DH; always rectangular
  } UpperOrifice;

  struct {
    double Capacity = 0;     // water-level tracking (m³/s)
    double MinCapacity = 0;  // smallest size of a pump study (m³/s)
    double MaxCapacity = 0;  // largest size of a pump study (m³/s)
  } Pump;

  struct {
    double CrestLevel = 0;  // HT (m)
    double Width = 0;       // W (m)
    double Coef = 0;        // C in Q = C·B·H^(3/2)
    double LastFlow = 0;    // spillway share of the latest outlet evaluation (m³/s)
  } Spillway;

  struct {
    std::uint32_t TimeUnit = 0;    // unit of t in the formula: 0 hours ("時"), 1 minutes ("分")
    double CoefA = 0;
    double CoefB = 0;
    double ConstIntensity = 0;     // mm/hr
    double ReturnPeriod = 0;       // years, reported only
    std::string ExponentText;      // the exponent as typed, e.g. "3/4"
    double Exponent = 0;
    std::uint32_t FormulaKind = 0;  // 0 constant, 1 a/(t^x+b), 2 a/(t+b)^x, 3 observed
    std::uint32_t Waveform = 0;     // 0 中央集中型(1), 1 中央集中型(2), 2 後方集中型
    // The engine's rain series (built by the hyetograph, carried by the TRain level).
    std::int32_t PointCount = 0;   // N, time points including t = 0
    RainCurve Curve;
    RainHyetograph Hyetograph;
  } Rain;

  struct {
    double StartLevel = 0;  // m
  } Routing;

  struct {
    double Concentration = 0;     // time of concentration, the block length (min)
    double RainDuration = 0;      // min
    double HyetographLength = 0;  // length of the computed hyetograph (min)
    double Pitch = 0;             // calculation step after the pitch rule (min)
    double CalcDuration = 0;      // length of the routing (min)
    double MinPitch = 0;          // smallest allowed pitch, 0.5 (min)
  } Time;

  struct {
    double Coef = 0;         // f
    double Area = 0;         // A (ha)
    double Margin = 0;       // K
    double ExtraInflow = 0;  // Qfix (m³/s)
  } Runoff;

  struct {
    std::int32_t RowCount = 0;
    double MinLevel = 0;        // H[0] (m)
    double MaxLevel = 0;        // H[RowCount − 1] (m)
    double InitialStorage = 0;  // storage at the first row when computed (m³)
    std::array<double, kPondRowCapacity> H{};  // elevations (m)
    std::array<double, kPondRowCapacity> F{};  // water-surface areas (m²)
    std::array<double, kPondRowCapacity> V{};  // storages (m³)
    int StorageSource = 0;   // 0 computed, 1 typed; the window's choice
    int StorageFormula = 0;  // 0 average end area, 1 frustum, −1 none; the window's choice
  } Pond;
};

/// The stage–storage operations work on the pond table of `TKisoData`.
class HVcurve : public TKisoData {};

/// The rain series live in `Rain` above, so that every Part can name them `Rain.Curve`.
class TRain : public HVcurve {};

/// The class that a run creates.
class TRenzoku : public TRain {};
