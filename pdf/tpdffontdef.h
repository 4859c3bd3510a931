#pragma once
/// Definitions of the eight built-in fonts: names, metrics and width tables that the font and
/// font-descriptor objects are written from. Definitions are plain data, not PDF objects.
///
/// Index: 0 Century, 1 Century,Bold, 2 Arial, 3 Arial,Bold, 4 Courier, 5 Courier,Bold (TrueType,
/// WinAnsiEncoding), 6 MS Mincho, 7 MS Gothic (Type0 over a CIDFontType2 descendant with the
/// "90msp-RKSJ-H" CMap, so code page 932 bytes are shown directly). No font program is embedded.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "pdf/pdferror.h"

/// Metrics written into a font descriptor (all in thousandths of an em except Flags).
struct TPDFFontDescriptorDef {
  std::int32_t Ascent = 0;
  std::int32_t CapHeight = 0;
  std::int32_t Descent = 0;
  std::int32_t Flags = 0;
  /// Lower-left x, lower-left y, upper-right x, upper-right y.
  std::array<std::int32_t, 4> FontBBox{};
  /// PDF name syntax without the slash.
  std::string FontName;
  std::int32_t ItalicAngle = 0;
  std::int32_t StemV = 0;
};

/// The root of the font definitions. Create a definition with Create<T>() (or CreateFontDef),
/// which runs Init and then ParseWidths on it.
class TPDFFontDef {
 public:
  virtual ~TPDFFontDef();

  /// The font dictionary entries this definition contributes, each ended by CR LF.
  virtual std::string GetBody() const;
  /// Fills in names, tables and metrics (the per-font classes).
  virtual void Init();
  /// Fills Widths from the width text.
  virtual void ParseWidths();

  /// A new definition of class T with Init and ParseWidths done.
  template <class T>
  static std::unique_ptr<T> Create() {
    std::unique_ptr<T> def(new T());
    def->Init();
    def->ParseWidths();
    return def;
  }

  /// PDF font subtype without the slash.
  std::string Subtype;
  /// PDF base-font name without the slash, already in PDF name syntax.
  std::string BaseFont;
  /// Metrics for a font descriptor; null for Type0 fonts.
  std::shared_ptr<const TPDFFontDescriptorDef> DescriptorDef;
  /// The descendant CIDFont's definition; set only for Type0 fonts.
  std::shared_ptr<const TPDFFontDef> DescendantDef;
  /// This font's index 0–7; descendant definitions keep 0.
  std::uint8_t FontIndex = 0;
  /// Advance width per single-byte code in thousandths of an em; entry 0 holds the width of a
  /// two-byte character.
  std::array<std::int32_t, 256> Widths{};

 protected:
  TPDFFontDef() = default;
};

/// A TrueType font with a width table for FirstChar … LastChar.
class TPDFTrueTypeFontDef : public TPDFFontDef {
 public:
  /// Subtype, BaseFont, FirstChar, LastChar, Widths (the width text) and Encoding.
  std::string GetBody() const override;
  /// Each maximal run of digits in WidthsText is the width of the next code from FirstChar on;
  /// values past code 255 are ignored.
  void ParseWidths() override;

  /// First and last code of the width table.
  std::uint8_t FirstChar = 31;
  std::uint8_t LastChar = 255;
  /// The /Widths array as written: one value per code FirstChar … LastChar.
  std::string WidthsText;
  /// A base-encoding name.
  std::string Encoding = "WinAnsiEncoding";
};

/// A composite font; its glyphs and widths come from its descendant.
class TPDFType0FontDef : public TPDFFontDef {
 public:
  /// Subtype, BaseFont and Encoding.
  std::string GetBody() const override;
  /// A CMap name.
  std::string Encoding;
};

/// A CIDFontType2 descendant with its W array.
class TPDFCID2FontDef : public TPDFFontDef {
 public:
  /// Subtype, BaseFont, WinCharSet (as a name), CIDSystemInfo, DW and W.
  std::string GetBody() const override;
  /// The widths text measurement needs: the values after "1 [" go to codes 32, 33, …, those
  /// after "326 [" to codes 160, 161, …; entry 0 becomes DW.
  void ParseWidths() override;

  /// Character set number, written as a name (128: Shift-JIS).
  std::int32_t WinCharSet = 128;
  /// The entries of the CIDSystemInfo dictionary, as written.
  std::string CIDSystemInfo;
  /// Default CID width in thousandths of an em.
  std::int32_t DW = 1000;
  /// The /W array as written.
  std::string WText;
};

class TCenturyFontDef : public TPDFTrueTypeFontDef {
 public:
  void Init() override;
};
class TCenturyBoldFontDef : public TPDFTrueTypeFontDef {
 public:
  void Init() override;
};
class TArialFontDef : public TPDFTrueTypeFontDef {
 public:
  void Init() override;
};
class TArialBoldFontDef : public TPDFTrueTypeFontDef {
 public:
  void Init() override;
};
class TCourierFontDef : public TPDFTrueTypeFontDef {
 public:
  void Init() override;
};
class TCourierBoldFontDef : public TPDFTrueTypeFontDef {
 public:
  void Init() override;
};
/// MS Mincho (font 6), the font of the calculation report.
class TMSMincyoFontDef : public TPDFType0FontDef {
 public:
  void Init() override;
};
/// MS Gothic (font 7).
class TMSGothicFontDef : public TPDFType0FontDef {
 public:
  void Init() override;
};
/// The CIDFontType2 descendant of MS Mincho.
class TMSMincyoDFontDef : public TPDFCID2FontDef {
 public:
  void Init() override;
};
/// The CIDFontType2 descendant of MS Gothic.
class TMSGothicDFontDef : public TPDFCID2FontDef {
 public:
  void Init() override;
};

/// A new definition for font index 0–7. Another index raises
/// "このフォントは現在サポートされていません (%d)" with the index.
std::unique_ptr<TPDFFontDef> CreateFontDef(int Index);

/// The error CreateFontDef raises for an unsupported index.
PdfError UnsupportedFontError(int Index);
