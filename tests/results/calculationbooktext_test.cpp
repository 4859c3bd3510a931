#include "results/calculationbooktext.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/calc/readconditions.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/designforms.h"


namespace {

// The book of a form as a run writes it right after reading.
ResultSheet Book(DesignForm form) {
  TRenzoku calc;
  RecordingInteraction ui;
  ReadResult read = ReadConditions(calc, form, ui);
  EXPECT_EQ(read.errorFlag, 0) << (ui.Texts().empty() ? "" : ui.Texts().front());
  ResultSheet sheet;
  WriteCalculationBookText(calc, form, sheet);
  return sheet;
}

bool Contains(const TextList& list, const std::string& line) {
  return std::find(list.begin(), list.end(), line) != list.end();
}

// The lines that follow `line`, `count` of them.
std::vector<std::string> After(const TextList& list, const std::string& line, std::size_t count) {
  auto at = std::find(list.begin(), list.end(), line);
  if (at == list.end() || static_cast<std::size_t>(list.end() - at) <= count) return {};
  return {at + 1, at + 1 + static_cast<std::ptrdiff_t>(count)};
}

}  // namespace

TEST(CalculationBookTextTest, ContentsFollowTheDesignNameSourceAndKind) {
  DesignForm form = StartupDesignForm();
  ResultSheet book = Book(form);
  EXPECT_EQ(book.ContentsList.front(), "件　名：");
  EXPECT_EQ(book.ContentsList[5], "            (確率年=30年)");
  EXPECT_EQ(book.ContentsList.size(), 40u);
  EXPECT_EQ(After(book.ContentsList, "  -2.調節池計算(図)   ・・・P6", 3),
            (std::vector<std::string>{"", "", "Ⅳ.資　料         　　・・・P7"}));
  EXPECT_EQ(book.ContentsList.back(), "  -4.[表4]調節池計算一覧表");

  form.DesignName = "池A";
  form.ChooseIntensitySource(1);
  form.SelectOutletPage(1);
  form.ChoosePumpCalcKind(0);
  book = Book(form);
  EXPECT_EQ(book.ContentsList.front(), "件　名：池A");
  EXPECT_EQ(book.ContentsList[5], "");  // no return period for a constant rain
  // Water-level tracking has its chart page as natural drainage has.
  EXPECT_EQ(After(book.ContentsList, "Ⅲ.調節池計算", 8),
            (std::vector<std::string>{"", "  -1.調節池計算       ・・・P5", "",
                                      "  -2.調節池計算(図)   ・・・P6", "", "",
                                      "Ⅳ.資　料         　　・・・P7", ""}));
  form.ChoosePumpCalcKind(1);  // the pump study
  book = Book(form);
  EXPECT_EQ(After(book.ContentsList, "Ⅲ.調節池計算", 5),
            (std::vector<std::string>{"", "  -1.湛水計算         ・・・P5", "", "",
                                      "Ⅳ.資　料         　　・・・P6"}));
}

TEST(CalculationBookTextTest, ConditionsFollowRainOutletAndStorageChoices) {
  DesignForm form = StartupDesignForm();
  form.ChooseIntensitySource(1);  // constant rain: no waveform line
  form.ChooseOrificeStages(1);
  form.ChooseOrificeShape(1);
  form.UpperSill = "30.000";
  form.ChooseStorageSource(0);
  form.PondGrid.SetRowFromCommaText(2, "24.00,79.0");
  form.StorageFormula = 1;
  TextList conditions = Book(form).ConditionsList;
  EXPECT_EQ(After(conditions, "1)降雨強度(r)", 3),
            (std::vector<std::string>{"", "  降雨強度(r)は、次式で求める。", "  ｒ=50.00mm/hr"}));
  EXPECT_EQ(After(conditions, "  到達時間=20分", 1), std::vector<std::string>{""});
  EXPECT_EQ(After(conditions, "  上段ｵﾘﾌｨｽ", 5),
            (std::vector<std::string>{
                "    HH(ｵﾘﾌｨｽ標高)     =30.000m", "    BH(ｵﾘﾌｨｽ幅)       =0.900m",
                "    DH(ｵﾘﾌｨｽ高)       =0.900m", "    C1(ｵﾘﾌｨｽ流量係数) =1.80(H≦HL+1.2･DL)",
                "    C2(ｵﾘﾌｨｽ流量係数) =0.60(HL+1.8･DL≦H)"}));
  EXPECT_EQ(
      After(conditions, "  下段ｵﾘﾌｨｽ", 4),
      (std::vector<std::string>{"    HL(ｵﾘﾌｨｽ標高)     =24.000m", "    φ(ｵﾘﾌｨｽ直径)     =0.900m",
                                "    C (ｵﾘﾌｨｽ流量係数) =0.60", ""}));
  EXPECT_EQ(
      After(conditions, "5)調節池データ", 10),
      (std::vector<std::string>{"  容量(dV)は、截頭錐体法で求める。", "", "         a1+a2+√(a1･a2)",
                                "  dV=Σ(-----------------･dh)", "                3", "  ここに",
                                "    a1:標高H   の面積(m2)", "    a2:標高H+dhの面積(m2)",
                                "    dh:標高差(m)", "  調節池データは、右表の通り。"}));

  form = StartupDesignForm();
  form.ChooseIntensitySource(2);
  form.ObservedWaveform = 1;
  form.SelectOutletPage(1);
  form.PumpCapacity = "0.75";
  conditions = Book(form).ConditionsList;
  EXPECT_EQ(After(conditions, "1)降雨強度(r)", 2),
            (std::vector<std::string>{"", "  降雨強度(r)は、別に定義する。"}));
  EXPECT_TRUE(Contains(conditions, "  降雨波形=後方集中型"));
  EXPECT_EQ(After(conditions, "4)調節池設定", 4),
            (std::vector<std::string>{"  排水方法：ポンプ排水", "  計算種別：水位追跡",
                                      "  ポンプ規模：0.75m3/S", ""}));
  // Typed storages need no formula: the table note follows the heading directly.
  EXPECT_EQ(After(conditions, "5)調節池データ", 1),
            std::vector<std::string>{"  調節池データは、右表の通り。"});
  form.ChoosePumpCalcKind(1);
  form.PumpMax = "9.0";
  conditions = Book(form).ConditionsList;
  EXPECT_EQ(After(conditions, "  計算種別：ポンプ検討", 1),
            std::vector<std::string>{"  ポンプ規模：0.0m3/S～9.0m3/S"});
}
