#include "core/text/commatext.h"

namespace {

bool IsSeparatorBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

bool NeedsQuotes(const std::string& cell) {
  for (char c : cell) {
    if (IsSeparatorBlank(c) || c == '"' || c == ',') return true;
  }
  return false;
}

std::string Quoted(const std::string& cell) {
  std::string out = "\"";
  for (char c : cell) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

// Reads a quoted item starting at the opening quote; returns the position after the closing
// quote (or the end of the text when the quote is never closed).
std::size_t ReadQuoted(std::string_view text, std::size_t pos, std::string& item) {
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        item.push_back('"');
        pos += 2;
        continue;
      }
      return pos + 1;
    }
    item.push_back(text[pos++]);
  }
  return pos;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsSeparatorBlank(text[pos])) ++pos;
  return pos;
}

}  // namespace

std::string CommaTextOfRow(const std::vector<std::string>& cells) {
  std::string out;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out.push_back(',');
    out += NeedsQuotes(cells[i]) ? Quoted(cells[i]) : cells[i];
  }
  return out;
}

std::vector<std::string> SplitCommaText(std::string_view text) {
  std::vector<std::string> items;
  std::size_t pos = SkipBlanks(text, 0);
  while (pos < text.size()) {
    std::string item;
    if (text[pos] == '"') {
      pos = ReadQuoted(text, pos, item);
    } else {
      std::size_t start = pos;
      while (pos < text.size() && !IsSeparatorBlank(text[pos]) && text[pos] != ',') ++pos;
      item.assign(text.substr(start, pos - start));
    }
    items.push_back(std::move(item));
    pos = SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == ',') {
      if (pos + 1 == text.size()) items.emplace_back();
      pos = SkipBlanks(text, pos + 1);
    }
  }
  return items;
}
