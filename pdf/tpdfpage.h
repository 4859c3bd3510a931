#pragma once
/// One page of the document: its resources and its content stream.

#include <string>

#include "pdf/tpdfobject.h"

class TPDFContents;
class TPDFPages;

class TPDFPage : public TPDFObject {
 public:
  /// Registers the page, then creates its content stream (the next object number).
  TPDFPage(TInkvale& Writer, TPDFPages& Parent);
  /// Type, Parent, Resources (a font entry "/Fn m 0 R" for every font of the whole document,
  /// used on this page or not, and ProcSet) and Contents.
  std::string GetBody() const override;

  /// The page's content stream.
  TPDFContents& Contents() const { return *m_contents; }
  /// The page tree the page belongs to.
  TPDFPages& Parent() const { return *m_parent; }

 private:
  TPDFContents* m_contents;
  TPDFPages* m_parent;
};
