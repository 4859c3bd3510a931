#include "cli/manydesigns.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/design/designfile.h"
#include "core/design/textfile.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/testfiles.h"

using testing_support::ReadBytes;
using testing_support::ScratchDir;
using testing_support::WriteBytes;

namespace {

std::string Save(const std::filesystem::path& path, void (*change)(DesignForm&)) {
  DesignForm form = StartupDesignForm();
  change(form);
  RecordingInteraction ui;
  EXPECT_TRUE(SaveConditions(form, path, ui));
  return path.string();
}

void Unchanged(DesignForm&) {}

}  // namespace

TEST(ManyDesignsTest, EveryDesignGetsItsFolderAndItsRowAndAFailingOneStopsNoOther) {
  std::filesystem::path dir = ScratchDir();
  std::filesystem::create_directories(dir / "more");
  std::string start = Save(dir / "start.dat", Unchanged);
  std::string tracking = Save(dir / "tracking.dat", [](DesignForm& form) {
    form.SelectOutletPage(1);
    form.ChoosePumpCalcKind(0);
    form.PumpCapacity = "5.0";
  });
  std::string study = Save(dir / "study.dat", [](DesignForm& form) {
    form.SelectOutletPage(1);
    form.ChoosePumpCalcKind(1);
  });
  std::string overflow = Save(dir / "overflow.dat", [](DesignForm& form) {
    form.SelectOutletPage(1);
    form.ChoosePumpCalcKind(0);
    form.PumpCapacity = "0.5";
  });
  WriteBytes(dir / "bad.dat", "junk\r\n");
  Save(dir / "more" / "start.dat", Unchanged);
  WriteBytes(dir / "more" / "notes.txt", "not a design");

  std::vector<std::string> args{start, tracking, study, overflow, (dir / "bad.dat").string(),
                                (dir / "more").string(), "--out", (dir / "out").string(), "--check"};
  ASSERT_TRUE(NamesManyDesigns(args));
  EXPECT_TRUE(NamesManyDesigns({(dir / "more").string()}));
  EXPECT_FALSE(NamesManyDesigns({start, "--out", "x"}));

  std::ostringstream err;
  EXPECT_EQ(RunManyDesigns(args, err, 2), 2);  // the unreadable design is a file error
  EXPECT_NE(err.str().find("[6/6] "), std::string::npos);

  std::filesystem::path out = dir / "out";
  EXPECT_EQ(ReadBytes(out / "start" / "調節池.txt"), ReadBytes(out / "start_2" / "調節池.txt"));
  EXPECT_TRUE(std::filesystem::exists(out / "start" / "調節池検証.txt"));
  EXPECT_TRUE(std::filesystem::exists(out / "tracking" / "調節池計算結果.pdf"));
  EXPECT_FALSE(std::filesystem::exists(out / "overflow" / "調節池.txt"));

  TextFileLines summary = ReadShiftJisLines(out / "summary.csv");
  ASSERT_TRUE(summary.ok);
  ASSERT_EQ(summary.lines.size(), 7u);
  EXPECT_EQ(summary.lines[0], "設計,計算種別,結果,最高水位(m),最高水位時間(分),必要調節容量(m3),"
                              "最大流入量(m3/s),最大放流量(m3/s),余裕高さ(m)");
  EXPECT_EQ(summary.lines[1], start + ",自然排水,完了,31.937,1460,267775.350,67.009,5.887,2.063");
  EXPECT_EQ(summary.lines[2].find(tracking + ",水位追跡,完了,"), 0u);
  EXPECT_EQ(summary.lines[3], study + ",ポンプ検討,完了");
  EXPECT_EQ(summary.lines[4].find(overflow + ",水位追跡,"), 0u);
  EXPECT_NE(summary.lines[4].find("調節池データの範囲を超えました。"), std::string::npos);
  EXPECT_NE(summary.lines[5].find("'junk' is not a valid"), std::string::npos);
  EXPECT_EQ(summary.lines[6].find((dir / "more" / "start.dat").string() + ",自然排水,完了,31.937"),
            0u);
}
