#pragma once
/// Golden texts for the tests: the lines of a UTF-8 file under tests/data.

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/testfiles.h"

namespace testing_support {

/// The lines of tests/data/`relative`, without their line ends.
inline std::vector<std::string> GoldenLines(const std::string& relative) {
  std::ifstream in(DataFile(relative));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

/// The cells of one table row joined by tabs, as the golden tables hold them.
inline std::string JoinCells(const std::vector<std::string>& cells) {
  std::string joined;
  for (std::size_t i = 0; i < cells.size(); ++i) joined += (i ? "\t" : "") + cells[i];
  return joined;
}

}  // namespace testing_support
