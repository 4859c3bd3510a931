#include "results/routingexplanation.h"

#include "core/text/formatnumber.h"

void AppendContinuityEquationLines(TextList& lines) {
  static const char* const kLines[] = {
      "  洪水調節数値計算は流入量(I)と流出量(O)との差が調節池に",
      "  水平に貯留するものとして、連続の式を用いる。",
      "",
      "  1)基本式",
      "    基本式を下記に示す。",
      "    dV/dt = I-O",
      "",
      "    数値計算は上式の中央差分をとった式で行う。",
      "                       Δt      Δt",
      "    V(t+Δt)=V(t)+{I(t+---)-O(t+---)}･Δt",
      "                        2        2",
      "",
      "    ここに",
      "      V  ：貯留量(m3),V=f(H)",
      "      H  ：水位  (m)",
      "      I,O：流入量及び流出量(m3)",
      "      但し",
      "                  I(t+Δt)+I(t)                O(t+Δt)+O(t)",
      "      I(t+Δt/2)=--------------- ; O(t+Δt/2)=---------------",
      "                        2                            2",
      "      Δt：計算時間ピッチ(sec)",
      "",
      "  2)放流量",
  };
  lines.insert(lines.end(), std::begin(kLines), std::end(kLines));
}

void AppendPeakSummary(TextList& lines, double maxLevel, double requiredStorage, double maxInflow) {
  lines.push_back(FormatNumber("最高水位    =#,0.000m", maxLevel));
  lines.push_back(FormatNumber("必要調節容量=#,0.000m3", requiredStorage));
  lines.push_back(FormatNumber("最大流入量  =#,0.000m3/s", maxInflow));
}
