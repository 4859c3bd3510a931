#pragma once
/// A canvas that records a Windows metafile in its placeable form (the classic .wmf, not the
/// enhanced one), 96 units per inch, for pasting charts into other documents.
///
/// Pens, brushes and fonts are created when they change, selected, and the one they replace
/// deleted, so the object table never holds more than two of a kind. Texts are written in CP932
/// with a Japanese face and SHIFTJIS_CHARSET. Clipping is done on the lines themselves, so the
/// file needs no clip regions. Coordinates are whole units, limited to 16 bits.

#include <cstdint>
#include <string>
#include <vector>

#include "charts/canvas.h"

class WmfCanvas final : public Canvas {
 public:
  /// A picture of `width` × `height` px (at most 32767 each).
  WmfCanvas(int width, int height);

  void SetPen(const CanvasPen& pen) override;
  void SetFont(const CanvasFont& font) override;
  void Polyline(std::span<const CanvasPoint> points) override;
  void FillRect(const CanvasRect& rect, ChartColour colour) override;
  void Rectangle(const CanvasRect& rect) override;
  void Text(CanvasPoint anchor, std::string_view text, HAlign h, VAlign v) override;
  /// Measured as the fixed-pitch face draws it: half an em per CP932 byte.
  double TextWidth(std::string_view text) const override;
  void Clip(const CanvasRect& rect) override;
  void ResetClip() override;

  /// The bytes of the metafile drawn so far: placeable header, header, records, end record.
  std::string Bytes() const;

 private:
  enum Slot { kPen, kBrush, kFont, kSlotCount };
  struct Object {
    int index = -1;  // in the object table, -1 while none is created
    std::vector<std::uint16_t> record;  // the record that created it, to avoid duplicates
  };

  void Record(std::uint16_t function, const std::vector<std::uint16_t>& parameters);
  void Use(Slot slot, std::uint16_t function, std::vector<std::uint16_t> parameters);
  void UsePen(ChartColour colour, double width, PenDash dash, bool visible = true);
  void UseBrush(ChartColour colour, bool visible);
  void DrawRectangle(const CanvasRect& rect);

  int m_width;
  int m_height;
  std::vector<std::uint16_t> m_records;  // every record after the header, in 16-bit words
  std::uint32_t m_largestRecord = 0;     // words
  std::vector<bool> m_tableUsed;
  Object m_objects[kSlotCount];
  CanvasPen m_pen;
  CanvasFont m_font;
  std::uint16_t m_textAlign = 0xFFFF;
  std::uint32_t m_textColour = 0xFFFFFFFF;
  bool m_clipped = false;
  CanvasRect m_clip;
};
