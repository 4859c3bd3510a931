#pragma once
/// The one number formatter of the system.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

/// A pattern of FormatNumber analysed once, for the tables that format thousands of values by
/// the same few patterns: `static constexpr NumberPattern kLevel("#,0.000");` costs nothing at
/// run time. It refers to the pattern's characters, which must outlive it.
class NumberPattern {
 public:
  constexpr explicit NumberPattern(std::string_view pattern) : m_text(pattern) {
    const auto first = std::find_if(pattern.begin(), pattern.end(), IsPlaceholder);
    if (first == pattern.end()) return;  // no group: the pattern is the text
    m_begin = static_cast<std::size_t>(first - pattern.begin());
    m_end = pattern.size() -
            static_cast<std::size_t>(std::find_if(pattern.rbegin(), pattern.rend(), IsPlaceholder) -
                                     pattern.rbegin());
    m_point = m_end;
    bool zeroSeen = false;
    for (std::size_t i = m_begin; i < m_end; ++i) {
      const char c = pattern[i];
      const bool placeholder = IsPlaceholder(c);
      m_plain = m_plain && (placeholder || c == ',' || c == '.');
      if (m_point == m_end && c == '.') {
        m_point = i;
      } else if (m_point == m_end) {
        m_thousands = m_thousands || c == ',';
        zeroSeen = zeroSeen || c == '0';
        if (placeholder && zeroSeen) ++m_mandatoryIntegerDigits;
      } else if (placeholder) {
        ++m_fractionPlaceholders;
        if (c == '0') m_mandatoryFractionDigits = m_fractionPlaceholders;
      }
    }
  }

  constexpr std::string_view Text() const { return m_text; }
  constexpr bool HasGroup() const { return m_begin < m_end; }
  /// [Begin(), End()): the placeholder group, from the first placeholder to the last.
  constexpr std::size_t Begin() const { return m_begin; }
  constexpr std::size_t End() const { return m_end; }
  /// The group's first decimal point, or End() when it has none.
  constexpr std::size_t Point() const { return m_point; }
  /// Integer placeholders from the first "0" on: digits always shown.
  constexpr int MandatoryIntegerDigits() const { return m_mandatoryIntegerDigits; }
  constexpr int FractionPlaceholders() const { return m_fractionPlaceholders; }
  /// Fraction placeholders up to the last "0": decimals always shown.
  constexpr int MandatoryFractionDigits() const { return m_mandatoryFractionDigits; }
  /// Whether a "," before the point asks for thousands separators.
  constexpr bool Thousands() const { return m_thousands; }
  /// Whether the group holds nothing but placeholders, separators and points.
  constexpr bool Plain() const { return m_plain; }

  /// "0" and "#" stand for digits.
  static constexpr bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

 private:
  std::string_view m_text;
  std::size_t m_begin = 0, m_end = 0, m_point = 0;
  int m_mandatoryIntegerDigits = 0;
  int m_fractionPlaceholders = 0;
  int m_mandatoryFractionDigits = 0;
  bool m_thousands = false;
  bool m_plain = true;
};

/// Formats `value` by `pattern`. The placeholder group runs from the pattern's first to its
/// last placeholder: "0" is a digit always shown, "#" a digit shown only when significant, a ","
/// inside the group asks for thousands separators and "." is the decimal point. Everything
/// before and after the group is copied unchanged, so a whole line can serve as the pattern:
/// FormatNumber("I1=0.000mm/hr", 12.3456) == "I1=12.346mm/hr".
///
/// The value is first written with at most 15 significant digits and that decimal is rounded
/// half away from zero at the last shown decimal (2.675 with "0.00" gives "2.68"). A minus sign
/// stands directly before the first digit; a value that rounds to zero has none. A pattern
/// without placeholders is returned as it stands.
std::string FormatNumber(std::string_view pattern, double value);
std::string FormatNumber(const NumberPattern& pattern, double value);
