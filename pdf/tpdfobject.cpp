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

void TPDFObject::WriteBody(std::ostream& out) const {
  const std::string body = GetBody();
  out.write(body.data(), static_cast<std::streamsize>(body.size()));
}

std::size_t TPDFObject::BodySize() const {
  return GetBody().size();
}

void TPDFObject::WriteText(std::ostream& out) const {
  char number[kPdfNumberMaxLength];
  out.write(number, WritePdfInteger(number, m_objectNumber) - number);
  out.write(" 0 obj\r\n", 8);
  WriteBody(out);
  out.write("endobj\r\n", 8);
}
