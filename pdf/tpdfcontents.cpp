#include "pdf/tpdfcontents.h"

#include <algorithm>
#include <sstream>

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

// The operands and operators of one drawing operation, put together on the stack and appended
// to the content stream in one piece: a long report draws hundreds of thousands of them.
class OperationText {
 public:
  OperationText& Real(double value) {
    m_end = WritePdfReal(m_end, value);
    return *this;
  }
  OperationText& Integer(std::int64_t value) {
    m_end = WritePdfInteger(m_end, value);
    return *this;
  }
  OperationText& Text(std::string_view text) {
    m_end = std::copy(text.begin(), text.end(), m_end);
    return *this;
  }
  OperationText& Point(float X, float Y, std::string_view Operator) {
    return Real(X).Text(" ").Real(Y).Text(Operator);
  }
  OperationText& Color(TPDFColor Color, std::string_view Operator) {
    Real(static_cast<double>(Color & 0xFF) / 255.0).Text(" ");
    Real(static_cast<double>((Color >> 8) & 0xFF) / 255.0).Text(" ");
    return Real(static_cast<double>((Color >> 16) & 0xFF) / 255.0).Text(Operator);
  }
  void AppendTo(std::string& data) const {
    data.append(m_buffer, static_cast<std::size_t>(m_end - m_buffer));
  }
  // Writes "X Y" and the operator at `out`, as Point does, and returns the end.
  static char* WritePoint(char* out, float X, float Y, std::string_view Operator) {
    out = WritePdfReal(out, X);
    *out++ = ' ';
    out = WritePdfReal(out, Y);
    return std::copy(Operator.begin(), Operator.end(), out);
  }

 private:
  // Room for the longest operation below: ten numbers and their operators.
  char m_buffer[16 * kPdfNumberMaxLength];
  char* m_end = m_buffer;
};

// Room that TextOut needs at most for an operation of `textSize` bytes under text state
// operators of `stateSize` bytes: the position, then per byte of text at most two bytes
// (hexadecimal or escaped) and per line at most nine bytes of operators ("T*", "<", "> Tj"),
// then "ET".
std::size_t TextOperationRoom(std::size_t stateSize, std::size_t textSize) {
  return stateSize + 2 * kPdfNumberMaxLength + 8 + 11 * (textSize + 1) + 3;
}

// Writes the show operator of one line at `out` and returns the end: hexadecimal text when the
// line holds a two-byte character, otherwise a literal string with "(", ")" and "\\" escaped.
// An empty line shows nothing ("T*" still advances past it).
char* WriteLine(char* out, std::string_view Line) {
  if (Line.empty()) return out;
  if (HasTwoByteCharacter(Line)) {
    *out++ = '<';
    for (const char c : Line) {
      const auto byte = static_cast<unsigned char>(c);
      *out++ = kHexDigits[byte >> 4];
      *out++ = kHexDigits[byte & 0xF];
    }
    return std::copy_n("> Tj\r", 5, out);
  }
  *out++ = '(';
  for (const char c : Line) {
    if (c == '(' || c == ')' || c == '\\') *out++ = '\\';
    *out++ = c;
  }
  return std::copy_n(") Tj\r", 5, out);
}

// Writes the text operation of TextOut at `out` and returns the end: the text state operators,
// the position, one show operator per line (lines split at CR, CR LF being one break, advanced
// by "T*"), then "ET". `out` has TextOperationRoom bytes.
char* WriteTextOperation(char* out, std::string_view stateOperators, float X, float Y,
                         std::string_view Text) {
  out = std::copy(stateOperators.begin(), stateOperators.end(), out);
  out = OperationText::WritePoint(out, X, Y, " Td\r");
  std::size_t begin = 0;
  bool firstLine = true;
  while (begin < Text.size()) {
    const std::size_t cr = Text.find('\r', begin);
    const std::size_t end = cr == std::string_view::npos ? Text.size() : cr;
    if (!firstLine) out = std::copy_n("T*\r", 3, out);
    out = WriteLine(out, Text.substr(begin, end - begin));
    firstLine = false;
    if (cr == std::string_view::npos) break;
    begin = cr + 1;
    if (begin < Text.size() && Text[begin] == '\n') ++begin;
  }
  return std::copy_n("ET\r", 3, out);
}

}  // namespace

TPDFContents::TPDFContents(TInkvale& Writer) : TPDFObject(Writer) {}

void TPDFContents::TextOut(std::string_view Text, float X, float Y) {
  const TPDFFont& font = Writer().GetFont(FontIndex);
  const TextState state{font.ResourceIndex, FontSize, FillColor, Leading, CharSpacing, WordSpacing};
  if (m_textState != state) {
    OperationText start;
    start.Text("BT\r/F").Integer(state.font).Text(" ").Real(state.size).Text(" Tf\r");
    start.Color(state.color, " rg \r").Real(state.leading).Text(" TL\r");
    start.Real(state.charSpacing).Text(" Tc\r").Real(state.wordSpacing).Text(" Tw\r");
    m_textStateOperators.clear();
    start.AppendTo(m_textStateOperators);
    m_textState = state;
  }
  // The whole operation is written in one piece: on the stack when it is short, as most are,
  // otherwise in place behind the stream's end, which is then cut to what was written.
  constexpr std::size_t kStackRoom = 1024;
  const std::size_t room = TextOperationRoom(m_textStateOperators.size(), Text.size());
  if (room <= kStackRoom) {
    char buffer[kStackRoom];
    Data.append(buffer, WriteTextOperation(buffer, m_textStateOperators, X, Y, Text));
  } else {
    const std::size_t at = Data.size();
    Data.resize(at + room);
    char* end = WriteTextOperation(Data.data() + at, m_textStateOperators, X, Y, Text);
    Data.resize(static_cast<std::size_t>(end - Data.data()));
  }
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
  const LineState state{LineCap, StrokeColor, LineWidth};
  if (m_lineState != state) {
    OperationText setting;
    setting.Integer(state.cap).Text(" J\r").Color(state.color, " RG \r").Real(state.width).Text(" w\r");
    m_lineStateOperators.clear();
    setting.AppendTo(m_lineStateOperators);
    m_lineState = state;
  }
  OperationText()
      .Point(X1, Y1, " m\r")
      .Text(m_lineStateOperators)
      .Point(X2, Y2, " l\r")
      .Text("S\rn\r")
      .AppendTo(Data);
}

void TPDFContents::Rectangle(bool Clip, float X1, float Y1, float X2, float Y2) {
  OperationText outline;
  outline.Point(X1, Y1, " m\r").Real(LineWidth).Text(" w\r").Integer(LineJoin).Text(" j\r");
  outline.Color(StrokeColor, " RG \r");
  outline.Point(X1, Y2, " l\r").Point(X2, Y2, " l\r").Point(X2, Y1, " l\r").AppendTo(Data);
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
  std::ostringstream body;
  WriteBody(body);
  return std::move(body).str();
}

namespace {

constexpr std::string_view kStreamTail = "\nendstream\r\n";

std::string StreamHead(std::size_t length) {
  std::string head = "<<\r\n/Length ";
  AppendPdfInteger(head, static_cast<std::int64_t>(length));
  head += "\r\n>>\r\nstream\r\n";
  return head;
}

}  // namespace

void TPDFContents::WriteBody(std::ostream& out) const {
  const std::string head = StreamHead(Data.size());
  out.write(head.data(), static_cast<std::streamsize>(head.size()));
  out.write(Data.data(), static_cast<std::streamsize>(Data.size()));
  out.write(kStreamTail.data(), static_cast<std::streamsize>(kStreamTail.size()));
}

std::size_t TPDFContents::BodySize() const {
  return StreamHead(Data.size()).size() + Data.size() + kStreamTail.size();
}

void TPDFContents::FillRectangle(float X1, float Y1, float X2, float Y2) {
  OperationText()
      .Color(FillColor, " rg \r")
      .Point(X1, Y1, " ")
      .Point(X2 - X1, Y2 - Y1, " re\rf\r")
      .AppendTo(Data);
}
