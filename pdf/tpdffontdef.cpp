#include "pdf/tpdffontdef.h"

#include <charconv>
#include <string_view>

#include "pdf/pdfnumber.h"
#include "pdf/tpdffontwidths.h"

namespace {

// The base-font names are the CP932 bytes of "ＭＳ 明朝" and "ＭＳ ゴシック", every byte
// written with the PDF name escape.
const char kMinchoName[] = "#82#6C#82#72#20#96#BE#92#A9";
const char kGothicName[] = "#82#6C#82#72#20#83#53#83#56#83#62#83#4E";

std::shared_ptr<const TPDFFontDescriptorDef> Descriptor(
    const std::string& fontName, std::int32_t flags, std::array<std::int32_t, 4> bbox,
    std::int32_t stemV, std::int32_t ascent, std::int32_t capHeight, std::int32_t descent) {
  auto def = std::make_shared<TPDFFontDescriptorDef>();
  def->FontName = fontName;
  def->Flags = flags;
  def->FontBBox = bbox;
  def->StemV = stemV;
  def->Ascent = ascent;
  def->CapHeight = capHeight;
  def->Descent = descent;
  def->ItalicAngle = 0;
  return def;
}

void InitTrueType(TPDFTrueTypeFontDef& def, std::uint8_t index, const char* baseFont,
                  const char* widthsText, std::int32_t flags, std::array<std::int32_t, 4> bbox,
                  std::int32_t stemV) {
  def.Subtype = "TrueType";
  def.BaseFont = baseFont;
  def.FontIndex = index;
  def.FirstChar = 31;
  def.LastChar = 255;
  def.WidthsText = widthsText;
  def.Encoding = "WinAnsiEncoding";
  def.DescriptorDef = Descriptor(baseFont, flags, bbox, stemV, bbox[3], bbox[3], bbox[1]);
}

// The W array shared by both Japanese fonts: CIDs 1–94 are 479 wide (proportional ASCII),
// CID 326 is 958 and CIDs 327–389 are 479 (half-width katakana), CID 631 is 479. Values are
// laid out sixteen to a line.
std::string JapaneseWText() {
  std::string text = "[\r\n1 [ ";
  for (int i = 1; i <= 94; ++i) {
    text += "479";
    text += i == 94 ? "]\r\n" : (i % 16 == 0 ? " \r\n" : " ");
  }
  text += "326 [ ";
  for (int i = 1; i <= 64; ++i) {
    text += i == 1 ? "958" : "479";
    text += i % 16 == 0 ? " \r\n" : " ";
  }
  text += "]\r\n631 631 479\r\n]\r\n";
  return text;
}

void InitCID2(TPDFCID2FontDef& def, const char* baseFont, std::int32_t flags) {
  def.Subtype = "CIDFontType2";
  def.BaseFont = baseFont;
  def.WinCharSet = 128;
  def.CIDSystemInfo = "/Registry(Adobe)\r\n/Ordering(Japan1)\r\n/Supplement 2";
  def.DW = 1000;
  def.WText = JapaneseWText();
  def.DescriptorDef = Descriptor(baseFont, flags, {-143, -143, 1015, 872}, 78, 872, 872, -143);
}

// Stores each maximal run of digits of `text` from `from` on at codes `code`, `code` + 1, …,
// stopping at the first "]" when `untilBracket`; values past code 255 are dropped.
void ReadDigitRuns(std::string_view text, std::size_t from, bool untilBracket, std::size_t code,
                   std::array<std::int32_t, 256>& widths) {
  std::size_t i = from;
  while (i < text.size() && !(untilBracket && text[i] == ']')) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + i, value);
    if (result.ec == std::errc() && code < widths.size()) widths[code] = value;
    ++code;
  }
}

}  // namespace

TPDFFontDef::~TPDFFontDef() = default;
std::string TPDFFontDef::GetBody() const {
  return std::string();
}
void TPDFFontDef::Init() {}
void TPDFFontDef::ParseWidths() {}

std::string TPDFTrueTypeFontDef::GetBody() const {
  std::string body = "/Subtype /" + Subtype + "\r\n/BaseFont /" + BaseFont + "\r\n/FirstChar ";
  AppendPdfInteger(body, FirstChar);
  body += "\r\n/LastChar ";
  AppendPdfInteger(body, LastChar);
  body += "\r\n/Widths " + WidthsText + "\r\n/Encoding /" + Encoding + "\r\n";
  return body;
}

void TPDFTrueTypeFontDef::ParseWidths() {
  ReadDigitRuns(WidthsText, 0, false, FirstChar, Widths);
}

std::string TPDFType0FontDef::GetBody() const {
  return "/Subtype /" + Subtype + "\r\n/BaseFont /" + BaseFont + "\r\n/Encoding /" + Encoding +
         "\r\n";
}

std::string TPDFCID2FontDef::GetBody() const {
  std::string body = "/Subtype /" + Subtype + "\r\n/BaseFont /" + BaseFont + "\r\n/WinCharSet /";
  AppendPdfInteger(body, WinCharSet);
  body += "\r\n/CIDSystemInfo <<\r\n" + CIDSystemInfo + "\r\n>>\r\n/DW ";
  AppendPdfInteger(body, DW);
  body += "\r\n/W " + WText + "\r\n";
  return body;
}

void TPDFCID2FontDef::ParseWidths() {
  const std::string_view text = WText;
  if (const std::size_t at = text.find("1 ["); at != std::string_view::npos) {
    ReadDigitRuns(text, at + 3, true, 32, Widths);
  }
  if (const std::size_t at = text.find("326 ["); at != std::string_view::npos) {
    ReadDigitRuns(text, at + 5, true, 160, Widths);
  }
  Widths[0] = DW;
}

void TCenturyFontDef::Init() {
  InitTrueType(*this, 0, "Century", kCenturyWidthsText, 34, {-219, -219, 1188, 1001}, 78);
}
void TCenturyBoldFontDef::Init() {
  InitTrueType(*this, 1, "Century,Bold", kCenturyBoldWidthsText, 16416, {-219, -219, 1189, 1001},
               156);
}
void TArialFontDef::Init() {
  InitTrueType(*this, 2, "Arial", kArialWidthsText, 32, {-215, -215, 1313, 919}, 78);
}
void TArialBoldFontDef::Init() {
  InitTrueType(*this, 3, "Arial,Bold", kArialBoldWidthsText, 16416, {-215, -215, 1261, 919}, 78);
}
void TCourierFontDef::Init() {
  InitTrueType(*this, 4, "Courier", kCourierWidthsText, 32, {-305, -305, 669, 845}, 78);
}
void TCourierBoldFontDef::Init() {
  InitTrueType(*this, 5, "Courier,Bold", kCourierWidthsText, 16416, {-305, -305, 759, 845}, 78);
}

void TMSMincyoFontDef::Init() {
  Subtype = "Type0";
  BaseFont = kMinchoName;
  FontIndex = 6;
  Encoding = "90msp-RKSJ-H";
  DescendantDef = Create<TMSMincyoDFontDef>();
}
void TMSGothicFontDef::Init() {
  Subtype = "Type0";
  BaseFont = kGothicName;
  FontIndex = 7;
  Encoding = "90msp-RKSJ-H";
  DescendantDef = Create<TMSGothicDFontDef>();
}
void TMSMincyoDFontDef::Init() {
  InitCID2(*this, kMinchoName, 6);
}
void TMSGothicDFontDef::Init() {
  InitCID2(*this, kGothicName, 4);
}

std::unique_ptr<TPDFFontDef> CreateFontDef(int Index) {
  switch (Index) {
    case 0:
      return TPDFFontDef::Create<TCenturyFontDef>();
    case 1:
      return TPDFFontDef::Create<TCenturyBoldFontDef>();
    case 2:
      return TPDFFontDef::Create<TArialFontDef>();
    case 3:
      return TPDFFontDef::Create<TArialBoldFontDef>();
    case 4:
      return TPDFFontDef::Create<TCourierFontDef>();
    case 5:
      return TPDFFontDef::Create<TCourierBoldFontDef>();
    case 6:
      return TPDFFontDef::Create<TMSMincyoFontDef>();
    case 7:
      return TPDFFontDef::Create<TMSGothicFontDef>();
    default:
      throw UnsupportedFontError(Index);
  }
}

PdfError UnsupportedFontError(int Index) {
  return PdfError("このフォントは現在サポートされていません (" + std::to_string(Index) + ")");
}
