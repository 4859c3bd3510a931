#include "pdf/tpdffontdescriptor.h"

#include "pdf/pdfnumber.h"
#include "pdf/tpdffontdef.h"

namespace {

void AppendEntry(std::string& body, const char* key, std::int32_t value) {
  body += key;
  AppendPdfInteger(body, value);
  body += "\r\n";
}

}  // namespace

TPDFFontDescriptor::TPDFFontDescriptor(TInkvale& Writer,
                                       std::shared_ptr<const TPDFFontDescriptorDef> Def)
    : TPDFObject(Writer), m_def(std::move(Def)) {}

std::string TPDFFontDescriptor::GetBody() const {
  std::string body = "<<\r\n/Type /FontDescriptor\r\n/FontName /" + m_def->FontName + "\r\n";
  AppendEntry(body, "/Flags ", m_def->Flags);
  body += "/FontBBox [ ";
  for (std::size_t i = 0; i < m_def->FontBBox.size(); ++i) {
    if (i > 0) body += ' ';
    AppendPdfInteger(body, m_def->FontBBox[i]);
  }
  body += " ]\r\n";
  AppendEntry(body, "/StemV ", m_def->StemV);
  AppendEntry(body, "/Ascent ", m_def->Ascent);
  AppendEntry(body, "/CapHeight ", m_def->CapHeight);
  AppendEntry(body, "/Descent ", m_def->Descent);
  AppendEntry(body, "/ItalicAngle ", m_def->ItalicAngle);
  body += ">>\r\n";
  return body;
}
