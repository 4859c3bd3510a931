#pragma once
/// The numbered indirect object of a PDF document, the base of every object the writer emits.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

class TInkvale;

/// An indirect object. Constructing one registers it in its writer's Objects list, which owns
/// it from then on; its number is its position there plus 1. Objects are created with `new`
/// by the writer and the objects that build the document, and freed only by the writer.
class TPDFObject {
 public:
  /// Create(Writer): appends the object to Writer.Objects and takes its number from there.
  explicit TPDFObject(TInkvale& Writer);
  virtual ~TPDFObject();
  TPDFObject(const TPDFObject&) = delete;
  TPDFObject& operator=(const TPDFObject&) = delete;

  /// The text between the object header and "endobj"; empty for the base.
  virtual std::string GetBody() const;
  /// Writes GetBody() to `out`; objects with a large body write it without a copy.
  virtual void WriteBody(std::ostream& out) const;
  /// The number of bytes WriteBody writes; objects with a large body count it without a copy.
  virtual std::size_t BodySize() const;
  /// Writes "n 0 obj\r\n", the body and "endobj\r\n" to `out`.
  void WriteText(std::ostream& out) const;

  /// 1-based object number.
  std::int32_t ObjectNumber() const { return m_objectNumber; }
  /// The writer the object belongs to.
  TInkvale& Writer() const { return *m_writer; }

 private:
  TInkvale* m_writer;
  std::int32_t m_objectNumber;
};
