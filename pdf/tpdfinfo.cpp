#include "pdf/tpdfinfo.h"

#include <ctime>

#include "pdf/pdfcp932.h"
#include "pdf/pdfnumber.h"
#include "pdf/tinkvale.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Appends `value` with at least `width` digits, zero-filled.
void AppendPadded(std::string& out, int value, std::size_t width) {
  std::string digits;
  AppendPdfInteger(digits, value);
  if (value >= 0 && digits.size() < width) out.append(width - digits.size(), '0');
  out += digits;
}

void AppendEntry(std::string& body, const char* key, const std::string& value) {
  body += key;
  body += " <";
  body += EncodeInfoString(value);
  body += ">\r\n";
}

}  // namespace

TPDFInfo::TPDFInfo(TInkvale& Writer) : TPDFObject(Writer) {}

std::string TPDFInfo::GetBody() const {
  const TInkvale& writer = Writer();
  const std::tm now = writer.CreationTime();
  std::string body = "<<\r\n/CreationDate (D:";
  AppendPadded(body, now.tm_year + 1900, 4);
  AppendPadded(body, now.tm_mon + 1, 2);
  AppendPadded(body, now.tm_mday, 2);
  AppendPadded(body, now.tm_hour, 2);
  AppendPadded(body, now.tm_min, 2);
  AppendPadded(body, now.tm_sec, 2);
  body += ")\r\n";
  AppendEntry(body, "/Creator", writer.Creator);
  body += "/Producer (Inkvale0.4)\r\n";
  AppendEntry(body, "/Author", writer.Author);
  AppendEntry(body, "/Title", writer.Title);
  AppendEntry(body, "/Subject", writer.Subject);
  body += ">>\r\n";
  return body;
}

std::string EncodeInfoString(std::string_view Cp932Text) {
  std::string hex = "FEFF001B6A61001B";
  for (const char16_t unit : Cp932ToUtf16(Cp932Text)) {
    for (int shift = 12; shift >= 0; shift -= 4) hex += kHexDigits[(unit >> shift) & 0xF];
  }
  return hex;
}
