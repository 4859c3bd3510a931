#include "results/hyetographtext.h"

#include <gtest/gtest.h>

namespace {

TRenzoku Record(std::uint32_t formulaKind) {
  TRenzoku calc;
  calc.Rain.FormulaKind = formulaKind;
  calc.Rain.CoefA = 1824;
  calc.Rain.CoefB = 18;
  calc.Rain.ExponentText = "0.89";
  calc.Rain.ConstIntensity = 50;
  calc.Rain.PointCount = 73;
  calc.Time.Concentration = 20;
  calc.Time.HyetographLength = 1440;
  calc.Runoff = {0.84, 247.9, 1.0, 0.0};
  return calc;
}

std::vector<std::string> Text(const TRenzoku& calc) {
  ResultSheet sheet;
  sheet.HyetographText = {"an older run"};
  WriteHyetographText(calc, sheet);
  return sheet.HyetographText;
}

// The lines from `first` on, `count` of them.
std::vector<std::string> Slice(const std::vector<std::string>& lines, std::size_t first,
                               std::size_t count) {
  return {lines.begin() + static_cast<std::ptrdiff_t>(first),
          lines.begin() + static_cast<std::ptrdiff_t>(first + count)};
}

}  // namespace

TEST(HyetographTextTest, IntensityLinesFollowTheSource) {
  std::vector<std::string> type2 = Text(Record(2));
  EXPECT_EQ(Slice(type2, 0, 15), (std::vector<std::string>{
                                     "Ⅱ-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌの計算", "", "1.降雨波形の算定", "",
                                     "  1)降雨強度(r)は、次式で算定される。", "          a",
                                     "    r=-----------", "       (t + b)^x", "", "    ここで",
                                     "      a=1824.0", "      x=0.89", "      b=18.000", "",
                                     "    計算単位時間は、洪水到達時間に合わせ20分(=Δt)とする。"}));
  EXPECT_EQ(Slice(type2, 15, 5),
            (std::vector<std::string>{"", "  2)降雨波形の計算時点数は(n=72)時点となる。", "",
                                      "    降雨強度曲線上の20分おきの",
                                      "    降雨強度(r)を1440分まで計算する。"}));
  EXPECT_EQ(
      Slice(type2, 21, 1),
      std::vector<std::string>{"  3)単位時間20分降雨に対応する降雨強度(In)は、次式で算定される。"});

  std::vector<std::string> constant = Text(Record(0));
  EXPECT_EQ(
      Slice(constant, 4, 3),
      (std::vector<std::string>{"  1)降雨強度(r)は、次式で算定される。", "    ｒn=50mm/hr", ""}));
  std::vector<std::string> observed = Text(Record(3));
  EXPECT_EQ(
      Slice(observed, 4, 3),
      (std::vector<std::string>{"  1)降雨強度(r)は、別に定義する。",
                                "    計算単位時間は、洪水到達時間に合わせ20分(=Δt)とする。", ""}));
  // Only the intensity lines differ between the sources.
  EXPECT_EQ(Slice(observed, 5, observed.size() - 5), Slice(type2, 14, type2.size() - 14));
}

TEST(HyetographTextTest, RunoffFormulaShowsOnlyTheTermsInUse) {
  struct Case {
    double margin, extra;
    std::vector<std::string> tail;  // the formula line, then the lines after "    r(降雨強度)"
  };
  const Case cases[] = {
      {1.0,
       0.0,
       {"  Q = -----･ｆ･ｒ･Ａ", "    f(流出係数)      =0.840", "    A(流域面積)      =247.900ha"}},
      {1.1,
       0.0,
       {"  Q = -----･ｆ･ｒ･Ａ･K", "    f(流出係数)       =0.840",
        "    A(流域面積)       =247.900ha", "    K(余裕率)         =1.100"}},
      {1.0,
       0.5,
       {"  Q = -----･ｆ･ｒ･Ａ+Qfix", "    f(流出係数)       =0.840",
        "    A(流域面積)       =247.900ha", "    Qfix(流域外流入量)=0.500m3/s"}},
      {1.1,
       0.5,
       {"  Q = -----･ｆ･ｒ･Ａ･K+Qfix", "    f(流出係数)       =0.840",
        "    A(流域面積)       =247.900ha", "    K(余裕率)         =1.100",
        "    Qfix(流域外流入量)=0.500m3/s"}},
  };
  for (const Case& c : cases) {
    TRenzoku calc = Record(1);
    calc.Runoff.Margin = c.margin;
    calc.Runoff.ExtraInflow = c.extra;
    std::vector<std::string> text = Text(calc);
    auto formula = std::find(text.begin(), text.end(), "        1");
    ASSERT_NE(formula, text.end());
    std::vector<std::string> tail{*(formula + 1)};
    tail.insert(tail.end(), formula + 6, text.end() - 3);
    EXPECT_EQ(tail, c.tail) << c.margin << " " << c.extra;
    EXPECT_EQ(Slice(text, text.size() - 3, 3),
              (std::vector<std::string>{"", "", "計算結果を次ページに示す。"}));
  }
}
