#include "reports/metafileexport.h"

#include <gtest/gtest.h>

#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "results/runcalculation.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::ScratchDir;
using testing_support::WriteBytes;

const std::vector<std::string> kNaturalFiles{"HQ曲線.wmf", "HF曲線.wmf", "HV曲線.wmf", "降雨波形.wmf",
                                             "流出ハイドロ.wmf", "時間～流入,放流量.wmf",
                                             "時間～水位.wmf"};

struct Calculation {
  DesignForm form = StartupDesignForm();
  ResultSheet sheet;
};

// The start-up design, or with `pumpKind` 0 or 1 the pump page's water-level tracking or study.
Calculation Calculated(int pumpKind = -1) {
  Calculation run;
  if (pumpKind >= 0) {
    run.form.SelectOutletPage(1);
    run.form.ChoosePumpCalcKind(pumpKind);
  }
  RecordingInteraction ui;
  NoProgressBar progress;
  EXPECT_TRUE(RunCalculation(run.form, run.sheet, ui, progress));
  return run;
}

std::vector<std::string> Files(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(MetafileExportTest, AsksWritesTheKindsFilesAndLeavesTheOthersAlone) {
  const fs::path dir = ScratchDir();
  Calculation natural = Calculated();
  RecordingInteraction ui;
  ui.QueueAnswers({false});
  EXPECT_FALSE(RunMetafileExport(natural.sheet, natural.form, dir, ui));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"計算結果図をメタファイル出力しますか。"});
  EXPECT_TRUE(Files(dir).empty());

  ui.Clear();
  WriteBytes(dir / "HQ曲線.wmf", "an older picture");
  EXPECT_TRUE(RunMetafileExport(natural.sheet, natural.form, dir, ui));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"計算結果図をメタファイル出力しますか。",
                                                  "メタファイル出力終わりました。"}));
  std::vector<std::string> expected = kNaturalFiles;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Files(dir), expected);
  EXPECT_EQ(ReadBytes(dir / "時間～水位.wmf"),
            ChartMetafileBytes(natural.sheet.LevelChart, kLevelChartSize));

  // A pump study writes its six files over these and keeps the two it does not write.
  const std::string level = ReadBytes(dir / "時間～水位.wmf");
  Calculation study = Calculated(1);
  ASSERT_EQ(study.form.ActiveCalcKind, 2);
  EXPECT_TRUE(RunMetafileExport(study.sheet, study.form, dir, ui));
  EXPECT_EQ(Files(dir).size(), 8u);
  EXPECT_EQ(ReadBytes(dir / "時間～水位.wmf"), level);
  EXPECT_EQ(ReadBytes(dir / "内水計算結果.wmf"),
            ChartMetafileBytes(study.sheet.PondingChart, kPondingChartSize));
  EXPECT_EQ(ReadBytes(dir / "HQ曲線.wmf"), ChartMetafileBytes(study.sheet.RatingChart, kRatingChartSize));
}

TEST(MetafileExportTest, AFileThatCannotBeCreatedStopsTheExportThere) {
  const fs::path dir = ScratchDir();
  fs::create_directory(dir / "HV曲線.wmf");  // a directory where the third picture goes
  Calculation run = Calculated();
  RecordingInteraction ui;
  EXPECT_FALSE(RunMetafileExport(run.sheet, run.form, dir, ui));
  ASSERT_EQ(ui.Texts().size(), 2u);
  EXPECT_NE(ui.Texts()[1].find("HV曲線.wmf"), std::string::npos);
  EXPECT_EQ(Files(dir), (std::vector<std::string>{"HF曲線.wmf", "HQ曲線.wmf", "HV曲線.wmf"}));
  EXPECT_TRUE(fs::is_directory(dir / "HV曲線.wmf"));
}

// An independent reader converts every metafile of a start-up run and of a pump study
// without a word on standard error.
TEST(MetafileExportTest, LibwmfConvertsEveryMetafileWithoutAWarning) {
  for (int pumpKind : {-1, 1}) {
    const fs::path dir = ScratchDir();
    Calculation run = Calculated(pumpKind);
    RecordingInteraction ui;
    ASSERT_TRUE(WriteMetafiles(run.sheet, run.form, dir, ui));
    for (const ChartFile& file : ChartFilesForKind(run.form.ActiveCalcKind)) {
      const fs::path wmf = dir / (file.baseName + ".wmf");
      const fs::path svg = dir / (file.baseName + ".svg");
      const fs::path errors = dir / "errors.txt";
      EXPECT_EQ(pdftools::RunTool(VESTARO_WMF2SVG, "-o " + pdftools::Quote(svg) + " " +
                                                       pdftools::Quote(wmf), errors),
                0);
      EXPECT_EQ(ReadBytes(errors), "") << file.baseName;
    }
  }
}

}  // namespace
