#pragma once
/// The PDF document writer: creates pages and fonts, hands out the current page's content
/// stream as its canvas, and writes the whole file at EndDoc.
///
/// Calling order: construct; optionally set PageWidth/PageHeight; BeginDoc; draw on Canvas();
/// NewPage and draw, as often as needed; set Author, Title, Creator, Subject before EndDoc;
/// EndDoc. Nothing is written to the stream before EndDoc. The objects of a document stay
/// alive until the next BeginDoc or the writer's destruction. Errors are PdfError.

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "pdf/tpdfobjectlist.h"

class TPDFCatalog;
class TPDFContents;
class TPDFFont;
class TPDFInfo;
class TPDFObject;

class TInkvale {
 public:
  /// Create: no document, portrait 596 × 842 points.
  TInkvale();
  /// Destroy: frees every object of the document; writes nothing.
  ~TInkvale();
  TInkvale(const TInkvale&) = delete;
  TInkvale& operator=(const TInkvale&) = delete;

  /// Starts a new document that EndDoc will write to `Stream`, a seekable stream the caller
  /// keeps owning. A null stream raises "Invarid Stream" and changes nothing. Frees the objects
  /// of a previous document, then creates catalog (1), page tree (2), information (3) and the
  /// first page with its content stream (4, 5).
  void BeginDoc(std::ostream* Stream);
  /// As above, but the writer owns the stream (for example a newly opened file) and destroys
  /// it at EndDoc(true), at the next BeginDoc or with the writer.
  void BeginDoc(std::unique_ptr<std::ostream> Stream);

  /// Adds a page (the next two free object numbers: page, then content stream) and makes its
  /// content stream the canvas. Outside a document: "BeginDocが呼び出されていません".
  void NewPage();

  /// The current page's content stream; "BeginDocが呼び出されていません" outside a document.
  TPDFContents& Canvas() const;

  /// The font for font index 0–7, created with its further objects on first use in the
  /// document; its position in Fonts is its resource number (/F0, /F1, … in order of first
  /// use). Another index raises "このフォントは現在サポートされていません (%d)".
  TPDFFont& GetFont(int Index);

  /// Writes the whole file from position 0 of the stream and ends the document. With
  /// `FreeStream` true the writer lets go of the stream: an owned stream is destroyed (a file
  /// is closed), a borrowed one is left to its owner. Outside a document raises
  /// "BeginDocが呼び出されていません". A stream failure or a file beyond 2^31-1 bytes raises
  /// PdfError (the file is then incomplete); the stream's own exceptions pass through.
  /// A stream that held more bytes than the new file keeps its old tail; an empty string
  /// stream is first given room for the whole file.
  void EndDoc(bool FreeStream);

  /// Document information in code page 932, written (as UTF-16) at EndDoc.
  std::string Author;
  std::string Title;
  std::string Creator;
  std::string Subject;
  /// Page size in points, taken by BeginDoc; 0 or negative values keep 596 × 842.
  std::int32_t PageWidth = 596;
  std::int32_t PageHeight = 842;
  /// Gives the creation date and time written at EndDoc; when empty, the local time is used.
  std::function<std::tm()> Clock;

  /// The stream EndDoc writes to, or null.
  std::ostream* Stream() const { return m_stream; }
  /// The current document's catalog, or null before the first BeginDoc.
  TPDFCatalog* Catalog() const { return m_catalog; }
  /// Every object of the document in creation order; position + 1 is the object number.
  const TPDFObjectList& Objects() const { return m_objects; }
  /// The top-level fonts in order of first use; position = resource number.
  const TPDFObjectList& Fonts() const { return m_fonts; }
  /// The information object, or null before the first BeginDoc.
  TPDFInfo* Info() const { return m_info; }
  /// Whether font `Index` (0–7) already has its objects in this document.
  bool FontCreated(int Index) const;
  /// True from the end of BeginDoc to the start of EndDoc.
  bool InDocument() const { return m_inDocument; }
  /// Pages created in the current document.
  std::int32_t PageCount() const { return m_pageCount; }
  /// The date and time to write as CreationDate: Clock(), or the local time.
  std::tm CreationTime() const;

 private:
  friend class TPDFObject;
  // Called by TPDFObject's constructor and destructor.
  std::int32_t RegisterObject(TPDFObject* Obj) { return m_objects.Add(Obj); }
  void ForgetObject(const TPDFObject* Obj);

  void StartDocument(std::ostream* Stream, std::unique_ptr<std::ostream> Owned);
  void AddPage();
  void ClearObjects();
  void WriteFile(std::ostream& Out) const;
  // At least the number of bytes WriteFile writes.
  std::size_t FileSizeBound() const;

  std::ostream* m_stream = nullptr;
  std::unique_ptr<std::ostream> m_ownedStream;
  TPDFCatalog* m_catalog = nullptr;
  TPDFObjectList m_objects;
  TPDFObjectList m_fonts;
  TPDFContents* m_canvas = nullptr;
  TPDFInfo* m_info = nullptr;
  std::array<bool, 8> m_fontCreated{};
  bool m_inDocument = false;
  std::int32_t m_pageCount = 0;
};
