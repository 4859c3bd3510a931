#pragma once
/// The one number formatter of the system.

#include <string>
#include <string_view>

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
