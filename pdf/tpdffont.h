#pragma once
/// A font resource object, written from its font definition; a Japanese font is a Type0 font
/// with a CIDFontType2 descendant font object.

#include <cstdint>
#include <memory>
#include <string>

#include "pdf/tpdfobject.h"

class TPDFFontDef;
class TPDFFontDescriptor;

class TPDFFont : public TPDFObject {
 public:
  /// A font without definition, descriptor or descendant.
  explicit TPDFFont(TInkvale& Writer);
  /// "<<\r\n/Type /Font\r\n/Name /Fn\r\n", the definition's entries, FontDescriptor and
  /// DescendantFonts references when present, ">>\r\n".
  std::string GetBody() const override;

  /// Keeps `Def` and creates the further objects it needs, in this order: a font descriptor
  /// when Def has descriptor metrics, a descendant font (with its own descriptor) when Def has a
  /// descendant definition. So a TrueType font is numbered font, descriptor; a Japanese font
  /// Type0 font, descendant, descriptor.
  void SetFontDef(std::shared_ptr<const TPDFFontDef> Def);
  /// Advance width of single-byte `Code` in thousandths of an em, from the descendant's
  /// definition if there is one; code 0 gives the width of a two-byte character. 0 before
  /// SetFontDef.
  std::int32_t GetWidth(std::uint8_t Code) const;

  /// The definition; PdfError if SetFontDef has not been called.
  const TPDFFontDef& FontDef() const;
  /// The descriptor object, or null.
  TPDFFontDescriptor* Descriptor() const { return m_descriptor; }
  /// The descendant font object, or null.
  TPDFFont* Descendant() const { return m_descendant; }

  /// The n of the resource name /Fn; 0 unless GetFont sets it (descendants keep 0).
  std::int32_t ResourceIndex = 0;

 private:
  std::shared_ptr<const TPDFFontDef> m_fontDef;
  TPDFFontDescriptor* m_descriptor = nullptr;
  TPDFFont* m_descendant = nullptr;
};
