#include "results/hyetographtext.h"

#include <string>

#include "core/text/formatnumber.h"
#include "results/runoffformulalines.h"

namespace {

void Append(TextList& list, std::initializer_list<std::string> lines) {
  list.insert(list.end(), lines.begin(), lines.end());
}

std::string BlockLengthLine(double blockLength) {
  return FormatNumber("    計算単位時間は、洪水到達時間に合わせ0分(=Δt)とする。", blockLength);
}

void AppendIntensityLines(const TRenzoku& calc, TextList& text) {
  const auto& rain = calc.Rain;
  const double blockLength = calc.Time.Concentration;
  if (rain.FormulaKind == 3) {
    Append(text, {"  1)降雨強度(r)は、別に定義する。", BlockLengthLine(blockLength)});
    return;
  }
  text.push_back("  1)降雨強度(r)は、次式で算定される。");
  if (rain.FormulaKind == 0) {
    text.push_back(FormatNumber("    ｒn=0mm/hr", rain.ConstIntensity));
    return;
  }
  bool type1 = rain.FormulaKind == 1;
  Append(text, {"          a", type1 ? "    r=--------" : "    r=-----------",
                type1 ? "       t^x + b" : "       (t + b)^x", "", "    ここで",
                FormatNumber("      a=0.0", rain.CoefA), "      x=" + rain.ExponentText,
                FormatNumber("      b=0.000", rain.CoefB), "", BlockLengthLine(blockLength)});
}

}  // namespace

void WriteHyetographText(const TRenzoku& calc, ResultSheet& sheet) {
  TextList& text = sheet.HyetographText;
  const double blockLength = calc.Time.Concentration;
  text.clear();
  Append(text, {"Ⅱ-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌの計算", "", "1.降雨波形の算定", ""});
  AppendIntensityLines(calc, text);
  Append(
      text,
      {"",
       FormatNumber("  2)降雨波形の計算時点数は(n=0)時点となる。", calc.Rain.PointCount - 1),
       "",
       FormatNumber("    降雨強度曲線上の0分おきの", blockLength),
       FormatNumber("    降雨強度(r)を0分まで計算する。", calc.Time.HyetographLength),
       "",
       FormatNumber("  3)単位時間0分降雨に対応する降雨強度(In)は、次式で算定される。", blockLength),
       "",
       "    In=n･rn-(n-1)･rn-1",
       "",
       "    降雨強度Inを順次配列し、降雨波形を得る。",
       "",
       "    ここで",
       "      rn  :n  番目の降雨強度(mm/hr)",
       "      rn-1:n-1番目の降雨強度(mm/hr)",
       "",
       "2.合理式による流出ﾊｲﾄﾞﾛｸﾞﾗﾌの算定",
       "",
       "  1)合理式を用い降雨からの流出ﾊｲﾄﾞﾛｸﾞﾗﾌを算出する。",
       "",
       "    合理式に降雨波形強度Inを代入し流量Qを算出する。",
       ""});
  for (std::string& line : RunoffFormulaLines(calc, PlainFormulaLayout::Narrow)) {
    text.push_back(std::move(line));
  }
  Append(text, {"", "", "計算結果を次ページに示す。"});
}
