#include "cli/batchcommands.h"

#include <gtest/gtest.h>

#include <sstream>

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
}

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
