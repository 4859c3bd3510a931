#include "cli/criticalcommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/design/designfile.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/testfiles.h"

using testing_support::DataFile;
using testing_support::ScratchDir;

TEST(CriticalCommandTest, TheStartupSearchListsEveryStormAndFindsTheTypedOneAmongTheWorst) {
  std::ostringstream out, err;
  ASSERT_EQ(RunCriticalCommand({DataFile("design/startup.dat").string()}, out, err), 0);
  std::istringstream csv(out.str());
  std::vector<std::string> lines;
  for (std::string line; std::getline(csv, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 1u + 3 * 72);
  EXPECT_EQ(lines[0], "降雨波形,降雨継続時間(分),最高水位(m),必要調節容量(m3),最大流入量(m3/s),"
                      "最大放流量(m3/s),結果");
  EXPECT_EQ(lines[1], "中央集中型(1),20,27.560,43950.308,67.009,3.794,完了");
  EXPECT_EQ(lines.back(), "後方集中型,1440,31.937,267775.350,67.009,5.887,完了");
  EXPECT_NE(err.str().find("設計の降雨(後方集中型 1440分)は最高水位が最も高い降雨に含まれる。\n"),
            std::string::npos);
  EXPECT_NE(err.str().find("最高水位が最も高い降雨    : 後方集中型 "), std::string::npos);
}

TEST(CriticalCommandTest, RefusesWhatItCannotSearchWithAReason) {
  std::filesystem::path dir = ScratchDir();
  DesignForm constant = StartupDesignForm();
  constant.ChooseIntensitySource(1);
  RecordingInteraction ui;
  ASSERT_TRUE(SaveConditions(constant, dir / "constant.dat", ui));
  std::ostringstream out, err;
  EXPECT_EQ(RunCriticalCommand({(dir / "constant.dat").string()}, out, err), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("降雨強度式の降雨で"), std::string::npos);

  std::ostringstream none;
  EXPECT_EQ(RunCriticalCommand({(dir / "none.dat").string()}, out, none), 2);
  EXPECT_EQ(RunCriticalCommand({}, out, none), 2);
}
