#pragma once
/// The error that ends a command when a text that must be a number is not one.

#include <stdexcept>
#include <string>
#include <string_view>

/// Raised by strict number reading; its what() is the message the user sees, e.g.
/// "'abc' is not a valid floating point value". The command that started the work catches it
/// and shows the message.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const std::string& message) : std::runtime_error(message) {}

  /// "'%s' is not a valid floating point value".
  static ConversionError NotAFloat(std::string_view text);
  /// "'%s' is not a valid integer value".
  static ConversionError NotAnInteger(std::string_view text);
};
