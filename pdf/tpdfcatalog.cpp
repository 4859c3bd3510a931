#include "pdf/tpdfcatalog.h"

#include "pdf/pdfnumber.h"
#include "pdf/tinkvale.h"
#include "pdf/tpdfpages.h"

TPDFCatalog::TPDFCatalog(TInkvale& Writer) : TPDFObject(Writer), m_pages(new TPDFPages(Writer)) {
  m_pages->SetWidth(Writer.PageWidth);
  m_pages->SetHeight(Writer.PageHeight);
}

std::string TPDFCatalog::GetBody() const {
  std::string body = "<<\r\n/Type /Catalog\r\n/Pages ";
  AppendPdfInteger(body, m_pages->ObjectNumber());
  body += " 0 R\r\n>>\r\n";
  return body;
}
