#include "pdf/tpdfobjectlist.h"

#include "pdf/pdferror.h"
#include "pdf/pdfnumber.h"
#include "pdf/tpdfobject.h"

std::int32_t TPDFObjectList::Add(TPDFObject* Obj) {
  if (Obj == nullptr) return -1;
  m_items.push_back(Obj);
  return Count() - 1;
}

TPDFObject& TPDFObjectList::Items(std::int32_t Index) const {
  if (Index < 0 || Index >= Count()) {
    throw PdfError("Internel Error Invalid Index " + std::to_string(Index));
  }
  return *m_items[static_cast<std::size_t>(Index)];
}

void TPDFObjectList::Remove(const TPDFObject* Obj) {
  for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
    if (*it == Obj) {
      m_items.erase(std::next(it).base());
      return;
    }
  }
}

std::string TPDFObjectList::GetRefArray() const {
  std::string text = "[";
  for (const TPDFObject* item : m_items) {
    AppendPdfInteger(text, item->ObjectNumber());
    text += " 0 R ";
  }
  text += "]";
  return text;
}
