#include "pdf/tinkvale.h"

#include <limits>
#include <vector>

#include "pdf/pdferror.h"
#include "pdf/pdfnumber.h"
#include "pdf/pdfstreamroom.h"
#include "pdf/tpdfcatalog.h"
#include "pdf/tpdfcontents.h"
#include "pdf/tpdffont.h"
#include "pdf/tpdffontdef.h"
#include "pdf/tpdfinfo.h"
#include "pdf/tpdfpage.h"
#include "pdf/tpdfpages.h"

namespace {

const char kNoDocument[] = "BeginDocが呼び出されていません";
const char kWriteFailed[] = "Stream Write Error";
const char kTooLarge[] = "Stream Size Limit Exceeded";

void Write(std::ostream& out, const std::string& text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out) throw PdfError(kWriteFailed);
}

// The current position as a file offset; offsets must fit a signed 32-bit value.
std::int64_t Position(std::ostream& out) {
  const std::streamoff position = out.tellp();
  if (position < 0) throw PdfError(kWriteFailed);
  if (position > std::numeric_limits<std::int32_t>::max()) throw PdfError(kTooLarge);
  return position;
}

}  // namespace

TInkvale::TInkvale() = default;

TInkvale::~TInkvale() {
  ClearObjects();
}

void TInkvale::BeginDoc(std::ostream* Stream) {
  if (Stream == nullptr) throw PdfError("Invarid Stream");
  StartDocument(Stream, nullptr);
}

void TInkvale::BeginDoc(std::unique_ptr<std::ostream> Stream) {
  if (Stream == nullptr) throw PdfError("Invarid Stream");
  std::ostream* raw = Stream.get();
  StartDocument(raw, std::move(Stream));
}

void TInkvale::StartDocument(std::ostream* Stream, std::unique_ptr<std::ostream> Owned) {
  m_inDocument = false;
  m_stream = Stream;
  m_ownedStream = std::move(Owned);
  ClearObjects();
  m_catalog = new TPDFCatalog(*this);
  m_fontCreated.fill(false);
  m_info = new TPDFInfo(*this);
  m_pageCount = 0;
  AddPage();
  m_inDocument = true;
}

void TInkvale::NewPage() {
  if (!m_inDocument) throw PdfError(kNoDocument);
  AddPage();
}

void TInkvale::AddPage() {
  // A page's drawing usually takes about as much room as the page before it: reserving that
  // much spares the new page's content stream most of its step-by-step growth.
  const std::size_t previousSize = m_canvas != nullptr ? m_canvas->Data.size() : 0;
  m_canvas = &m_catalog->Pages().AddPage().Contents();
  m_canvas->Data.reserve(previousSize);
  ++m_pageCount;
}

TPDFContents& TInkvale::Canvas() const {
  if (m_canvas == nullptr) throw PdfError(kNoDocument);
  return *m_canvas;
}

TPDFFont& TInkvale::GetFont(int Index) {
  // Checked first: the flags below have exactly eight entries.
  if (Index < 0 || Index > 7) throw UnsupportedFontError(Index);
  if (m_fontCreated[static_cast<std::size_t>(Index)]) {
    for (std::int32_t i = 0; i < m_fonts.Count(); ++i) {
      auto& font = static_cast<TPDFFont&>(m_fonts.Items(i));
      if (font.FontDef().FontIndex == Index) return font;
    }
  }
  std::unique_ptr<TPDFFontDef> def = CreateFontDef(Index);
  TPDFFont* font = new TPDFFont(*this);
  font->ResourceIndex = m_fonts.Add(font);
  font->SetFontDef(std::move(def));
  m_fontCreated[static_cast<std::size_t>(Index)] = true;
  return *font;
}

void TInkvale::EndDoc(bool FreeStream) {
  if (!m_inDocument || m_stream == nullptr) throw PdfError(kNoDocument);
  m_inDocument = false;
  WriteFile(*m_stream);
  m_canvas = nullptr;
  if (FreeStream) {
    m_stream = nullptr;
    m_ownedStream.reset();
  }
}

bool TInkvale::FontCreated(int Index) const {
  return Index >= 0 && Index < 8 && m_fontCreated[static_cast<std::size_t>(Index)];
}

std::tm TInkvale::CreationTime() const {
  if (Clock) return Clock();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

void TInkvale::ForgetObject(const TPDFObject* Obj) {
  m_objects.Remove(Obj);
  m_fonts.Remove(Obj);
}

void TInkvale::ClearObjects() {
  // Take the objects out of the lists first, so each destructor finds nothing to forget.
  std::vector<TPDFObject*> doomed;
  doomed.reserve(static_cast<std::size_t>(m_objects.Count()));
  for (std::int32_t i = 0; i < m_objects.Count(); ++i) doomed.push_back(&m_objects.Items(i));
  m_objects.Clear();
  m_fonts.Clear();
  m_catalog = nullptr;
  m_info = nullptr;
  m_canvas = nullptr;
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) delete *it;
}

std::size_t TInkvale::FileSizeBound() const {
  // Header, xref and trailer, then each object with its number and keywords.
  std::size_t bytes = 512 + 20 * static_cast<std::size_t>(m_objects.Count());
  for (std::int32_t i = 0; i < m_objects.Count(); ++i) {
    bytes += kPdfNumberMaxLength + 16 + m_objects.Items(i).BodySize();
  }
  return bytes;
}

void TInkvale::WriteFile(std::ostream& Out) const {
  MakeRoomInEmptyStringStream(Out, FileSizeBound());
  Out.seekp(0);
  if (!Out) throw PdfError(kWriteFailed);
  Write(Out, "%PDF-1.2 \r\n");

  std::string xref = "xref\r\n0 ";
  AppendPdfInteger(xref, m_objects.Count() + 1);
  xref += "\r\n0000000000 65535 f\r\n";
  xref.reserve(xref.size() + 20 * static_cast<std::size_t>(m_objects.Count()));
  for (std::int32_t i = 0; i < m_objects.Count(); ++i) {
    const std::int64_t offset = Position(Out);
    std::string digits;
    AppendPdfInteger(digits, offset);
    xref.append(10 - digits.size(), '0');
    xref += digits;
    xref += " 00000 n\r\n";
    m_objects.Items(i).WriteText(Out);
    if (!Out) throw PdfError(kWriteFailed);
  }

  const std::int64_t xrefOffset = Position(Out);
  Write(Out, xref);
  std::string trailer = "trailer\r\n<<\r\n/Size ";
  AppendPdfInteger(trailer, m_objects.Count() + 1);
  trailer += "\r\n/Root ";
  AppendPdfInteger(trailer, m_catalog->ObjectNumber());
  trailer += " 0 R\r\n/Info ";
  AppendPdfInteger(trailer, m_info->ObjectNumber());
  trailer += " 0 R\r\n>>\r\nstartxref\r\n";
  AppendPdfInteger(trailer, xrefOffset);
  trailer += "\r\n%%EOF\r\n";
  Write(Out, trailer);
  Out.flush();
  if (!Out) throw PdfError(kWriteFailed);
}
