#pragma once
/// Helpers shared by the PDF writer's tests: CP932 text from UTF-8 literals, a fixed clock,
/// content-stream lines, and a check of a written file's cross-reference table.

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <ctime>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pdftest {

/// The CP932 bytes of a UTF-8 literal; throws when a character has no CP932 form.
inline std::string Sjis(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* to = out.data();
  std::size_t toLeft = out.size();
  const std::size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not CP932 text");
  out.resize(out.size() - toLeft);
  return out;
}

/// 2024-03-05 07:08:09, written as "D:20240305070809".
inline std::tm FixedTime() {
  std::tm time{};
  time.tm_year = 2024 - 1900;
  time.tm_mon = 2;
  time.tm_mday = 5;
  time.tm_hour = 7;
  time.tm_min = 8;
  time.tm_sec = 9;
  return time;
}

/// Content-stream lines, each ended by a single CR.
inline std::string CrLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += '\r';
  }
  return text;
}

/// Checks that `pdf` ends with a trailer whose startxref points at "xref" and whose entries
/// point at the headers "n 0 obj\r\n" of objects 1 … objectCount.
inline void ExpectConsistentXref(const std::string& pdf, int objectCount) {
  const std::size_t start = pdf.rfind("startxref\r\n");
  ASSERT_NE(start, std::string::npos);
  const std::size_t xref = std::stoul(pdf.substr(start + 11));
  ASSERT_EQ(pdf.compare(xref, 6, "xref\r\n"), 0);
  const std::string head = "xref\r\n0 " + std::to_string(objectCount + 1) + "\r\n";
  ASSERT_EQ(pdf.compare(xref, head.size(), head), 0);
  const std::size_t entries = xref + head.size();
  EXPECT_EQ(pdf.compare(entries, 20, "0000000000 65535 f\r\n"), 0);
  for (int n = 1; n <= objectCount; ++n) {
    const std::string entry = pdf.substr(entries + 20 * static_cast<std::size_t>(n), 20);
    ASSERT_EQ(entry.substr(10), " 00000 n\r\n") << "entry " << n;
    const std::size_t offset = std::stoul(entry.substr(0, 10));
    const std::string header = std::to_string(n) + " 0 obj\r\n";
    EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << "object " << n;
  }
  EXPECT_EQ(pdf.compare(entries + 20 * static_cast<std::size_t>(objectCount + 1), 9, "trailer\r\n"),
            0);
}

/// The text of object `number` between its header and "endobj".
inline std::string ObjectBody(const std::string& pdf, int number) {
  const std::string header = "\n" + std::to_string(number) + " 0 obj\r\n";
  const std::size_t start = pdf.find(header);
  if (start == std::string::npos) return std::string();
  const std::size_t body = start + header.size();
  return pdf.substr(body, pdf.find("endobj\r\n", body) - body);
}

}  // namespace pdftest
