#include "pdf/tpdfcontents.h"

#include "pdf/pdfcp932.h"
#include "pdf/pdfnumber.h"
#include "pdf/tinkvale.h"
#include "pdf/tpdffont.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Whether a line holds a byte of a two-byte character. A trail byte only ever follows a lead
// byte, so looking for a lead byte is enough.
bool HasTwoByteCharacter(std::string_view line) {
  for (const char c : line) {
    if (IsCp932LeadByte(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

}  // namespace

TPDFContents::TPDFContents(TInkvale& Writer) : TPDFObject(Writer) {}

void TPDFContents::AppendPoint(float X, float Y, const char* Operator) {
  AppendPdfReal(Data, X);
  Data += ' ';
  AppendPdfReal(Data, Y);
  Data += Operator;
}

void TPDFContents::AppendColor(TPDFColor Color, const char* Operator) {
  AppendPdfReal(Data, static_cast<double>(Color & 0xFF) / 255.0);
  Data += ' ';
  AppendPdfReal(Data, static_cast<double>((Color >> 8) & 0xFF) / 255.0);
  Data += ' ';
  AppendPdfReal(Data, static_cast<double>((Color >> 16) & 0xFF) / 255.0);
  Data += Operator;
}

void TPDFContents::TextOut(std::string_view Text, float X, float Y) {
  const TPDFFont& font = Writer().GetFont(FontIndex);
  Data += "BT\r/F";
  AppendPdfInteger(Data, font.ResourceIndex);
  Data += ' ';
  AppendPdfReal(Data, FontSize);
  Data += " Tf\r";
  AppendColor(FillColor, " rg \r");
  AppendPdfReal(Data, Leading);
  Data += " TL\r";
  AppendPdfReal(Data, CharSpacing);
  Data += " Tc\r";
  AppendPdfReal(Data, WordSpacing);
  Data += " Tw\r";
  AppendPoint(X, Y, " Td\r");

  std::size_t start = 0;
  bool firstLine = true;
  while (start < Text.size()) {
    const std::size_t cr = Text.find('\r', start);
    const std::size_t end = cr == std::string_view::npos ? Text.size() : cr;
    if (!firstLine) Data += "T*\r";
    AppendLine(Text.substr(start, end - start));
    firstLine = false;
    if (cr == std::string_view::npos) break;
    start = cr + 1;
    if (start < Text.size() && Text[start] == '\n') ++start;
  }
  Data += "ET\r";
}

void TPDFContents::AppendLine(std::string_view Line) {
  if (Line.empty()) return;  // an empty line shows nothing; "T*" still advances past it
  if (HasTwoByteCharacter(Line)) {
    Data += '<';
    for (const char c : Line) {
      const auto byte = static_cast<unsigned char>(c);
      Data += kHexDigits[byte >> 4];
      Data += kHexDigits[byte & 0xF];
    }
    Data += "> Tj\r";
    return;
  }
  Data += '(';
  for (const char c : Line) {
    if (c == '(' || c == ')' || c == '\\') Data += '\\';
    Data += c;
  }
  Data += ") Tj\r";
}

float TPDFContents::TextWidth(std::string_view Text) {
  const TPDFFont& font = Writer().GetFont(FontIndex);
  const double size = FontSize;
  const double halfTwoByte = font.GetWidth(0) / 2.0 * size / 1000.0;
  float width = 0.0f;
  bool expectTrail = false;
  for (std::size_t k = 0; k < Text.size(); ++k) {
    const std::size_t position = k + 1;
    const auto byte = static_cast<unsigned char>(Text[k]);
    if (expectTrail) {
      width = static_cast<float>(width + halfTwoByte);
      if (position > 2) width += CharSpacing;
      expectTrail = false;
    } else if (IsCp932LeadByte(byte)) {
      width = static_cast<float>(width + halfTwoByte);
      expectTrail = true;
    } else {
      if (position != 1) width += CharSpacing;
      width = static_cast<float>(width + font.GetWidth(byte) * size / 1000.0);
      if (byte == 0x20) width += WordSpacing;
    }
  }
  return width;
}

void TPDFContents::Line(float X1, float Y1, float X2, float Y2) {
  AppendPoint(X1, Y1, " m\r");
  AppendPdfInteger(Data, LineCap);
  Data += " J\r";
  AppendColor(StrokeColor, " RG \r");
  AppendPdfReal(Data, LineWidth);
  Data += " w\r";
  AppendPoint(X2, Y2, " l\r");
  Data += "S\rn\r";
}

void TPDFContents::Rectangle(bool Clip, float X1, float Y1, float X2, float Y2) {
  AppendPoint(X1, Y1, " m\r");
  AppendPdfReal(Data, LineWidth);
  Data += " w\r";
  AppendPdfInteger(Data, LineJoin);
  Data += " j\r";
  AppendColor(StrokeColor, " RG \r");
  AppendPoint(X1, Y2, " l\r");
  AppendPoint(X2, Y2, " l\r");
  AppendPoint(X2, Y1, " l\r");
  if (Clip) {
    if (!ClipSaved) {
      Data += "q\r";
      ClipSaved = true;
    }
    Data += "W\r";
  }
  Data += "s\r";
}

void TPDFContents::SetDash(std::uint8_t On, std::uint8_t Off, std::uint8_t Phase) {
  Data += '[';
  if (On > 0) {
    AppendPdfInteger(Data, On);
    Data += ' ';
  }
  if (Off > 0) AppendPdfInteger(Data, Off);
  Data += ']';
  AppendPdfInteger(Data, Phase);
  Data += " d\r";
}

void TPDFContents::RestoreClip() {
  if (!ClipSaved) return;
  Data += "Q\r";
  ClipSaved = false;
}

std::string TPDFContents::GetBody() const {
  std::string body = "<<\r\n/Length ";
  AppendPdfInteger(body, static_cast<std::int64_t>(Data.size()));
  body += "\r\n>>\r\nstream\r\n";
  body.reserve(body.size() + Data.size() + 16);
  body += Data;
  body += "\nendstream\r\n";
  return body;
}

void TPDFContents::FillRectangle(float X1, float Y1, float X2, float Y2) {
  AppendColor(FillColor, " rg \r");
  AppendPoint(X1, Y1, " ");
  AppendPoint(X2 - X1, Y2 - Y1, " re\rf\r");
}
