#include "core/calc/hyetograph.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/runoff.h"
#include "core/text/numberreading.h"

namespace {

std::size_t At(int i) {
  return static_cast<std::size_t>(i);
}

// Both rain tables with N columns of zeros.
void CreateSeries(TRenzoku& calc, int pointCount) {
  auto n = At(pointCount);
  calc.Rain.PointCount = pointCount;
  calc.Rain.Curve = {std::vector<double>(n), std::vector<double>(n), std::vector<double>(n),
                     std::vector<double>(n)};
  calc.Rain.Hyetograph = {std::vector<double>(n), std::vector<double>(n), std::vector<double>(n)};
}

// Ceil(D/Δt) blocks; none for a duration or block length that reading would have refused.
int DesignBlockCount(double duration, double blockLength) {
  double blocks = std::ceil(duration / blockLength);
  if (!(blocks >= 0) || blocks > kMaxRainBlocks) return 0;
  return static_cast<int>(blocks);
}

double Intensity(const TRenzoku& calc, double t) {
  const auto& rain = calc.Rain;
  switch (rain.FormulaKind) {
    case 1:
      return rain.CoefA / (std::pow(t, rain.Exponent) + rain.CoefB);
    case 2:
      return rain.CoefA / std::pow(t + rain.CoefB, rain.Exponent);
    default:
      return rain.ConstIntensity;
  }
}

// The position (in blocks from the start, 1 … u) that the waveform gives block k + 1. Positions
// are whole numbers, so the end times p·Δt carry no accumulated rounding.
std::vector<int> WaveformPositions(std::uint32_t waveform, int blocks) {
  std::vector<int> positions(At(blocks));
  int centre = (blocks + 1) / 2;  // Ceil(u/2)
  int position = 0;
  for (int k = 0; k < blocks; ++k) {
    switch (waveform) {
      case 0:  // 中央集中型(1): c, c+1, c−1, c+2, …
        position = (k == 0 ? centre : position) + AlternatingSign(k) * k;
        break;
      case 1:  // 中央集中型(2): c (c+1 for even u), then one left, one right, …
        position =
            (k == 0 ? (blocks % 2 == 1 ? centre : centre + 1) : position) - AlternatingSign(k) * k;
        break;
      default:  // 後方集中型: u, u−1, …, 1
        position = blocks - k;
        break;
    }
    positions[At(k)] = position;
  }
  return positions;
}

}  // namespace

int AlternatingSign(int k) {
  return k % 2 != 0 ? 1 : -1;
}

void SortHyetographByTime(RainHyetograph& table) {
  std::size_t n = table.t.size();
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t smallest = i;
    for (std::size_t j = i; j < n; ++j) {
      if (table.t[smallest] >= table.t[j]) smallest = j;
    }
    std::swap(table.t[i], table.t[smallest]);
    std::swap(table.I[i], table.I[smallest]);
    std::swap(table.Q[i], table.Q[smallest]);
  }
}

HyetographPeaks BuildDesignHyetograph(TRenzoku& calc) {
  const double blockLength = calc.Time.Concentration;
  const int blocks = DesignBlockCount(calc.Time.RainDuration, blockLength);
  CreateSeries(calc, blocks + 1);
  auto& curve = calc.Rain.Curve;
  auto& hyetograph = calc.Rain.Hyetograph;
  const bool hours = calc.Rain.TimeUnit == 0;
  const double step = hours ? blockLength / 60 : blockLength;  // Δt in the formula's unit

  HyetographPeaks peaks;
  double previousIntensity = 0;
  for (int n = 1; n <= blocks; ++n) {
    auto at = At(n);
    double t = n * step;
    double r = Intensity(calc, t);
    double block = n * r - (n - 1) * previousIntensity;
    previousIntensity = r;
    double q = BlockRunoff(calc, block);
    curve.t[at] = hours ? t * 60 : t;
    curve.r[at] = r;
    curve.nr[at] = n * r;
    curve.I[at] = block;
    hyetograph.I[at] = block;
    hyetograph.Q[at] = q;
    peaks.PeakIntensity = std::max(block, peaks.PeakIntensity);
    peaks.PeakInflow = std::max(q, peaks.PeakInflow);
  }
  calc.Time.HyetographLength = blocks * blockLength;

  std::vector<int> positions = WaveformPositions(calc.Rain.Waveform, blocks);
  for (int k = 0; k < blocks; ++k) hyetograph.t[At(k + 1)] = positions[At(k)] * blockLength;
  if (blocks > 0) peaks.PeakTime = positions[0] * blockLength;
  SortHyetographByTime(hyetograph);
  return peaks;
}

HyetographPeaks BuildObservedHyetograph(TRenzoku& calc, const StringGrid& observed) {
  const double blockLength = calc.Time.Concentration;
  const int pointCount = std::max(1, observed.RowCount() - 1);
  CreateSeries(calc, pointCount);
  auto& curve = calc.Rain.Curve;
  auto& hyetograph = calc.Rain.Hyetograph;

  HyetographPeaks peaks;
  double largest = 0;
  for (int n = 1; n < pointCount; ++n) {
    auto at = At(n);
    const std::string& cell = observed.Cell(2, n + 1);
    double v = ReadStrict(StringGrid::IsEmptyCell(cell) ? std::string_view() : cell);
    double t = n * blockLength;
    double q = BlockRunoff(calc, v);
    curve.t[at] = t;
    curve.r[at] = v;
    curve.nr[at] = n * v;
    curve.I[at] = v;
    hyetograph.t[at] = t;
    hyetograph.I[at] = v;
    hyetograph.Q[at] = q;
    peaks.PeakIntensity = std::max(v, peaks.PeakIntensity);
    peaks.PeakInflow = std::max(q, peaks.PeakInflow);
    if (n == 1 || v > largest) {
      largest = v;
      peaks.PeakTime = t;
    }
  }
  calc.Time.HyetographLength = calc.Time.RainDuration;
  return peaks;
}
