#pragma once
/// The content stream of one page: drawing state set as plain fields, and the drawing
/// operations that append PDF operators to it, one per line, each line ended by a single CR.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pdf/tpdfobject.h"

/// An RGB colour: red in the lowest byte, then green, then blue (0x0000FF is red).
using TPDFColor = std::uint32_t;

/// Coordinates are points with the origin at the page's bottom-left corner, y upwards. Text
/// is code page 932 bytes: single bytes (ASCII, half-width katakana) and two-byte characters
/// of a lead byte (0x81–0x9F, 0xE0–0xFC) and the byte after it. Any bytes and coordinates are
/// accepted.
class TPDFContents : public TPDFObject {
 public:
  explicit TPDFContents(TInkvale& Writer);

  /// The operators appended so far.
  std::string Data;
  /// Font index 0–7 used by TextOut and TextWidth; another value fails in GetFont.
  std::uint8_t FontIndex = 0;
  /// Text size in points.
  float FontSize = 10.0f;
  /// Stroke width in points.
  float LineWidth = 1.0f;
  /// Written by Rectangle as "j".
  std::uint8_t LineJoin = 0;
  /// Written by Line as "J".
  std::uint8_t LineCap = 0;
  /// Text colour.
  TPDFColor FillColor = 0;
  /// Line colour.
  TPDFColor StrokeColor = 0;
  /// Line advance of multi-line text in points ("TL").
  float Leading = 0.0f;
  /// Extra space between characters in points ("Tc").
  float CharSpacing = 0.0f;
  /// Extra space after each space byte in points ("Tw").
  float WordSpacing = 0.0f;
  /// A clipping rectangle saved the graphics state and RestoreClip has not restored it yet.
  bool ClipSaved = false;

  /// Draws `Text` with its first baseline starting at (X, Y): a BT … ET block that sets font,
  /// fill colour, leading, spacings and position, then one show operator per line (lines are
  /// split at CR; CR LF is one break; lines advance by "T*"). A line holding any two-byte
  /// character is written as hexadecimal text, any other line as a literal string. Creates
  /// the font's objects on its first use.
  void TextOut(std::string_view Text, float X, float Y);
  /// The advance width of `Text` in points under the current font, size and spacings; appends
  /// nothing, but creates the font's objects on its first use.
  float TextWidth(std::string_view Text);
  /// A stroked line from (X1, Y1) to (X2, Y2) with LineCap, StrokeColor and LineWidth.
  void Line(float X1, float Y1, float X2, float Y2);
  /// A stroked rectangle with corners (X1, Y1) and (X2, Y2); with `Clip` it also becomes the
  /// clipping path, saving the graphics state first unless a clip already saved it.
  void Rectangle(bool Clip, float X1, float Y1, float X2, float Y2);
  /// A rectangle with corners (X1, Y1) and (X2, Y2) filled with FillColor, without an outline.
  void FillRectangle(float X1, float Y1, float X2, float Y2);
  /// Dash pattern: "[On Off]Phase d", an entry left out when it is 0; (0, 0, 0) is solid.
  void SetDash(std::uint8_t On, std::uint8_t Off, std::uint8_t Phase);
  /// Ends the clipping of Rectangle(true, …) by restoring the saved state, if one is saved.
  void RestoreClip();

  /// "<<\r\n/Length n\r\n>>\r\nstream\r\n", Data, "\n", "endstream\r\n"; the LF before
  /// endstream is not counted in Length.
  std::string GetBody() const override;
  /// Writes what GetBody() returns, the stream straight from Data.
  void WriteBody(std::ostream& out) const override;
  std::size_t BodySize() const override;

 private:

  // The operators that set the text state and the line state, kept with the state they were
  // written for: a page of tables draws thousands of cells and rules in one font and colour.
  struct TextState {
    std::int32_t font;
    float size;
    TPDFColor color;
    float leading, charSpacing, wordSpacing;
    bool operator==(const TextState&) const = default;
  };
  struct LineState {
    std::uint8_t cap;
    TPDFColor color;
    float width;
    bool operator==(const LineState&) const = default;
  };
  std::optional<TextState> m_textState;
  std::string m_textStateOperators;
  std::optional<LineState> m_lineState;
  std::string m_lineStateOperators;
};
