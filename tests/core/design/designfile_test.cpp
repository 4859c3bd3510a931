#include "core/design/designfile.h"

#include <gtest/gtest.h>

#include "core/design/textfile.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/testfiles.h"

using testing_support::DataFile;
using testing_support::ReadBytes;
using testing_support::ScratchDir;
using testing_support::WriteBytes;

namespace {

// A design that uses what the start-up design leaves alone.
DesignForm ChangedForm() {
  DesignForm form = StartupDesignForm();
  form.ChooseOrificeStages(1);
  form.ChooseOrificeShape(1);
  form.ChooseStorageSource(0);
  form.ChooseStorageSource(1);
  form.SelectOutletPage(1);
  form.ChoosePumpCalcKind(1);
  form.PumpMax = "9.0";
  form.LowerWidth = "1.00";
  form.Type2X = "\"odd\" x";
  form.StartLevel = "";       // an empty last line
  form.PondGrid.SetRowFromCommaText(2, "24.00,79.0,0.0");
  form.PondGrid.SetCell(1, 3, "1 000");  // a cell with a blank is quoted in the file
  form.PondGrid.SetRowFromCommaText(4, ",,");  // a cleared row
  form.ObservedGrid.SetRowCount(5);
  form.ObservedGrid.SetRowFromCommaText(2, "1,10,5.2");
  form.ObservedGrid.SetRowFromCommaText(3, "2,20,\"a,b\"");
  form.StorageFormula = 1;
  form.ChooseIntensitySource(2);
  form.FormulaPage = 1;
  form.C1 = "1.75";  // a text that the switching of a loaded choice would reset
  return form;
}

}  // namespace

TEST(DesignFileTest, SavingRightAfterStartUpWritesTheStartupFile) {
  std::filesystem::path dir = ScratchDir();
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  ASSERT_TRUE(SaveConditions(form, dir / "池A.dat", ui));
  EXPECT_EQ(ReadBytes(dir / "池A.dat"), ReadBytes(DataFile("design/startup.dat")));
  EXPECT_EQ(DesignFileLines(form).size(), 227u);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"設計条件を保存しました。"});
  EXPECT_EQ(form.DesignName, "池A");
  EXPECT_EQ(form.Caption(), "設計条件 池A");
}

TEST(DesignFileTest, ARoundTripReproducesEveryTextChoiceAndGrid) {
  std::filesystem::path dir = ScratchDir();
  DesignForm saved = ChangedForm();
  RecordingInteraction ui;
  ASSERT_TRUE(SaveConditions(saved, dir / "changed.dat", ui));

  DesignForm loaded = StartupDesignForm();
  ASSERT_TRUE(LoadConditions(loaded, dir / "changed.dat", ui));
  EXPECT_EQ(ui.Texts().back(), "設計条件を読込みました。");
  // Loading stores an empty cell as a single blank (as a never-filled row or the emptied third
  // column comes back); every other text, choice and cell is as it was saved.
  DesignForm expected = saved;
  for (StringGrid* grid : {&expected.ObservedGrid, &expected.PondGrid}) {
    for (int row = 1; row < grid->RowCount(); ++row) {
      for (int col = 0; col < grid->ColCount(); ++col) {
        if (grid->Cell(col, row).empty()) grid->SetCell(col, row, " ");
      }
    }
  }
  std::vector<std::string> actual = DesignFileLines(loaded);
  std::vector<std::string> wanted = DesignFileLines(expected);
  ASSERT_EQ(actual.size(), wanted.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], wanted[i]) << "line " << i + 1;
  EXPECT_EQ(loaded.ObservedGrid.Cell(0, 4), " ");
  EXPECT_EQ(loaded.C1, "1.75");
  EXPECT_EQ(loaded.PondGrid.Cell(1, 3), "1 000");
  EXPECT_EQ(loaded.PondGrid.Cell(0, 4), " ");
  EXPECT_EQ(loaded.ObservedGrid.Cell(2, 3), "a,b");
  EXPECT_EQ(loaded.StartLevel, "");
  EXPECT_TRUE(loaded.UpperOrificeVisible());  // the switching ran for the changed stages
  EXPECT_EQ(loaded.ActiveCalcKind, 2);
  EXPECT_TRUE(loaded.PumpTabVisible);
  EXPECT_EQ(loaded.DesignName, "changed");
}

TEST(DesignFileTest, ARefusedFileLeavesTheFormExactlyAsItWas) {
  std::vector<std::string> good = DesignFileLines(ChangedForm());
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::string message;
    int line;
  };
  std::vector<Case> cases;
  cases.push_back({"empty file", {}, "'' is not a valid integer value", 1});
  cases.push_back({"last text lines missing",
                   std::vector<std::string>(good.begin(), good.end() - 2),
                   "'' is not a valid integer value", static_cast<int>(good.size()) - 1});
  auto withLine = [&](std::size_t index, std::string text) {
    std::vector<std::string> lines = good;
    lines[index] = std::move(text);
    return lines;
  };
  cases.push_back({"bad choice", withLine(0, "x"), "'x' is not a valid integer value", 1});
  cases.push_back({"choice out of range", withLine(0, "3"), "'3' is not a valid integer value", 1});
  cases.push_back({"observed columns", withLine(14, "4"), "'4' is not a valid integer value", 15});
  cases.push_back({"observed rows", withLine(15, "147"), "'147' is not a valid integer value", 16});
  std::size_t pondCols = good.size() - 37;  // the pond block's column count line
  ASSERT_EQ(good[pondCols], "3");
  cases.push_back({"pond rows", withLine(pondCols + 1, "33"), "'33' is not a valid integer value",
                   static_cast<int>(pondCols) + 2});
  cases.push_back({"trailing blank", withLine(0, "0 "), "'0 ' is not a valid integer value", 1});

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DesignForm form = StartupDesignForm();
    DesignForm before = form;
    LoadResult result = ApplyDesignFileLines(form, c.lines);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.line, c.line);
    EXPECT_TRUE(form == before);
  }
}

TEST(DesignFileTest, IntegerLinesAcceptBlanksAndSignsAndLinesAfterTheLastAreIgnored) {
  std::vector<std::string> lines = DesignFileLines(StartupDesignForm());
  lines[0] = "  +2";
  lines.push_back("anything");
  DesignForm form = StartupDesignForm();
  ASSERT_TRUE(ApplyDesignFileLines(form, lines).ok);
  EXPECT_EQ(form.IntensitySource(), 2);
}

TEST(DesignFileTest, LoadingShowsTheFilesFaultAndKeepsTheForm) {
  std::filesystem::path dir = ScratchDir();
  std::string bytes = ReadBytes(DataFile("design/startup.dat"));
  WriteBytes(dir / "truncated.dat", bytes.substr(0, bytes.size() / 2));
  WriteBytes(dir / "binary.dat", std::string("0\r\n0\r\n\x81\r\n", 9));

  DesignForm form = ChangedForm();
  DesignForm before = form;
  RecordingInteraction ui;
  EXPECT_FALSE(LoadConditions(form, dir / "truncated.dat", ui));
  EXPECT_FALSE(LoadConditions(form, dir / "binary.dat", ui));
  EXPECT_FALSE(LoadConditions(form, dir / "missing.dat", ui));
  EXPECT_FALSE(LoadConditions(form, "", ui));  // a cancelled dialog
  ASSERT_EQ(ui.Texts().size(), 3u);
  EXPECT_EQ(ui.Texts()[0], "'' is not a valid integer value");
  EXPECT_NE(ui.Texts()[1].find("3 行目"), std::string::npos);
  EXPECT_NE(ui.Texts()[2].find("missing.dat"), std::string::npos);
  EXPECT_TRUE(form == before);
}

TEST(DesignFileTest, AFailedSaveLeavesTheExistingFileAndTheNameUnchanged) {
  std::filesystem::path dir = ScratchDir();
  WriteBytes(dir / "keep.dat", "old contents");
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;

  form.Type1A = "2590😀";  // not representable in Shift-JIS
  EXPECT_FALSE(SaveConditions(form, dir / "keep.dat", ui));
  EXPECT_EQ(ReadBytes(dir / "keep.dat"), "old contents");
  EXPECT_EQ(form.DesignName, "");

  form.Type1A = "2590";
  EXPECT_FALSE(SaveConditions(form, dir / "no-such-folder" / "x.dat", ui));
  EXPECT_EQ(ui.Texts().size(), 2u);
  EXPECT_FALSE(SaveConditions(form, "", ui));  // a cancelled dialog says nothing
  EXPECT_EQ(ui.Texts().size(), 2u);

  ASSERT_TRUE(SaveConditions(form, dir / "keep.dat", ui));
  EXPECT_EQ(ReadBytes(dir / "keep.dat"), ReadBytes(DataFile("design/startup.dat")));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left behind
}
