#pragma once
/// A canvas that records every drawing call, for tests that check what a chart draws. Texts
/// are measured as a fixed-pitch Japanese face does: half an em for a one-byte character, a
/// whole em for every other.

#include <string>
#include <variant>
#include <vector>

#include "charts/canvas.h"

namespace testing_support {

class RecordingCanvas : public Canvas {
 public:
  struct PolylineCall {
    CanvasPen pen;
    std::vector<CanvasPoint> points;
  };
  struct TextCall {
    CanvasFont font;
    CanvasPoint anchor;
    std::string text;
    HAlign h;
    VAlign v;
    double width;  // as TextWidth measured it
    CanvasRect Box() const {
      double left = anchor.x - (h == HAlign::Centre ? width / 2 : h == HAlign::Right ? width : 0);
      double top = anchor.y -
                   (v == VAlign::Middle ? font.pixelSize / 2 : v == VAlign::Bottom ? font.pixelSize : 0);
      return {left, top, width, font.pixelSize};
    }
  };
  struct RectangleCall {
    CanvasPen pen;
    CanvasRect rect;
  };
  struct FillCall {
    CanvasRect rect;
    ChartColour colour;
  };
  using Call = std::variant<PolylineCall, TextCall, RectangleCall, FillCall>;

  void SetPen(const CanvasPen& pen) override { m_pen = pen; }
  void SetFont(const CanvasFont& font) override { m_font = font; }
  void Polyline(std::span<const CanvasPoint> points) override {
    calls.push_back(PolylineCall{m_pen, {points.begin(), points.end()}});
  }
  void FillRect(const CanvasRect& rect, ChartColour colour) override {
    calls.push_back(FillCall{rect, colour});
  }
  void Rectangle(const CanvasRect& rect) override { calls.push_back(RectangleCall{m_pen, rect}); }
  void Text(CanvasPoint anchor, std::string_view text, HAlign h, VAlign v) override {
    calls.push_back(TextCall{m_font, anchor, std::string(text), h, v, TextWidth(text)});
  }
  double TextWidth(std::string_view text) const override {
    double ems = 0;
    for (unsigned char c : text) {
      if (c < 0x80) ems += 0.5;
      if (c >= 0xC0) ems += 1;  // the lead byte of a multi-byte character
    }
    return ems * m_font.pixelSize;
  }
  void Clip(const CanvasRect& rect) override { clips.push_back(rect); }
  void ResetClip() override {}

  template <class T>
  std::vector<T> All() const {
    std::vector<T> found;
    for (const Call& call : calls) {
      if (const T* t = std::get_if<T>(&call)) found.push_back(*t);
    }
    return found;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const TextCall& call : All<TextCall>()) texts.push_back(call.text);
    return texts;
  }

  std::vector<Call> calls;
  std::vector<CanvasRect> clips;

 private:
  CanvasPen m_pen;
  CanvasFont m_font;
};

}  // namespace testing_support
