#pragma once
/// An ordered list of references to PDF objects (the writer's Objects and Fonts, a page tree's
/// Kids). It owns none of them.

#include <cstdint>
#include <string>
#include <vector>

class TPDFObject;

class TPDFObjectList {
 public:
  /// Appends `Obj` and returns its 0-based index; a null `Obj` is not added and gives -1.
  std::int32_t Add(TPDFObject* Obj);
  /// The object at `Index`; PdfError "Internel Error Invalid Index %d" outside 0 … Count()-1.
  TPDFObject& Items(std::int32_t Index) const;
  /// Number of references.
  std::int32_t Count() const { return static_cast<std::int32_t>(m_items.size()); }
  /// Drops the references; frees nothing.
  void Clear() { m_items.clear(); }
  /// Drops the last reference to `Obj`, if there is one.
  void Remove(const TPDFObject* Obj);
  /// "[", then "n 0 R " for each object in order, then "]": "[4 0 R 9 0 R ]", or "[]".
  std::string GetRefArray() const;

 private:
  std::vector<TPDFObject*> m_items;
};
