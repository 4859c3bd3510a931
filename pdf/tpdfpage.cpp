#include "pdf/tpdfpage.h"

#include "pdf/pdfnumber.h"
#include "pdf/tinkvale.h"
#include "pdf/tpdfcontents.h"
#include "pdf/tpdffont.h"
#include "pdf/tpdfpages.h"

TPDFPage::TPDFPage(TInkvale& Writer, TPDFPages& Parent)
    : TPDFObject(Writer), m_contents(new TPDFContents(Writer)), m_parent(&Parent) {}

std::string TPDFPage::GetBody() const {
  std::string body = "<<\r\n/Type /Page\r\n/Parent ";
  AppendPdfInteger(body, m_parent->ObjectNumber());
  body += " 0 R\r\n/Resources <<\r\n/Font <<\r\n";
  const TPDFObjectList& fonts = Writer().Fonts();
  for (std::int32_t i = 0; i < fonts.Count(); ++i) {
    const auto& font = static_cast<const TPDFFont&>(fonts.Items(i));
    body += "/F";
    AppendPdfInteger(body, font.ResourceIndex);
    body += ' ';
    AppendPdfInteger(body, font.ObjectNumber());
    body += " 0 R\r\n";
  }
  body += ">>\r\n/ProcSet [ /PDF /Text ]\r\n>>\r\n/Contents ";
  AppendPdfInteger(body, m_contents->ObjectNumber());
  body += " 0 R\r\n>>\r\n";
  return body;
}
