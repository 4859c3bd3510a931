#pragma once
/// The document information dictionary: creation date, creator, producer, author, title and
/// subject.

#include <string>
#include <string_view>

#include "pdf/tpdfobject.h"

class TPDFInfo : public TPDFObject {
 public:
  explicit TPDFInfo(TInkvale& Writer);
  /// Reads the writer's strings and clock when called, so it reflects their state at EndDoc.
  std::string GetBody() const override;
};

/// The hexadecimal text of an information string: "FEFF001B6A61001B" (byte-order mark and the
/// Japanese language escape) followed by the CP932 text converted to UTF-16, four upper-case
/// hex digits per code unit. "abc" gives "FEFF001B6A61001B006100620063". There is no length
/// limit; undecodable bytes become U+FFFD.
std::string EncodeInfoString(std::string_view Cp932Text);
