#include "results/volumechecktext.h"

#include <cmath>
#include <string>

#include "core/text/formatnumber.h"

namespace {

// Differences below this share of their base (%) are rounding of the iteration, not lost water.
constexpr double kNegligiblePercent = 0.1;

std::string Volume(const char* label, double value) {
  return FormatNumber(std::string(label) + "#,0.000m3", value);
}

// A difference in m³ with its share of `base` in %; "-" for the share when the base is empty.
std::string Difference(const char* label, double value, double base) {
  std::string line = Volume(label, value);
  if (base == 0) return line + " (-%)";
  return line + FormatNumber(" (0.000%)", value / base * 100);
}

bool Notable(double value, double base) {
  return base != 0 && std::fabs(value / base * 100) >= kNegligiblePercent;
}

}  // namespace

TextList VolumeCheckLines(const RunFigures& figures) {
  TextList lines{"調節池容量の検証", ""};
  if (!figures.available) {
    lines.push_back("  この計算では容量の検証を行いません。");
    return lines;
  }
  const VolumeCheck& v = figures.volumes;
  lines.insert(lines.end(), {
      "  1)流出ハイドロの容量",
      Volume("    降雨ブロックの容量(ΣQn･Δt)    =", v.blockVolume),
      Volume("    ハイドロ終端までの容量          =", v.hydrographVolume),
      Volume("    ハイドロ終端後の減衰            =", v.recessionVolume),
      Volume("    設計ハイドロ容量                =", v.Designed()),
      "",
      "  2)調節計算の収支",
      Volume("    流入量                          =", v.intake),
      Volume("    放流量                          =", v.release),
      Volume("    貯留量の増加(開始水位から)      =", v.Stored()),
      "",
      "  3)差",
      Difference("    流入量-設計ハイドロ容量         =", v.IntakeDifference(), v.Designed()),
      Difference("    貯留量の増加-(流入量-放流量)    =", v.BalanceDifference(), v.intake),
      Difference("    設計ハイドロ容量-降雨ブロック   =", v.Designed() - v.blockVolume,
                 v.blockVolume),
      "",
  });
  if (v.recessionVolume > 0) {
    // More water than the hydrograph to its end holds reaches the pond: the level can only rise.
    std::string surplus =
        FormatNumber("    終端後の1ステップ(0.00分)で、", v.recessionStep) +
        FormatNumber("ハイドロ終端までの容量より#,0.000m3", v.recessionVolume);
    if (v.hydrographVolume > 0) {
      surplus += FormatNumber("(0.000%)", v.recessionVolume / v.hydrographVolume * 100);
    }
    lines.push_back(surplus + "多く");
    lines.push_back("    流入し、安全側となる。");
  }
  if (v.IntakeDifference() < 0 && Notable(v.IntakeDifference(), v.Designed())) {
    lines.push_back("    計算時間内に流入しない容量がある。");
  }
  if (figures.kind == 1) {
    lines.push_back("    ポンプの放流量は各ステップでポンプ能力の全量として計上している。");
  }
  if (Notable(v.BalanceDifference(), v.intake)) {
    lines.push_back("    収支の差が0.1%以上ある。");
  }
  return lines;
}
