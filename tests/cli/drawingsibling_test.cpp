#include "cli/drawingsibling.h"

#include <gtest/gtest.h>

#include "core/design/designfile.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"

namespace {

namespace fs = std::filesystem;
using pdftools::Quote;
using testing_support::ReadBytes;

TEST(DrawingSiblingTest, BatchToolHandsOnlyTheQtDrawingToItsSibling) {
  const fs::path dir = testing_support::ScratchDir();
  RecordingInteraction ui;
  DesignForm form = StartupDesignForm();
  ASSERT_TRUE(SaveConditions(form, dir / "start.dat", ui));
  const std::string design = Quote(dir / "start.dat");

  // Beside its sibling, the batch tool writes the SVG pictures as part of the one command.
  fs::create_directory(dir / "drawn");
  ASSERT_EQ(pdftools::RunTool(VESTARO_BATCH,
                              "calc " + design + " --out " + Quote(dir / "drawn") +
                                  " --svg --chart-size 300x200 >/dev/null",
                              dir / "errors"),
            0)
      << ReadBytes(dir / "errors");
  EXPECT_TRUE(fs::exists(dir / "drawn" / "調節池.txt"));
  EXPECT_TRUE(fs::exists(dir / "drawn" / "調節池計算結果.pdf"));
  EXPECT_NE(ReadBytes(dir / "drawn" / "HQ曲線.svg").find("<svg"), std::string::npos);

  // Alone, it still runs everything that needs no Qt, metafiles included ...
  const fs::path alone = dir / "alone";
  fs::create_directories(alone / "out");
  fs::copy_file(VESTARO_BATCH, alone / "vestaro-batch");
  const std::string batch = (alone / "vestaro-batch").string();
  ASSERT_EQ(pdftools::RunTool(batch.c_str(),
                              "calc " + design + " --out " + Quote(alone / "out") + " --wmf >/dev/null",
                              dir / "errors"),
            0)
      << ReadBytes(dir / "errors");
  EXPECT_TRUE(fs::exists(alone / "out" / "HQ曲線.wmf"));

  // ... and refuses a Qt option before it writes anything, saying what is missing.
  for (const char* option : {"--png", "--print-pdf"}) {
    SCOPED_TRACE(option);
    fs::remove_all(alone / "out");
    fs::create_directory(alone / "out");
    EXPECT_EQ(pdftools::RunTool(batch.c_str(),
                                "calc " + design + " --out " + Quote(alone / "out") + " " + option,
                                dir / "errors"),
              2);
    EXPECT_NE(ReadBytes(dir / "errors").find(std::string(kDrawingSiblingName) + " beside"),
              std::string::npos)
        << ReadBytes(dir / "errors");
    EXPECT_TRUE(fs::is_empty(alone / "out"));
  }
}

}  // namespace
