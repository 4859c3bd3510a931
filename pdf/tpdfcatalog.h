#pragma once
/// The document catalog, the root object of a PDF document.

#include <string>

#include "pdf/tpdfobject.h"

class TPDFPages;

class TPDFCatalog : public TPDFObject {
 public:
  /// Registers the catalog, then creates the page tree (the next object number) with the
  /// writer's PageWidth and PageHeight.
  explicit TPDFCatalog(TInkvale& Writer);
  /// "<<\r\n/Type /Catalog\r\n/Pages n 0 R\r\n>>\r\n".
  std::string GetBody() const override;
  /// The page tree; owned by the writer like every object.
  TPDFPages& Pages() const { return *m_pages; }

 private:
  TPDFPages* m_pages;
};
