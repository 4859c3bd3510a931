#pragma once
/// One page of the printed calculation report as data: its bands, texts, rules, memos, charts
/// and the ruled stage table, in page pixels (96 per inch, A4 portrait 794 × 1123, from the
/// paper's top-left corner). The page painter draws it; tests read it.

#include <string>
#include <utility>
#include <vector>

#include "charts/canvas.h"
#include "charts/chartrenderer.h"
#include "results/chart.h"

namespace page {
inline constexpr double kPaperWidth = 794;
inline constexpr double kPaperHeight = 1123;
// The printable area inside the margins (left 20 mm, right 10 mm, top 10 mm, bottom 15 mm).
inline constexpr double kLeft = 76;
inline constexpr double kTop = 38;
inline constexpr double kWidth = 681;
inline constexpr double kBottom = 1066;
inline constexpr double kTitleBandHeight = 40;
inline constexpr double kTextPixels = 13;   // ＭＳ 明朝 10 pt
inline constexpr double kTitlePixels = 16;  // 12 pt
inline constexpr double kLabelPixels = 11;  // 8 pt, the product label
}  // namespace page

/// A text whose top-left corner, or right edge or centre within `width`, is at (left, top).
struct PageText {
  PageText(std::string text_, double left_, double top_, double width_ = 0,
           double pixels_ = page::kTextPixels, HAlign align_ = HAlign::Left)
      : text(std::move(text_)), left(left_), top(top_), width(width_), pixels(pixels_),
        align(align_) {}

  std::string text;
  double left = 0;
  double top = 0;
  double width = 0;  // the box width for right-aligned and centred texts
  double pixels = page::kTextPixels;
  HAlign align = HAlign::Left;
  bool operator==(const PageText&) const = default;
};

/// Which edges of a band carry a rule.
struct BandEdges {
  bool top = false, left = false, right = false, bottom = false;
  bool operator==(const BandEdges&) const = default;
};

/// A horizontal strip of the page with its edge rules, the x positions of its vertical column
/// rules and its texts; all positions inside a band are in page pixels.
struct PageBand {
  enum class Kind { Title, ColumnHeader, Detail, Footer };
  Kind kind = Kind::Title;
  CanvasRect box;
  BandEdges edges;
  std::vector<double> ruleXs;
  std::vector<PageText> texts;
};

/// A block of text lines, one under the other, `pixels` apart; `height` is the block's height
/// as FillMemo sets it.
struct PageMemo {
  double left = 0;
  double top = 0;
  double pixels = page::kTextPixels;
  double height = 0;
  std::vector<std::string> lines;
};

/// A copy of a result chart with the page's own titles, drawn by the chart renderer in `box`.
struct PageChart {
  Chart chart;
  CanvasRect box;
  ChartStyle style;
};

/// The ruled stage table: rules and cell texts in table units (x 0 to `width` rightwards, y 0
/// down to −`height`), drawn scaled into the plot box of a drawing `box` on the page.
struct GridDrawing {
  CanvasRect box;
  double width = 0;   // table width, px
  double height = 0;  // rows × row height, px
  std::vector<CanvasPoint> horizontalRules;  // one polyline, red
  std::vector<CanvasPoint> verticalRules;    // one polyline, green
  struct Cell {
    double x = 0, y = 0;  // the text stands centred above this point
    std::string text;
    bool operator==(const Cell&) const = default;
  };
  std::vector<Cell> cells;
};

struct PrintedPage {
  bool frame = true;  // the frame around the printable area
  std::vector<PageBand> bands;
  std::vector<PageText> texts;
  std::vector<PageMemo> memos;
  std::vector<PageChart> charts;
  std::vector<GridDrawing> grids;
};

/// One page layout: printed as one job, its table pages numbered from 1.
struct PrintLayout {
  std::string title;
  std::vector<PrintedPage> pages;
};
