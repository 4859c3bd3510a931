#include "core/design/formoperations.h"

#include <gtest/gtest.h>

#include "core/interaction/recordinginteraction.h"
#include "tests/support/testfiles.h"

using testing_support::ScratchDir;
using testing_support::WriteBytes;

TEST(FormOperationsTest, BackCalculatesASquareOrACircularOrifice) {
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  BackCalculateOrifice(form, ui);
  EXPECT_EQ(form.LowerHeight, "0.89");
  EXPECT_EQ(form.LowerWidth, "0.89");

  form.ChooseOrificeShape(1);
  BackCalculateOrifice(form, ui);
  EXPECT_EQ(form.LowerWidth, "1.00");
  EXPECT_TRUE(ui.Entries().empty());
}

TEST(FormOperationsTest, BackCalculationWithoutARealSizeKeepsTheOrifice) {
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  form.AllowableRelease = "6,0";
  BackCalculateOrifice(form, ui);
  form.AllowableRelease = "6.0";
  form.SpillwayCrest = "24.000";  // no head
  BackCalculateOrifice(form, ui);
  form.SpillwayCrest = "20.000";  // negative head
  BackCalculateOrifice(form, ui);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"'6,0' is not a valid floating point value",
                                                  "Invalid floating point operation",
                                                  "Invalid floating point operation"}));
  EXPECT_EQ(form.LowerWidth, "0.900");
  EXPECT_EQ(form.LowerHeight, "0.900");
}

TEST(FormOperationsTest, TransfersTheFirstAndLastElevationOfTheUnbrokenRun) {
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  form.PondGrid.SetRowFromCommaText(6, ",,");
  TransferElevations(form, ui);
  EXPECT_EQ(form.LowerSill, "24.00");
  EXPECT_EQ(form.SpillwayCrest, "27.00");

  ClearPondTable(form, ui);
  EXPECT_EQ(form.PondGrid.Row(13), (std::vector<std::string>{" ", " ", " "}));
  EXPECT_EQ(form.PondGrid.Cell(0, 1), "(m)");
  TransferElevations(form, ui);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"データを消去しますか。", "ＨＶ曲線データが有りません。"}));
  EXPECT_EQ(ui.Entries()[0].where.left, 670);
  EXPECT_EQ(form.LowerSill, "24.00");
}

TEST(FormOperationsTest, ClearingAskedAndDeclinedChangesNothing) {
  DesignForm form = StartupDesignForm();
  DesignForm before = form;
  RecordingInteraction ui;
  ui.QueueAnswers({false});
  ClearPondTable(form, ui);
  EXPECT_TRUE(form == before);
}

TEST(FormOperationsTest, ImportsObservedIntensitiesFromCsv) {
  std::filesystem::path dir = ScratchDir();
  std::string full, shortFile;
  for (int i = 1; i <= 150; ++i) full += std::to_string(10 * i) + ",5.2\r\n";
  for (int i = 1; i <= 36; ++i) shortFile += std::to_string(10 * i) + " " + std::to_string(i) + "\r\n";
  shortFile += "\r\n370,1\r\n";  // after the first empty line nothing is read
  WriteBytes(dir / "full.csv", full);
  WriteBytes(dir / "short.csv", shortFile);

  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  ImportObservedCsv(form, ui, dir / "full.csv");
  EXPECT_EQ(form.ObservedGrid.RowCount(), 146);
  EXPECT_EQ(form.ObservedGrid.Row(2), (std::vector<std::string>{"1", "10", "5.2"}));
  EXPECT_EQ(form.ObservedGrid.Row(145), (std::vector<std::string>{"144", "1440", "5.2"}));
  EXPECT_EQ(form.Concentration, "10");
  EXPECT_EQ(form.Pitch, "10");
  EXPECT_EQ(form.RainDuration, "1440");

  ImportObservedCsv(form, ui, dir / "short.csv");
  EXPECT_EQ(form.ObservedGrid.RowCount(), 38);
  EXPECT_EQ(form.ObservedGrid.Row(37), (std::vector<std::string>{"36", "360", "36"}));
  EXPECT_EQ(form.RainDuration, "360");
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                            "降雨強度(mm/hr)ファイルを読込みますか。", "降雨強度を読込みました。",
                            "降雨強度(mm/hr)ファイルを読込みますか。", "降雨強度を読込みました。"}));
}

TEST(FormOperationsTest, ACsvImportThatIsDeclinedOrFailsChangesNothing) {
  std::filesystem::path dir = ScratchDir();
  WriteBytes(dir / "bad.csv", "10,5\r\n\x82\r\n");
  DesignForm form = StartupDesignForm();
  DesignForm before = form;
  RecordingInteraction ui;
  ui.QueueAnswers({false});
  ImportObservedCsv(form, ui, dir / "bad.csv");  // declined
  ImportObservedCsv(form, ui, "");               // cancelled dialog
  ImportObservedCsv(form, ui, dir / "missing.csv");
  ImportObservedCsv(form, ui, dir / "bad.csv");
  EXPECT_TRUE(form == before);
  ASSERT_EQ(ui.Texts().size(), 6u);
  EXPECT_NE(ui.Texts()[3].find("missing.csv"), std::string::npos);
  EXPECT_NE(ui.Texts()[5].find("2 行目"), std::string::npos);
}

TEST(FormOperationsTest, PitchListWarnsAndInputBoxWritesTheLabel) {
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  PickPitchFromList(form, "8", ui);
  EXPECT_EQ(form.Pitch, "8");
  ASSERT_EQ(ui.Entries().size(), 1u);
  const std::string& advice = ui.Entries()[0].text;
  EXPECT_EQ(advice.rfind("計算ﾋﾟｯﾁ(分)の上限は、洪水到達時間(分)です。\r\r----", 0), 0u);
  EXPECT_NE(advice.find("\r　(　  10の約数 --> 計算ﾋﾟｯﾁ= 2分)\r"), std::string::npos);
  EXPECT_EQ(ui.Entries()[0].where.origin, BoxPlacement::Origin::DesignWindow);
  EXPECT_EQ(ui.Entries()[0].where.left, 200);

  InputBoxRequest box = InputBoxFor(form, ValueLabel::LowerSill);
  EXPECT_EQ(box.caption, "HL=ｵﾘﾌｨｽ敷高(m)");
  EXPECT_EQ(box.text, "24.000");
  EXPECT_EQ(box.offsetLeft, 275);
  EXPECT_EQ(InputBoxFor(form, ValueLabel::Type1A).offsetLeft, 45);
  AcceptInputBox(form, ValueLabel::LowerSill, "abc");
  EXPECT_EQ(form.LowerSill, "abc");

  PickConcentrationFromList(form, "30");
  EXPECT_EQ(form.Pitch, "30");
}
