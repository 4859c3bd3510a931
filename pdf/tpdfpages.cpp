#include "pdf/tpdfpages.h"

#include "pdf/pdfnumber.h"
#include "pdf/tpdfpage.h"

TPDFPages::TPDFPages(TInkvale& Writer) : TPDFObject(Writer) {}

std::string TPDFPages::GetBody() const {
  std::string body = "<<\r\n/Kids ";
  body += m_kids.GetRefArray();
  body += "\r\n/Count ";
  AppendPdfInteger(body, m_kids.Count());
  body += "\r\n/Type /Pages\r\n/MediaBox [ 0 0 ";
  AppendPdfInteger(body, m_width);
  body += ' ';
  AppendPdfInteger(body, m_height);
  body += " ]\r\n>>\r\n";
  return body;
}

TPDFPage& TPDFPages::AddPage() {
  TPDFPage* page = new TPDFPage(Writer(), *this);
  m_kids.Add(page);
  return *page;
}

void TPDFPages::SetWidth(std::int32_t Value) {
  if (Value > 0) m_width = Value;
}

void TPDFPages::SetHeight(std::int32_t Value) {
  if (Value > 0) m_height = Value;
}
