#include "results/calculationbooktext.h"

#include <string>

#include "core/text/formatnumber.h"
#include "results/runoffformulalines.h"

namespace {

void Append(TextList& list, std::initializer_list<std::string> lines) {
  list.insert(list.end(), lines.begin(), lines.end());
}

void WriteContents(const TRenzoku& calc, const DesignForm& form, TextList& contents) {
  contents.clear();
  Append(contents, {"件　名：" + form.DesignName, "", "", "          調 節 池 計 算 書", ""});
  if (form.IntensitySource() == 0) {
    Append(contents, {FormatNumber("            (確率年=0年)", calc.Rain.ReturnPeriod), "", ""});
  }
  Append(contents,
         {"", "Ⅰ.設計条件", "", "  -1.設計条件         ・・・P1", "",
          "  -2.設計条件(図)     ・・・P2", "", "", "Ⅱ.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ", "",
          "  -1.ﾊｲﾄﾞﾛｸﾞﾗﾌ計算    ・・・P3", "", "  -2.ﾊｲﾄﾞﾛｸﾞﾗﾌ(図)    ・・・P4", "", ""});
  // Water-level tracking has the two-chart page Ⅲ-2 as natural drainage has.
  if (calc.CalcKind == 0 || calc.CalcKind == 1) {
    Append(contents, {"Ⅲ.調節池計算", "", "  -1.調節池計算       ・・・P5", "",
                      "  -2.調節池計算(図)   ・・・P6", "", "", "Ⅳ.資　料         　　・・・P7"});
  } else {
    Append(contents, {"Ⅲ.調節池計算", "", "  -1.湛水計算         ・・・P5", "", "",
                      "Ⅳ.資　料         　　・・・P6"});
  }
  Append(contents,
         {"", "  -1.[表1]降雨強度一覧表", "", "  -2.[表2]降雨波形一覧表", "     （ハイドログラフ）",
          "", "  -3.[表3]流出量一覧表", "", "  -4.[表4]調節池計算一覧表"});
}

void AppendRainLines(const TRenzoku& calc, const DesignForm& form, TextList& list) {
  const auto& rain = calc.Rain;
  switch (rain.FormulaKind) {
    case 0:
      Append(list, {"  降雨強度(r)は、次式で求める。",
                    FormatNumber("  ｒ=0.00mm/hr", rain.ConstIntensity)});
      break;
    case 1:
    case 2:
      if (rain.FormulaKind == 1) {
        Append(list, {"           ａ", "  ｒ = ----------", "       ｔ＾x＋ｂ"});
      } else {
        Append(list, {"  降雨強度(r)は、次式で求める。", "           ａ", "  ｒ = ------------",
                      "       (ｔ＋ｂ)＾x"});
      }
      Append(list, {"", "  ここに", FormatNumber("    a     =0.000", rain.CoefA),
                    "    x     =" + rain.ExponentText, FormatNumber("    b     =0.000", rain.CoefB),
                    FormatNumber("    確率年=0年", rain.ReturnPeriod)});
      break;
    default:
      list.push_back("  降雨強度(r)は、別に定義する。");
      break;
  }

  Append(list, {"", "2)降雨波形", FormatNumber("  到達時間=0分", calc.Time.Concentration)});
  if (rain.FormulaKind == 0) return;  // a constant rain looks the same under every waveform
  bool rearLoaded = rain.FormulaKind == 3 ? form.ObservedWaveform == 1 : rain.Waveform == 2;
  list.push_back(rearLoaded ? "  降雨波形=後方集中型" : "  降雨波形=中央集中型");
}

void AppendOrificeLines(const TRenzoku& calc, TextList& list) {
  const auto& upper = calc.UpperOrifice;
  const auto& lower = calc.LowerOrifice;
  if (calc.OrificeStages == 2) {
    Append(list, {"", "  上段ｵﾘﾌｨｽ", FormatNumber("    HH(ｵﾘﾌｨｽ標高)     =0.000m", upper.SillLevel),
                  FormatNumber("    BH(ｵﾘﾌｨｽ幅)       =0.000m", upper.Width),
                  FormatNumber("    DH(ｵﾘﾌｨｽ高)       =0.000m", upper.Height),
                  FormatNumber("    C1(ｵﾘﾌｨｽ流量係数) =0.00", upper.C1) + "(H≦HL+1.2･DL)",
                  FormatNumber("    C2(ｵﾘﾌｨｽ流量係数) =0.00", upper.C2) + "(HL+1.8･DL≦H)"});
  }
  Append(list, {"", "  下段ｵﾘﾌｨｽ", FormatNumber("    HL(ｵﾘﾌｨｽ標高)     =0.000m", lower.SillLevel)});
  if (lower.Shape == 1) {
    Append(list, {FormatNumber("    φ(ｵﾘﾌｨｽ直径)     =0.000m", lower.Width),
                  FormatNumber("    C (ｵﾘﾌｨｽ流量係数) =0.00", lower.CircleC)});
    return;
  }
  Append(list, {FormatNumber("    BL(ｵﾘﾌｨｽ幅)       =0.000m", lower.Width),
                FormatNumber("    DL(ｵﾘﾌｨｽ高)       =0.000m", lower.Height),
                FormatNumber("    C1(流量係数)      =0.00", lower.C1) + "(H≦HL+1.2･DL)",
                FormatNumber("    C2(流量係数)      =0.00", lower.C2) + "(HL+1.8･DL≦H)"});
}

void AppendPondLines(const TRenzoku& calc, const DesignForm& form, TextList& list) {
  Append(list, {"", "4)調節池設定"});
  switch (calc.CalcKind) {
    case 0: {
      const auto& spillway = calc.Spillway;
      Append(list,
             {"  排水方法：自然排水", "  Qc(下流許容放流量)  =" + form.AllowableRelease + "m3/S",
              "", "  余水吐き", FormatNumber("    HT(余水吐き敷高)  =0.000m", spillway.CrestLevel),
              FormatNumber("    WT(余水吐き幅)    =0.000m", spillway.Width),
              FormatNumber("    C (流量係数)      =0.00", spillway.Coef)});
      AppendOrificeLines(calc, list);
      break;
    }
    case 1:
      Append(list, {"  排水方法：ポンプ排水", "  計算種別：水位追跡",
                    "  ポンプ規模：" + form.PumpCapacity + "m3/S"});
      break;
    default:
      Append(list, {"  排水方法：ポンプ排水", "  計算種別：ポンプ検討",
                    "  ポンプ規模：" + form.PumpMin + "m3/S～" + form.PumpMax + "m3/S"});
      break;
  }
}

void AppendStorageFormulaLines(const TRenzoku& calc, TextList& list) {
  if (calc.Pond.StorageSource != 0) return;  // typed storages need no formula
  if (calc.Pond.StorageFormula == 1) {
    Append(list, {"  容量(dV)は、截頭錐体法で求める。", "", "         a1+a2+√(a1･a2)",
                  "  dV=Σ(-----------------･dh)", "                3", "  ここに"});
  } else {
    Append(list, {"  容量(dV)は、両端断面平均法で求める。", "", "         a1+a2",
                  "  dV=Σ(-------・dh)", "           2", "", "  ここに"});
  }
  Append(list, {"    a1:標高H   の面積(m2)", "    a2:標高H+dhの面積(m2)", "    dh:標高差(m)"});
}

void WriteConditions(const TRenzoku& calc, const DesignForm& form, TextList& list) {
  list.clear();
  Append(list, {"", "Ⅰ-1.設計条件", "1)降雨強度(r)", ""});
  AppendRainLines(calc, form, list);
  Append(list, {"", "3)流出量(Q)", "  流出量は、次式で求める。"});
  for (std::string& line : RunoffFormulaLines(calc, PlainFormulaLayout::Aligned)) {
    list.push_back(std::move(line));
  }
  AppendPondLines(calc, form, list);
  const auto& time = calc.Time;
  Append(list, {"", FormatNumber("  降雨継続時間        =0.0分", time.RainDuration),
                FormatNumber("  計算終了時間        =0.0分", time.CalcDuration),
                FormatNumber("  計算間隔            =0.0分", time.Pitch),
                FormatNumber("  計算開始水位        =0.00m", calc.Routing.StartLevel), "",
                "5)調節池データ"});
  AppendStorageFormulaLines(calc, list);
  list.push_back("  調節池データは、右表の通り。");
}

}  // namespace

void WriteCalculationBookText(const TRenzoku& calc, const DesignForm& form, ResultSheet& sheet) {
  WriteContents(calc, form, sheet.ContentsList);
  WriteConditions(calc, form, sheet.ConditionsList);
}
