#pragma once
/// Runs the PDF tools that CI installs (qpdf, and pdftotext, pdftoppm and pdfinfo of
/// poppler-utils) on written files. Their paths come from the build configuration
/// (vestaro_use_pdf_tools); a tool that is missing fails the test instead of skipping it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pdftools {

inline std::string Quote(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

/// Runs `tool` with `arguments` (already quoted where needed) through the shell, its standard
/// error going to the file `errors`; the exit status, or -1.
inline int RunTool(const char* tool, const std::string& arguments,
                   const std::filesystem::path& errors) {
  if (!std::filesystem::exists(tool)) {
    ADD_FAILURE() << "tool not found: " << tool;
    return -1;
  }
  const std::string command = Quote(tool) + " " + arguments + " 2>" + Quote(errors);
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// A fresh folder for a test's tool output under the build tree.
inline std::filesystem::path OutputDir(const std::string& relative) {
  const std::filesystem::path dir = std::filesystem::path(VESTARO_BINARY_DIR) / relative;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

/// Text without any blanks, to compare a program's texts with what pdftotext gives back whatever
/// widths the reader gives their runs of spaces. The reader turns the wave dash of code page
/// 932 (0x8160) into U+301C, which the program's texts hold as U+FF5E.
inline std::string Comparable(std::string text) {
  for (const std::string blank : {" ", "\n", "\f", "　"}) {
    for (std::size_t at; (at = text.find(blank)) != std::string::npos;) text.erase(at, blank.size());
  }
  for (std::size_t at; (at = text.find("〜")) != std::string::npos;) text.replace(at, 3, "～");
  return text;
}

}  // namespace pdftools
