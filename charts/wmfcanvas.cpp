#include "charts/wmfcanvas.h"

#include <algorithm>
#include <cmath>

#include "charts/polylineclip.h"
#include "core/text/cp932.h"

namespace {

// Record functions and constants of the metafile format.
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t kPolyline = 0x0325;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kExtTextOut = 0x0A32;
constexpr std::uint16_t kEndOfFile = 0x0000;

constexpr std::uint16_t kAnisotropic = 8;
constexpr std::uint16_t kTransparent = 1;
constexpr std::uint16_t kNullPen = 5;
constexpr std::uint16_t kSolidBrush = 0;
constexpr std::uint16_t kNullBrush = 1;
constexpr std::uint8_t kShiftJisCharset = 128;
constexpr std::uint16_t kAlignRight = 2, kAlignCentre = 6, kAlignBottom = 8;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t kUnitsPerInch = 96;
constexpr std::size_t kFaceBytes = 32;
// A polyline record counts its points in 16 bits; longer lines go into several records.
constexpr std::size_t kMostPolylinePoints = 8000;

std::uint16_t Coordinate(double value) {
  const double rounded = std::clamp(std::round(value), -32768.0, 32767.0);
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(rounded));
}

std::uint16_t Low(std::uint32_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }
std::uint16_t High(std::uint32_t value) { return static_cast<std::uint16_t>(value >> 16); }

std::uint32_t ColourRef(ChartColour colour) {
  return colour.r | static_cast<std::uint32_t>(colour.g) << 8 |
         static_cast<std::uint32_t>(colour.b) << 16;
}

// Bytes packed two to a word, low byte first, the last word padded with a zero.
void AppendBytes(std::vector<std::uint16_t>& words, std::string_view bytes, std::size_t size) {
  for (std::size_t i = 0; i < size; i += 2) {
    const auto byte = [&](std::size_t at) {
      return at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : std::uint8_t{0};
    };
    words.push_back(static_cast<std::uint16_t>(byte(i) | byte(i + 1) << 8));
  }
}

// The length of the UTF-8 sequence that starts with `lead`.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// CP932 bytes of the text; a character that CP932 lacks becomes "?", so a picture is never
// lost over one character.
std::string ToCp932(std::string_view text) {
  if (auto whole = Utf8ToCp932(text)) return *whole;
  std::string bytes;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = std::min(SequenceLength(static_cast<unsigned char>(text[i])),
                                        text.size() - i);
    bytes += Utf8ToCp932(text.substr(i, length)).value_or("?");
    i += length;
  }
  return bytes;
}

}  // namespace

WmfCanvas::WmfCanvas(int width, int height)
    : m_width(std::clamp(width, 1, 32767)), m_height(std::clamp(height, 1, 32767)) {
  Record(kSetMapMode, {kAnisotropic});
  Record(kSetWindowOrg, {0, 0});
  Record(kSetWindowExt, {static_cast<std::uint16_t>(m_height), static_cast<std::uint16_t>(m_width)});
  Record(kSetBkMode, {kTransparent});
}

void WmfCanvas::Record(std::uint16_t function, const std::vector<std::uint16_t>& parameters) {
  const auto size = static_cast<std::uint32_t>(3 + parameters.size());
  m_records.insert(m_records.end(), {Low(size), High(size), function});
  m_records.insert(m_records.end(), parameters.begin(), parameters.end());
  m_largestRecord = std::max(m_largestRecord, size);
}

void WmfCanvas::Use(Slot slot, std::uint16_t function, std::vector<std::uint16_t> parameters) {
  Object& current = m_objects[slot];
  if (current.index >= 0 && current.record == parameters) return;
  // The reader puts a new object into the lowest free place of its table, as we do here.
  const auto free = std::find(m_tableUsed.begin(), m_tableUsed.end(), false);
  const auto index = static_cast<int>(free - m_tableUsed.begin());
  if (free == m_tableUsed.end()) {
    m_tableUsed.push_back(true);
  } else {
    *free = true;
  }
  Record(function, parameters);
  Record(kSelectObject, {static_cast<std::uint16_t>(index)});
  if (current.index >= 0) {
    Record(kDeleteObject, {static_cast<std::uint16_t>(current.index)});
    m_tableUsed[static_cast<std::size_t>(current.index)] = false;
  }
  current = {index, std::move(parameters)};
}

void WmfCanvas::UsePen(ChartColour colour, double width, PenDash dash, bool visible) {
  std::uint16_t style = kNullPen;
  if (visible) style = dash == PenDash::Dash ? 1 : dash == PenDash::Dot ? 2 : 0;
  const std::uint32_t ref = ColourRef(colour);
  const auto pixels = static_cast<std::uint16_t>(std::max(1L, std::lround(width)));
  Use(kPen, kCreatePenIndirect, {style, pixels, 0, Low(ref), High(ref)});
}

void WmfCanvas::UseBrush(ChartColour colour, bool visible) {
  const std::uint32_t ref = visible ? ColourRef(colour) : 0;
  Use(kBrush, kCreateBrushIndirect, {visible ? kSolidBrush : kNullBrush, Low(ref), High(ref), 0});
}

void WmfCanvas::SetPen(const CanvasPen& pen) { m_pen = pen; }

void WmfCanvas::SetFont(const CanvasFont& font) { m_font = font; }

void WmfCanvas::Polyline(std::span<const CanvasPoint> points) {
  if (points.size() < 2) return;
  std::vector<std::vector<CanvasPoint>> pieces;
  if (m_clipped) {
    pieces = ClipPolyline(points, m_clip);
  } else {
    pieces.emplace_back(points.begin(), points.end());
  }
  UsePen(m_pen.colour, m_pen.width, m_pen.dash);
  for (const auto& piece : pieces) {
    for (std::size_t start = 0; start + 1 < piece.size(); start += kMostPolylinePoints - 1) {
      const std::size_t count = std::min(kMostPolylinePoints, piece.size() - start);
      std::vector<std::uint16_t> parameters{static_cast<std::uint16_t>(count)};
      for (std::size_t i = start; i < start + count; ++i) {
        parameters.push_back(Coordinate(piece[i].x));
        parameters.push_back(Coordinate(piece[i].y));
      }
      Record(kPolyline, parameters);
    }
  }
}

void WmfCanvas::DrawRectangle(const CanvasRect& rect) {
  CanvasRect box = rect;
  if (m_clipped) {
    const double left = std::max(rect.left, m_clip.left), top = std::max(rect.top, m_clip.top);
    const double right = std::min(rect.right(), m_clip.right());
    const double bottom = std::min(rect.bottom(), m_clip.bottom());
    if (right <= left || bottom <= top) return;
    box = {left, top, right - left, bottom - top};
  }
  Record(kRectangle, {Coordinate(box.bottom()), Coordinate(box.right()), Coordinate(box.top),
                      Coordinate(box.left)});
}

void WmfCanvas::FillRect(const CanvasRect& rect, ChartColour colour) {
  UsePen(colour, 1, PenDash::Solid, false);
  UseBrush(colour, true);
  // Without a pen the rectangle leaves out its right and bottom edge: take one unit more.
  DrawRectangle({rect.left, rect.top, rect.width + 1, rect.height + 1});
}

void WmfCanvas::Rectangle(const CanvasRect& rect) {
  UsePen(m_pen.colour, m_pen.width, m_pen.dash);
  UseBrush(ChartColour{}, false);
  DrawRectangle(rect);
}

void WmfCanvas::Text(CanvasPoint anchor, std::string_view text, HAlign h, VAlign v) {
  if (text.empty()) return;
  if (m_clipped && !(anchor.x >= m_clip.left && anchor.x <= m_clip.right() &&
                     anchor.y >= m_clip.top && anchor.y <= m_clip.bottom())) {
    return;
  }
  const double pixels = std::max(1.0, std::round(m_font.pixelSize));
  std::vector<std::uint16_t> font{static_cast<std::uint16_t>(-static_cast<int>(pixels)), 0, 0, 0,
                                  static_cast<std::uint16_t>(m_font.bold ? 700 : 400), 0,
                                  static_cast<std::uint16_t>(kShiftJisCharset << 8), 0, 0};
  AppendBytes(font, ToCp932(m_font.face).substr(0, kFaceBytes - 1), kFaceBytes);
  Use(kFont, kCreateFontIndirect, std::move(font));

  const std::uint32_t colour = ColourRef(m_font.colour);
  if (colour != m_textColour) {
    Record(kSetTextColor, {Low(colour), High(colour)});
    m_textColour = colour;
  }
  std::uint16_t align = h == HAlign::Right ? kAlignRight : h == HAlign::Centre ? kAlignCentre : 0;
  double y = anchor.y;
  if (v == VAlign::Bottom) align |= kAlignBottom;
  if (v == VAlign::Middle) y -= pixels / 2;  // top of a cell one em high
  if (align != m_textAlign) {
    Record(kSetTextAlign, {align});
    m_textAlign = align;
  }
  const std::string bytes = ToCp932(text);
  std::vector<std::uint16_t> parameters{Coordinate(y), Coordinate(anchor.x),
                                        static_cast<std::uint16_t>(bytes.size()), 0};
  AppendBytes(parameters, bytes, bytes.size());
  Record(kExtTextOut, parameters);
}

double WmfCanvas::TextWidth(std::string_view text) const {
  double bytes = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = SequenceLength(lead);
    // One byte in CP932: ASCII and the half-width katakana U+FF61 … U+FF9F (EF BD A1 … EF BE 9F).
    bool single = length == 1;
    if (length == 3 && i + 2 < text.size() && lead == 0xEF) {
      const auto second = static_cast<unsigned char>(text[i + 1]);
      const auto third = static_cast<unsigned char>(text[i + 2]);
      single = (second == 0xBD && third >= 0xA1) || second == 0xBE;
    }
    bytes += single ? 1 : 2;
    i += length;
  }
  return bytes * std::round(m_font.pixelSize) / 2;
}

void WmfCanvas::Clip(const CanvasRect& rect) {
  m_clipped = true;
  m_clip = rect;
}

void WmfCanvas::ResetClip() { m_clipped = false; }

std::string WmfCanvas::Bytes() const {
  std::vector<std::uint16_t> words;
  // The placeable header: key, no handle, bounding box, units per inch, checksum.
  words.insert(words.end(), {Low(kPlaceableKey), High(kPlaceableKey), 0, 0, 0,
                             static_cast<std::uint16_t>(m_width), static_cast<std::uint16_t>(m_height),
                             kUnitsPerInch, 0, 0});
  std::uint16_t checksum = 0;
  for (std::uint16_t word : words) checksum ^= word;
  words.push_back(checksum);
  // The standard header, sizes in words: header 9, records, end record 3.
  const auto size = static_cast<std::uint32_t>(9 + m_records.size() + 3);
  const std::uint32_t largest = std::max<std::uint32_t>(m_largestRecord, 3);
  words.insert(words.end(), {1, 9, 0x0300, Low(size), High(size),
                             static_cast<std::uint16_t>(m_tableUsed.size()), Low(largest),
                             High(largest), 0});
  words.insert(words.end(), m_records.begin(), m_records.end());
  words.insert(words.end(), {3, 0, kEndOfFile});
  std::string bytes;
  bytes.reserve(words.size() * 2);
  for (std::uint16_t word : words) {
    bytes.push_back(static_cast<char>(word & 0xFF));
    bytes.push_back(static_cast<char>(word >> 8));
  }
  return bytes;
}
