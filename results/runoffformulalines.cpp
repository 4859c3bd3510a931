#include "results/runoffformulalines.h"

#include "core/text/formatnumber.h"

std::vector<std::string> RunoffFormulaLines(const TKisoData& calc, PlainFormulaLayout layout) {
  const auto& runoff = calc.Runoff;
  const bool withMargin = runoff.Margin > 1;
  const bool withExtra = runoff.ExtraInflow > 0;
  std::string formula = "  Q = -----･ｆ･ｒ･Ａ";
  if (withMargin) formula += "･K";
  if (withExtra) formula += "+Qfix";

  std::vector<std::string> lines = {"", "        1", formula,          "       360",
                                    "", "  ここに",  "    r(降雨強度)"};
  if (!withMargin && !withExtra && layout == PlainFormulaLayout::Narrow) {
    lines.push_back(FormatNumber("    f(流出係数)      =0.000", runoff.Coef));
    lines.push_back(FormatNumber("    A(流域面積)      =0.000ha", runoff.Area));
    return lines;
  }
  lines.push_back(FormatNumber("    f(流出係数)       =0.000", runoff.Coef));
  lines.push_back(FormatNumber("    A(流域面積)       =0.000ha", runoff.Area));
  if (withMargin) lines.push_back(FormatNumber("    K(余裕率)         =0.000", runoff.Margin));
  if (withExtra) {
    lines.push_back(FormatNumber("    Qfix(流域外流入量)=0.000m3/s", runoff.ExtraInflow));
  }
  return lines;
}
