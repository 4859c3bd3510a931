#pragma once
/// The page tree: the list of pages and the media box they share.

#include <cstdint>
#include <string>

#include "pdf/tpdfobject.h"
#include "pdf/tpdfobjectlist.h"

class TPDFPage;

class TPDFPages : public TPDFObject {
 public:
  /// An empty page tree of 596 × 842 points.
  explicit TPDFPages(TInkvale& Writer);
  /// Kids, Count, Type and "/MediaBox [ 0 0 Width Height ]".
  std::string GetBody() const override;

  /// Creates a page, which creates its content stream (two consecutive object numbers),
  /// appends it to Kids and returns it.
  TPDFPage& AddPage();
  /// The pages in order.
  const TPDFObjectList& Kids() const { return m_kids; }

  /// Page width in points.
  std::int32_t Width() const { return m_width; }
  /// Sets the width in points; 0 or a negative value is ignored.
  void SetWidth(std::int32_t Value);
  /// Page height in points.
  std::int32_t Height() const { return m_height; }
  /// Sets the height in points; 0 or a negative value is ignored.
  void SetHeight(std::int32_t Value);

 private:
  TPDFObjectList m_kids;
  std::int32_t m_width = 596;
  std::int32_t m_height = 842;
};
