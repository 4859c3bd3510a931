#include "core/design/readwholefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/design/designfile.h"
#include "core/design/formoperations.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/testfiles.h"

using testing_support::ScratchDir;
using testing_support::WriteBytes;

TEST(ReadWholeFileTest, EveryFailureIsAMessageNamingTheFileAndTheReason) {
  std::filesystem::path dir = ScratchDir();
  WriteBytes(dir / "x.dat", std::string("a\0b", 3));
  FileBytes read = ReadWholeFile(dir / "x.dat");
  EXPECT_TRUE(read.ok);
  EXPECT_EQ(read.bytes, std::string("a\0b", 3));

  auto failure = [](const std::filesystem::path& path) {
    FileBytes result = ReadWholeFile(path);
    EXPECT_FALSE(result.ok) << path;
    EXPECT_TRUE(result.bytes.empty());
    return result.message;
  };
  std::string quoted = "\"" + dir.string() + "\". ";
  EXPECT_EQ(failure(dir), "Cannot open file " + quoted + "Is a directory");
  EXPECT_EQ(failure(dir / "none.dat"),
            "Cannot open file \"" + (dir / "none.dat").string() + "\". No such file or directory");
  // Reading the process's own memory from address 0 fails after the file has opened.
  EXPECT_EQ(failure("/proc/self/mem"), "Cannot read file \"/proc/self/mem\". Input/output error");
  EXPECT_EQ(failure("/dev/zero"), "Cannot read file \"/dev/zero\". File too large");
  if (geteuid() != 0) {  // permissions do not bind the superuser
    ASSERT_EQ(chmod((dir / "x.dat").c_str(), 0), 0);
    EXPECT_EQ(failure(dir / "x.dat"),
              "Cannot open file \"" + (dir / "x.dat").string() + "\". Permission denied");
  }
}

TEST(ReadWholeFileTest, LoadingAndTheCsvImportRefuseAFolderAndKeepTheForm) {
  std::filesystem::path dir = ScratchDir();
  DesignForm form = StartupDesignForm();
  const DesignForm before = form;
  RecordingInteraction ui;
  EXPECT_FALSE(LoadConditions(form, dir, ui));
  ImportObservedCsv(form, ui, dir);
  std::string message = "Cannot open file \"" + dir.string() + "\". Is a directory";
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{message, "降雨強度(mm/hr)ファイルを読込みますか。",
                                                  message}));
  EXPECT_TRUE(form == before);
}
