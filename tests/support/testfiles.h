#pragma once
/// File helpers for tests: a fresh scratch folder per test, and whole-file reads and writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {

/// An empty folder under the build tree, named after the running test.
inline std::filesystem::path ScratchDir() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path dir = std::filesystem::path(VESTARO_BINARY_DIR) / "test-scratch" /
                              (std::string(info->test_suite_name()) + "." + info->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

/// A file under tests/data.
inline std::filesystem::path DataFile(const std::string& relative) {
  return std::filesystem::path(VESTARO_TEST_DATA_DIR) / relative;
}

}  // namespace testing_support
