#include "reports/volumecheckreport.h"

#include <gtest/gtest.h>

#include "core/design/designform.h"
#include "core/design/textfile.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "results/runcalculation.h"
#include "tests/support/testfiles.h"

using testing_support::ReadBytes;
using testing_support::ScratchDir;

namespace {

ResultSheet RunOf(DesignForm form) {
  ResultSheet sheet;
  RecordingInteraction ui;
  NoProgressBar progress;
  EXPECT_TRUE(RunCalculation(form, sheet, ui, progress));
  return sheet;
}

}  // namespace

TEST(VolumeCheckReportTest, TheStartupCheckIsWrittenInShiftJisAndStatesTheLastStepsSurplus) {
  std::filesystem::path dir = ScratchDir();
  ASSERT_EQ(WriteVolumeCheckReport(RunOf(StartupDesignForm()), dir), "");
  std::string bytes = ReadBytes(dir / "調節池検証.txt");
  EXPECT_EQ(bytes.substr(0, 6), "\x92\xb2\x90\xdf\x92\x72");  // 調節池 in Shift-JIS
  TextFileLines file = DecodeShiftJisLines(bytes, "調節池検証.txt");
  ASSERT_TRUE(file.ok);
  EXPECT_EQ(bytes, EncodeShiftJisLines(file.lines).bytes);  // every line ends in CR LF
  EXPECT_EQ(file.lines, (std::vector<std::string>{
    "調節池容量の検証",
    "",
    "  1)流出ハイドロの容量",
    "    降雨ブロックの容量(ΣQn･Δt)    =524,766.990m3",
    "    ハイドロ終端までの容量          =484,561.745m3",
    "    ハイドロ終端後の減衰            =40,205.245m3",
    "    設計ハイドロ容量                =524,766.990m3",
    "",
    "  2)調節計算の収支",
    "    流入量                          =524,766.990m3",
    "    放流量                          =425,415.645m3",
    "    貯留量の増加(開始水位から)      =99,313.191m3",
    "",
    "  3)差",
    "    流入量-設計ハイドロ容量         =0.000m3 (0.000%)",
    "    貯留量の増加-(流入量-放流量)    =-38.154m3 (-0.007%)",
    "    設計ハイドロ容量-降雨ブロック   =0.000m3 (0.000%)",
    "",
    "    終端後の1ステップ(20.00分)で、ハイドロ終端までの容量より40,205.245m3(8.297%)多く",
    "    流入し、安全側となる。",
  }));

  // A pump study has no single routing to check; a short run says what it left out.
  DesignForm study = StartupDesignForm();
  study.SelectOutletPage(1);
  study.ChoosePumpCalcKind(1);
  EXPECT_EQ(RunOf(study).CheckText.back(), "  この計算では容量の検証を行いません。");
  DesignForm shortRun = StartupDesignForm();
  shortRun.CalcDuration = "200";
  EXPECT_EQ(RunOf(shortRun).CheckText.back(), "    計算時間内に流入しない容量がある。");
  EXPECT_NE(WriteVolumeCheckReport(RunOf(StartupDesignForm()), dir / "no" / "such"), "");
}
