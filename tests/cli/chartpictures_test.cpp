#include "cli/chartpictures.h"

#include <sstream>

#include <gtest/gtest.h>

#include "cli/calccommand.h"
#include "core/design/designfile.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

TEST(ChartPicturesTest, CalcWritesTheChartsAsMetafilesPngAndSvgOfTheAskedSize) {
  const fs::path dir = testing_support::ScratchDir();
  RecordingInteraction ui;
  DesignForm form = StartupDesignForm();
  ASSERT_TRUE(SaveConditions(form, dir / "start.dat", ui));
  std::ostringstream err;
  ASSERT_EQ(RunCalcCommand({(dir / "start.dat").string(), "--out", dir.string(), "--wmf", "--png",
                            "--svg", "--chart-size", "1000x600"},
                           err),
            0)
      << err.str();
  for (const char* name : {"HQ曲線", "HF曲線", "HV曲線", "降雨波形", "流出ハイドロ", "時間～流入,放流量",
                           "時間～水位"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ReadBytes(dir / (std::string(name) + ".wmf")).substr(0, 4), "\xD7\xCD\xC6\x9A");
    const std::string png = ReadBytes(dir / (std::string(name) + ".png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian(png, 16), 1000u);
    EXPECT_EQ(BigEndian(png, 20), 600u);
    const fs::path svg = dir / (std::string(name) + ".svg");
    EXPECT_EQ(pdftools::RunTool(VESTARO_XMLLINT, "--noout " + pdftools::Quote(svg), dir / "errors"),
              0);
    EXPECT_NE(ReadBytes(svg).find("<text"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(dir / "内水計算結果.png"));

  for (const char* bad : {"1000", "0x600", "1000x", "40000x600", "10x10x"}) {
    EXPECT_EQ(RunCalcCommand({(dir / "start.dat").string(), "--png", "--chart-size", bad}, err), 2)
        << bad;
  }
}

}  // namespace
