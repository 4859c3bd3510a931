#include "core/design/atomicfileset.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include "core/design/textfile.h"
#include "tests/support/testfiles.h"

using testing_support::ReadBytes;
using testing_support::ScratchDir;
using testing_support::WriteBytes;

namespace {

mode_t Permissions(const std::filesystem::path& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0);
  return info.st_mode & 07777;
}

// The names in `dir`, sorted.
std::vector<std::string> Names(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(AtomicFileSetTest, WritesThroughLinksAndKeepsThePermissionsOfTheReplacedFile) {
  std::filesystem::path dir = ScratchDir();
  std::filesystem::create_directories(dir / "real");
  WriteBytes(dir / "real" / "design.dat", "old");
  ASSERT_EQ(chmod((dir / "real" / "design.dat").c_str(), 0640), 0);
  // A relative link to a link: both are followed, and both stay links.
  std::filesystem::create_symlink("real/design.dat", dir / "inner.dat");
  std::filesystem::create_symlink("inner.dat", dir / "outer.dat");

  EXPECT_EQ(WriteFileAtomically(dir / "outer.dat", "new"), "");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "outer.dat"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "inner.dat"));
  EXPECT_EQ(ReadBytes(dir / "real" / "design.dat"), "new");
  EXPECT_EQ(Permissions(dir / "real" / "design.dat"), 0640u);
  EXPECT_EQ(Names(dir / "real"), std::vector<std::string>{"design.dat"});

  // A new file, also one that a dangling link names, gets the permissions of any new file.
  mode_t mask = umask(022);
  std::filesystem::create_symlink("real/later.dat", dir / "dangling.dat");
  EXPECT_EQ(WriteFileAtomically(dir / "dangling.dat", "x"), "");
  EXPECT_EQ(ReadBytes(dir / "real" / "later.dat"), "x");
  EXPECT_EQ(Permissions(dir / "real" / "later.dat"), 0644u);
  umask(mask);

  std::filesystem::create_symlink("loop.dat", dir / "loop.dat");
  EXPECT_EQ(WriteFileAtomically(dir / "loop.dat", "x"),
            "Cannot write file \"" + (dir / "loop.dat").string() +
                "\". Too many levels of symbolic links");
}

TEST(AtomicFileSetTest, ReplacesEveryFileOfTheSetOrNone) {
  std::filesystem::path dir = ScratchDir();
  WriteBytes(dir / "a.txt", "old a");
  WriteBytes(dir / "b.pdf", "old b");
  std::filesystem::create_directories(dir / "c.wmf");
  {
    AtomicFileSet files;
    EXPECT_EQ(files.Add(dir / "a.txt", "new a"), "");
    EXPECT_EQ(files.Add(dir / "b.pdf", "new b"), "");
    // A folder where a file should go is refused before anything is replaced.
    EXPECT_EQ(files.Add(dir / "c.wmf", "new c"),
              "Cannot write file \"" + (dir / "c.wmf").string() + "\". Is a directory");
    EXPECT_EQ(ReadBytes(dir / "a.txt"), "old a");
  }  // dropped without Commit
  EXPECT_EQ(ReadBytes(dir / "a.txt"), "old a");
  EXPECT_EQ(ReadBytes(dir / "b.pdf"), "old b");
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"a.txt", "b.pdf", "c.wmf"}));

  AtomicFileSet files;
  EXPECT_EQ(files.Add(dir / "a.txt", "new a"), "");
  EXPECT_EQ(files.Add(dir / "b.pdf", "new b"), "");
  EXPECT_EQ(files.Add(dir / "d" / "e.png", "x"),
            "Cannot create file \"" + (dir / "d" / "e.png").string() +
                "\". No such file or directory");
  EXPECT_EQ(files.Commit(), "");
  EXPECT_EQ(ReadBytes(dir / "a.txt"), "new a");
  EXPECT_EQ(ReadBytes(dir / "b.pdf"), "new b");
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"a.txt", "b.pdf", "c.wmf"}));
}

TEST(AtomicFileSetTest, TheNextWriteRemovesTheTemporariesOfKilledWritesOnly) {
  std::filesystem::path dir = ScratchDir();
  WriteBytes(dir / "x.dat.tmp-Ab12cD", "left by a killed save");
  WriteBytes(dir / "x.dat.tmp-live00", "a save in progress");
  WriteBytes(dir / "x.dat.tmp-toolong", "not a temporary name");
  WriteBytes(dir / "y.dat.tmp-Ab12cD", "another file's");
  // A writer that is still at work holds the lock of its temporary.
  int live = open((dir / "x.dat.tmp-live00").c_str(), O_RDONLY);
  ASSERT_GE(live, 0);
  ASSERT_EQ(flock(live, LOCK_EX), 0);

  EXPECT_EQ(WriteFileAtomically(dir / "x.dat", "saved"), "");
  close(live);
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"x.dat", "x.dat.tmp-live00", "x.dat.tmp-toolong",
                                                  "y.dat.tmp-Ab12cD"}));
  EXPECT_EQ(ReadBytes(dir / "x.dat"), "saved");
}
