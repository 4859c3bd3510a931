#include "cli/batchcommands.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "core/design/designfile.h"
#include "core/interaction/recordinginteraction.h"

#include "tests/support/testfiles.h"

using testing_support::DataFile;
using testing_support::ReadBytes;
using testing_support::ScratchDir;
using testing_support::WriteBytes;

namespace {

struct BatchRun {
  int status;
  std::string out, err;
};

BatchRun Batch(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = RunBatch(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace

TEST(BatchCommandsTest, NewWritesTheStartupDesignAndResaveReproducesIt) {
  std::filesystem::path dir = ScratchDir();
  BatchRun created = Batch({"new", (dir / "x.dat").string()});
  EXPECT_EQ(created.status, 0);
  EXPECT_EQ(created.err, "設計条件を保存しました。\n");
  EXPECT_EQ(ReadBytes(dir / "x.dat"), ReadBytes(DataFile("design/startup.dat")));

  BatchRun resaved = Batch({"resave", (dir / "x.dat").string(), (dir / "y.dat").string()});
  EXPECT_EQ(resaved.status, 0);
  EXPECT_EQ(resaved.err, "設計条件を読込みました。\n設計条件を保存しました。\n");
  // Loaded empty cells hold a single blank, which the save quotes.
  std::string expected = ReadBytes(DataFile("design/startup.dat"));
  for (std::size_t at; (at = expected.find("\r\n,,\r\n")) != std::string::npos;) {
    expected.replace(at, 6, "\r\n\" \",\" \",\" \"\r\n");
  }
  EXPECT_EQ(ReadBytes(dir / "y.dat"), expected);
}

TEST(BatchCommandsTest, RefusedFilesAndBadUsageExitWithTwo) {
  std::filesystem::path dir = ScratchDir();
  WriteBytes(dir / "bad.dat", "0\r\n0\r\nzero\r\n");
  BatchRun refused = Batch({"resave", (dir / "bad.dat").string(), (dir / "out.dat").string()});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "'zero' is not a valid integer value\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.dat"));

  EXPECT_EQ(Batch({}).status, 2);
  EXPECT_EQ(Batch({"new"}).status, 2);
  EXPECT_EQ(Batch({"frobnicate", "a"}).status, 2);
  EXPECT_EQ(Batch({"new", (dir / "missing" / "x.dat").string()}).status, 2);

  // A folder where a design file belongs: resave refuses it as a file, calc takes it as a folder
  // of designs and says that it holds none.
  std::filesystem::create_directories(dir / "d.dat");
  BatchRun folder = Batch({"resave", (dir / "d.dat").string(), (dir / "out.dat").string()});
  EXPECT_EQ(folder.status, 2);
  EXPECT_EQ(folder.err, "Cannot open file \"" + (dir / "d.dat").string() + "\". Is a directory\n");
  BatchRun emptyFolder = Batch({"calc", (dir / "d.dat").string()});
  EXPECT_EQ(emptyFolder.status, 2);
  EXPECT_EQ(emptyFolder.err, "vestaro-batch calc: no design file (*.dat) found.\n");
}

#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's shadow memory does not fit a small address space
TEST(BatchCommandsTest, RunningOutOfMemoryEndsTheCommandWithAMessageAndLosesNothing) {
  std::filesystem::path dir = ScratchDir();
  ASSERT_EQ(Batch({"calc", DataFile("design/startup.dat").string(), "--out", dir.string()}).status, 0);
  const std::string oldText = ReadBytes(dir / "調節池.txt");
  const std::string oldPdf = ReadBytes(dir / "調節池計算結果.pdf");
  // The largest design that reading accepts needs about 600 MB.
  DesignForm form = StartupDesignForm();
  form.Concentration = "2";
  form.RainDuration = "100000";
  form.CalcDuration = "99990";
  form.Pitch = "0.5";
  RecordingInteraction ui;
  ASSERT_TRUE(SaveConditions(form, dir / "large.dat", ui));

  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max =
        static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (16 << 20);
    setrlimit(RLIMIT_AS, &limit);
    BatchRun run = Batch({"calc", (dir / "large.dat").string(), "--out", dir.string()});
    (void)!write(pipeEnds[1], run.err.data(), run.err.size());
    _exit(run.status);
  }
  close(pipeEnds[1]);
  std::string err;
  char buffer[4096];
  for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) err.append(buffer, got);
  close(pipeEnds[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_NE(err.find("メモリが不足したため、処理を中断しました。\n"), std::string::npos) << err;
  EXPECT_EQ(ReadBytes(dir / "調節池.txt"), oldText);
  EXPECT_EQ(ReadBytes(dir / "調節池計算結果.pdf"), oldPdf);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 3);
}
#endif

TEST(BatchCommandsTest, EstimatePrintsTheStorageFieldThenTheDerivation) {
  BatchRun run = Batch({"estimate", "2590", "3/4", "12.9", "6.0", "247.9", "0.84"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::string expected = ReadBytes(DataFile("estimate/default_derivation.txt"));
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.out.substr(0, 10), "296,558.4\n");

  BatchRun malformed = Batch({"estimate", "2590", "3/4", "12.9", "6,0", "247.9", "0.84"});
  EXPECT_EQ(malformed.status, 1);
  EXPECT_EQ(malformed.out, "");
  EXPECT_EQ(malformed.err, "'6,0' is not a valid floating point value\n");

  BatchRun zero = Batch({"estimate", "2590", "3/4", "12.9", "6.0", "247.9", "0"});
  EXPECT_EQ(zero.status, 1);
  EXPECT_EQ(zero.err, "Floating point division by zero\n");

  EXPECT_EQ(Batch({"estimate", "2590", "3/4", "12.9", "6.0", "247.9"}).status, 2);
}
