#pragma once
/// The error the PDF writer raises. Its what() is the message text (UTF-8); the writer itself
/// catches none of its errors.

#include <stdexcept>
#include <string>

class PdfError : public std::runtime_error {
 public:
  explicit PdfError(const std::string& message) : std::runtime_error(message) {}
};
