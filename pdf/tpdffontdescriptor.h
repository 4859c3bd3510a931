#pragma once
/// A font descriptor object: the metrics of a TrueType font or of a CIDFont.

#include <memory>
#include <string>

#include "pdf/tpdfobject.h"

struct TPDFFontDescriptorDef;

class TPDFFontDescriptor : public TPDFObject {
 public:
  /// Registers the descriptor (the next object number) for the metrics `Def`.
  TPDFFontDescriptor(TInkvale& Writer, std::shared_ptr<const TPDFFontDescriptorDef> Def);
  /// Type, FontName, Flags, FontBBox, StemV, Ascent, CapHeight, Descent, ItalicAngle.
  std::string GetBody() const override;
  /// The metrics written.
  const TPDFFontDescriptorDef& Def() const { return *m_def; }

 private:
  std::shared_ptr<const TPDFFontDescriptorDef> m_def;
};
