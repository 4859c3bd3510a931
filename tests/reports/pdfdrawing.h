#pragma once
/// Reads back what a written PDF draws, for the report's tests: the content stream of every
/// page, and from a stream its shown texts (as UTF-8, with position and size) and its stroked
/// line segments (with width, colour and dash), in drawing order.

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/cp932.h"

namespace pdfdrawing {

struct ShownText {
  std::string text;  // UTF-8
  double x = 0;
  double y = 0;
  double size = 0;
  int order = 0;     // position among the page's texts and segments
};

struct Segment {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double width = 0;
  std::string colour;  // the stroke colour's operands, "0 0 0" for black
  bool dashed = false;
  int order = 0;
  bool Horizontal() const { return y1 == y2; }
  bool Vertical() const { return x1 == x2; }
};

struct PageDrawing {
  std::vector<ShownText> texts;
  std::vector<Segment> segments;

  /// The texts in drawing order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const ShownText& t : texts) out.push_back(t.text);
    return out;
  }
  /// The first text drawn at baseline y (within 0.01), or null.
  const ShownText* TextAt(double y) const {
    for (const ShownText& t : texts) {
      if (t.y > y - 0.01 && t.y < y + 0.01) return &t;
    }
    return nullptr;
  }
  const ShownText* Find(std::string_view text) const {
    for (const ShownText& t : texts) {
      if (t.text == text) return &t;
    }
    return nullptr;
  }
};

/// The content streams of a PDF written by the system's writer, in page order (each page's
/// content stream directly follows its page object, and fonts are not streams).
inline std::vector<std::string> PageStreams(const std::string& pdf) {
  std::vector<std::string> streams;
  std::size_t at = 0;
  while ((at = pdf.find(">>\r\nstream\r\n", at)) != std::string::npos) {
    const std::size_t start = at + 12;
    const std::size_t end = pdf.find("\nendstream\r\n", start);
    if (end == std::string::npos) break;
    streams.push_back(pdf.substr(start, end - start));
    at = end;
  }
  return streams;
}

namespace detail {

inline std::vector<double> Numbers(std::string_view line) {
  std::vector<double> numbers;
  const char* p = line.data();
  const char* end = p + line.size();
  while (p < end) {
    double value = 0;
    const auto result = std::from_chars(p, end, value);
    if (result.ec != std::errc()) break;
    numbers.push_back(value);
    p = result.ptr;
    while (p < end && *p == ' ') ++p;
  }
  return numbers;
}

inline bool EndsWith(std::string_view line, std::string_view tail) {
  return line.size() >= tail.size() && line.substr(line.size() - tail.size()) == tail;
}

// The bytes of a "(…)" or "<…>" show operand.
inline std::string ShownBytes(std::string_view operand) {
  std::string bytes;
  if (operand.front() == '<') {
    for (std::size_t i = 1; i + 1 < operand.size() && operand[i] != '>'; i += 2) {
      bytes += static_cast<char>(std::stoi(std::string(operand.substr(i, 2)), nullptr, 16));
    }
    return bytes;
  }
  for (std::size_t i = 1; i + 1 < operand.size(); ++i) {
    if (operand[i] == '\\') ++i;
    bytes += operand[i];
  }
  return bytes;
}

}  // namespace detail

/// What one content stream draws.
inline PageDrawing ReadDrawing(const std::string& stream) {
  PageDrawing drawing;
  double size = 0, textX = 0, textY = 0, width = 0, pointX = 0, pointY = 0;
  std::string colour = "0 0 0";
  bool dashed = false;
  int order = 0;
  std::size_t start = 0;
  while (start < stream.size()) {
    std::size_t end = stream.find('\r', start);
    if (end == std::string::npos) end = stream.size();
    const std::string_view line(stream.data() + start, end - start);
    start = end + 1;
    const std::vector<double> numbers = detail::Numbers(line);
    if (line.rfind("/F", 0) == 0 && detail::EndsWith(line, " Tf")) {
      size = detail::Numbers(line.substr(line.find(' ') + 1))[0];
    } else if (detail::EndsWith(line, " Td")) {
      textX = numbers[0];
      textY = numbers[1];
    } else if (detail::EndsWith(line, " Tj")) {
      const std::string bytes = detail::ShownBytes(line.substr(0, line.size() - 3));
      drawing.texts.push_back(
          {Cp932ToUtf8(bytes).value_or("<not CP932>"), textX, textY, size, order++});
    } else if (detail::EndsWith(line, " RG ")) {
      colour = std::string(line.substr(0, line.size() - 4));
    } else if (detail::EndsWith(line, " w")) {
      width = numbers[0];
    } else if (detail::EndsWith(line, " d")) {
      dashed = line.rfind("[]", 0) != 0;
    } else if (detail::EndsWith(line, " m")) {
      pointX = numbers[0];
      pointY = numbers[1];
    } else if (detail::EndsWith(line, " l")) {
      drawing.segments.push_back(
          {pointX, pointY, numbers[0], numbers[1], width, colour, dashed, order++});
      pointX = numbers[0];
      pointY = numbers[1];
    }
  }
  return drawing;
}

/// What every page of a written PDF draws.
inline std::vector<PageDrawing> ReadPages(const std::string& pdf) {
  std::vector<PageDrawing> pages;
  for (const std::string& stream : PageStreams(pdf)) pages.push_back(ReadDrawing(stream));
  return pages;
}

}  // namespace pdfdrawing
