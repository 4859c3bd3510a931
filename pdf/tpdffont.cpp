#include "pdf/tpdffont.h"

#include "pdf/pdferror.h"
#include "pdf/pdfnumber.h"
#include "pdf/tpdffontdef.h"
#include "pdf/tpdffontdescriptor.h"

TPDFFont::TPDFFont(TInkvale& Writer) : TPDFObject(Writer) {}

std::string TPDFFont::GetBody() const {
  std::string body = "<<\r\n/Type /Font\r\n/Name /F";
  AppendPdfInteger(body, ResourceIndex);
  body += "\r\n";
  if (m_fontDef) body += m_fontDef->GetBody();
  if (m_descriptor != nullptr) {
    body += "/FontDescriptor ";
    AppendPdfInteger(body, m_descriptor->ObjectNumber());
    body += " 0 R\r\n";
  }
  if (m_descendant != nullptr) {
    body += "/DescendantFonts [";
    AppendPdfInteger(body, m_descendant->ObjectNumber());
    body += " 0 R]\r\n";
  }
  body += ">>\r\n";
  return body;
}

void TPDFFont::SetFontDef(std::shared_ptr<const TPDFFontDef> Def) {
  m_fontDef = std::move(Def);
  if (!m_fontDef) return;
  if (m_fontDef->DescriptorDef) {
    m_descriptor = new TPDFFontDescriptor(Writer(), m_fontDef->DescriptorDef);
  }
  if (m_fontDef->DescendantDef) {
    m_descendant = new TPDFFont(Writer());
    m_descendant->SetFontDef(m_fontDef->DescendantDef);
  }
}

std::int32_t TPDFFont::GetWidth(std::uint8_t Code) const {
  if (!m_fontDef) return 0;
  const TPDFFontDef& def = m_fontDef->DescendantDef ? *m_fontDef->DescendantDef : *m_fontDef;
  return def.Widths[Code];
}

const TPDFFontDef& TPDFFont::FontDef() const {
  if (!m_fontDef) throw PdfError("Internel Error Font Without Definition");
  return *m_fontDef;
}
