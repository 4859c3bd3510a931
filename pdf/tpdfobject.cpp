#include "pdf/tpdfobject.h"

#include "pdf/pdfnumber.h"
#include "pdf/tinkvale.h"

TPDFObject::TPDFObject(TInkvale& Writer)
    : m_writer(&Writer), m_objectNumber(Writer.RegisterObject(this) + 1) {}

TPDFObject::~TPDFObject() {
  // The writer takes an object out of its lists before freeing it; this only does something
  // when a constructor failed after the base had registered the object.
  m_writer->ForgetObject(this);
}

std::string TPDFObject::GetBody() const {
  return std::string();
}

std::string TPDFObject::GetText() const {
  std::string body = GetBody();
  std::string text;
  text.reserve(body.size() + 32);
  AppendPdfInteger(text, m_objectNumber);
  text += " 0 obj\r\n";
  text += body;
  text += "endobj\r\n";
  return text;
}
