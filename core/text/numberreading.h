#pragma once
/// The three ways of turning a window text into a number: named, strict and lenient.
///
/// Every field of the design conditions has one fixed way. The named and lenient ways accept
/// leading blanks, an optional sign, digits, a decimal point "." and an exponent, and nothing
/// else (trailing blanks and the empty text fail). The strict way also accepts trailing blanks.
/// A text whose value is not finite ("1e999", "nan", "inf") is malformed for every way.
/// Blanks are ASCII spaces.

#include <optional>
#include <string_view>

/// The number parse of named fields: the value, or nothing when the text is malformed (the
/// caller then reports the field's item name).
std::optional<double> ReadNamed(std::string_view text);

/// Strict reading: the value, or a ConversionError "'%s' is not a valid floating point value"
/// carrying the text as it was given.
double ReadStrict(std::string_view text);

/// Lenient reading: the value, or 0 for a malformed text (the "-" of an unused box included).
double ReadLenient(std::string_view text);

/// A strict integer as stored in the design-condition file: leading blanks and a sign are
/// accepted; anything else raises ConversionError "'%s' is not a valid integer value".
int ReadStrictInteger(std::string_view text);
