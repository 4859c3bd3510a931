#include "reports/pdfreportpages.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/design/stringgrid.h"
#include "core/text/cp932.h"
#include "core/text/formatnumber.h"
#include "pdf/tinkvale.h"
#include "pdf/tpdfcontents.h"
#include "results/chart.h"

namespace {

// Page geometry in points (origin bottom-left, page 596 × 842).
constexpr float kFrameLeft = 45;
constexpr float kFrameRight = 571;
constexpr float kFrameTop = 817;
constexpr float kFrameBottom = 28;
constexpr float kTitleRule = 797;
constexpr float kTitleX = 50;
constexpr float kTitleBaseline = 802;
constexpr float kFooterSize = 10;
// The footer's baseline sits its size and 2 points below the frame.
constexpr float kFooterBaseline = kFrameBottom - kFooterSize - 2;

constexpr std::uint8_t kReportFont = 6;  // MS Mincho
constexpr float kMinchoAscent = 0.872f;   // above the baseline, in ems (its descriptor's 872)
constexpr float kMinchoDescent = 0.143f;  // below the baseline, in ems (its descriptor's 143)
constexpr TPDFColor kBlack = 0;
constexpr TPDFColor kWhite = 0xFFFFFF;
constexpr float kChartTextSize = 8;
constexpr int kGridDivisions = 10;
// A list shrinks to fit its page down to this size; a longer one continues on further pages,
// whose lines start below the title rule with room for their ascenders.
constexpr float kSmallestListSize = 7;
constexpr float kContinuedListTop = 40;
// Room kept between a text and the rules or edges around it.
constexpr float kTextClearance = 1;

constexpr float PageX(float layoutX) { return layoutX + kFrameLeft; }
constexpr float PageY(float layoutY) { return kFrameTop - layoutY; }

TPDFColor PdfColour(const ChartColour& colour) {
  return static_cast<TPDFColor>(colour.r) | static_cast<TPDFColor>(colour.g) << 8 |
         static_cast<TPDFColor>(colour.b) << 16;
}

bool IsLineSeries(const ChartSeries& series) {
  return series.kind == ChartSeries::Kind::Line || series.kind == ChartSeries::Kind::FastLine;
}

struct AxisRange {
  double minimum = 0;
  double maximum = 0;
  double Span() const { return maximum - minimum; }
  bool Scalable() const { return std::isfinite(Span()) && Span() != 0; }
};

// A fixed axis keeps the range a filler gave it; an automatic one spans the chart's data, as
// the chart on the screen does (the ponding chart of a pump study is never fixed).
AxisRange RangeOf(const ChartAxis& axis, const Chart& chart, double ChartPoint::*coordinate) {
  if (!axis.automatic) return {axis.minimum, axis.maximum};
  AxisRange range;
  bool any = false;
  for (const ChartSeries& series : chart.series) {
    for (const ChartPoint& point : series.points) {
      const double value = point.*coordinate;
      if (!std::isfinite(value)) continue;
      range.minimum = any ? std::min(range.minimum, value) : value;
      range.maximum = any ? std::max(range.maximum, value) : value;
      any = true;
    }
  }
  return range;
}

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

std::string GridLabel(double value) {
  return FormatNumber(value < 100 ? "#,0.00" : "#,0", value);
}

// `size` lowered to a tenth of a point, so that a size computed to fit is never rounded up.
float TenthsBelow(float size) { return std::floor(size * 10) / 10; }

// The largest size up to `size` at which a text `width` points wide at `size` takes at most
// `room` points.
float SizeToFit(float size, float width, float room) {
  return width <= room ? size : TenthsBelow(size * room / width);
}

// The largest size up to `size` (and not below kSmallestListSize) at which `count` lines from
// `firstBaseline` on, size + 2 apart, keep their descenders above the frame's bottom edge.
float ListSizeToFit(float firstBaseline, std::size_t count, float size) {
  if (count <= 1) return size;
  const auto gaps = static_cast<float>(count - 1);
  const float fitting = (firstBaseline - kFrameBottom - 2 * gaps) / (gaps + kMinchoDescent);
  return std::clamp(TenthsBelow(fitting), kSmallestListSize, size);
}

// `value` moved into [low, high]; to `low` when the range is too narrow to hold it.
float Inward(float value, float low, float high) { return std::max(low, std::min(value, high)); }

float ColumnWidth(const StringGrid& table, int column) {
  const auto index = static_cast<std::size_t>(column);
  return index < table.ColWidths.size() ? static_cast<float>(table.ColWidths[index]) : 0.0f;
}

}  // namespace

PdfReportPages::PdfReportPages(TInkvale& writer) : m_writer(writer) {}

TPDFContents& PdfReportPages::Canvas() const { return m_writer.Canvas(); }

std::string_view PdfReportPages::Sjis(std::string_view utf8) {
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return utf8;
  }
  std::optional<std::string> bytes = Utf8ToCp932(utf8);
  if (!bytes) {
    if (m_unencodable.empty()) m_unencodable = utf8;
    return {};
  }
  m_sjis = std::move(*bytes);
  return m_sjis;
}

void PdfReportPages::StartPage() {
  Canvas().FontIndex = kReportFont;
  ++PageNumber;
}

void PdfReportPages::DrawFrame() {
  TPDFContents& canvas = Canvas();
  canvas.LineWidth = 1;
  canvas.StrokeColor = kBlack;
  canvas.Rectangle(false, kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
  canvas.Line(kFrameLeft, kTitleRule, kFrameRight, kTitleRule);
}

void PdfReportPages::DrawTitle(std::string_view text, float size) {
  Canvas().FontSize = size;
  Canvas().TextOut(Sjis(text), kTitleX, kTitleBaseline);
}

void PdfReportPages::DrawText(float x, float y, std::string_view text, float size) {
  TPDFContents& canvas = Canvas();
  canvas.FontSize = size;
  canvas.Leading = size + 2;
  canvas.TextOut(Sjis(text), PageX(x), PageY(y));
}

void PdfReportPages::DrawLines(float x, float y, const std::vector<std::string>& lines,
                               float size) {
  // A list keeps to its page by drawing smaller, so that the pages after it keep their numbers;
  // only a list too long even at the smallest size continues on pages of its own.
  size = ListSizeToFit(PageY(y), lines.size(), size);
  const float lowestBaseline = kFrameBottom + size * kMinchoDescent;
  float top = PageY(y);
  int lineOnPage = 0;
  for (const std::string& line : lines) {
    float baseline = top - static_cast<float>(lineOnPage) * (size + 2);
    if (baseline < lowestBaseline && lineOnPage > 0) {
      ContinuationPage();
      lineOnPage = 0;
      top = PageY(std::max(y, kContinuedListTop));
      baseline = top;
    }
    TPDFContents& canvas = Canvas();  // a continuation page has a canvas of its own
    canvas.FontSize = size;
    canvas.Leading = size + 2;
    canvas.TextOut(Sjis(line), PageX(x), baseline);
    ++lineOnPage;
  }
}

void PdfReportPages::DrawFooter() {
  TPDFContents& canvas = Canvas();
  canvas.FontIndex = kReportFont;
  canvas.FontSize = kFooterSize;
  const int shown = PageNumber - 1;
  const std::string text = "Page: " + std::to_string(shown);
  const float width = canvas.TextWidth(text);
  if (shown >= 1) {
    canvas.TextOut(text, kFrameLeft + (kFrameRight - kFrameLeft - width) / 2, kFooterBaseline);
  }
}

void PdfReportPages::NextPage() {
  DrawFooter();
  m_writer.NewPage();
  StartPage();
}

void PdfReportPages::ContinuationPage() {
  NextPage();
  DrawFrame();
  DrawTitle("前ページつづき", 9);
}

void PdfReportPages::DrawTable(float x, float y, std::string_view caption,
                               const StringGrid& table, float size, int headerRows,
                               int rowsPerPage) {
  const int rows = table.RowCount();
  headerRows = std::clamp(headerRows, 0, rows);
  // A page must hold at least one data row, or the rows after the header could never be shown.
  rowsPerPage = std::max(rowsPerPage, headerRows + 1);
  const int visibleRows = std::min(rows, rowsPerPage);
  const int dataRowsPerPage = visibleRows - headerRows;
  const int dataRows = rows - headerRows;
  const int pages =
      rows <= rowsPerPage ? 1 : (dataRows + dataRowsPerPage - 1) / dataRowsPerPage;

  int firstDataRow = headerRows;
  for (int page = 0; page < pages; ++page) {
    DrawTablePage(PageX(x), PageY(y), caption, table, size, headerRows, visibleRows,
                  firstDataRow);
    firstDataRow += dataRowsPerPage;
    if (page + 1 < pages) ContinuationPage();
  }
}

void PdfReportPages::DrawTablePage(float left, float top, std::string_view caption,
                                   const StringGrid& table, float size, int headerRows,
                                   int visibleRows, int firstDataRow) {
  TPDFContents& canvas = Canvas();
  const int columns = table.ColCount();
  const auto rowHeight = static_cast<float>(table.DefaultRowHeight);
  float totalWidth = 0;
  for (int c = 0; c < columns; ++c) totalWidth += ColumnWidth(table, c);
  const float height = static_cast<float>(visibleRows) * rowHeight;
  const float right = left + totalWidth;
  const float bottom = top - height;

  canvas.StrokeColor = kBlack;
  canvas.LineWidth = 1;
  const float headerRule = top - rowHeight * static_cast<float>(headerRows);
  canvas.Line(left, headerRule, right, headerRule);
  // The rules span the same rows on every page, also on a last page with fewer rows left.
  canvas.LineWidth = 0.75f;
  for (int r = 0; r <= visibleRows; ++r) {
    const float ruleY = top - rowHeight * static_cast<float>(r);
    canvas.Line(left, ruleY, right, ruleY);
  }
  canvas.LineWidth = 1;
  canvas.Line(left + ColumnWidth(table, 0), top, left + ColumnWidth(table, 0), bottom);
  canvas.LineWidth = 0.75f;
  canvas.Line(left, top, left, bottom);
  float edge = left;
  for (int c = 0; c < columns; ++c) {
    edge += ColumnWidth(table, c);
    canvas.Line(edge, top, edge, bottom);
  }

  canvas.FontSize = size;
  canvas.TextOut(Sjis(caption), left, top + 3);

  // Cells are centred in their columns, column by column; `line` counts the page's rows from 1.
  // A text wider than its column is drawn smaller, so that it stays between the column's rules.
  auto drawCell = [&](float centre, int column, int row, int line) {
    const std::string_view text = Sjis(table.Cell(column, row));
    canvas.FontSize = size;
    const float room = ColumnWidth(table, column) - 2 * kTextClearance;
    float width = canvas.TextWidth(text);
    canvas.FontSize = SizeToFit(size, width, room);
    // Most cells fit: their width at the size they are drawn at is the one just measured.
    if (canvas.FontSize != size) width = canvas.TextWidth(text);
    canvas.TextOut(text, centre - width / 2, top - rowHeight * static_cast<float>(line) + 3);
  };
  float columnLeft = left;
  for (int c = 0; c < columns; ++c) {
    const float centre = columnLeft + ColumnWidth(table, c) / 2;
    for (int k = 1; k <= headerRows; ++k) drawCell(centre, c, k - 1, k);
    columnLeft += ColumnWidth(table, c);
  }
  columnLeft = left;
  for (int c = 0; c < columns; ++c) {
    const float centre = columnLeft + ColumnWidth(table, c) / 2;
    for (int j = 1; j <= visibleRows - headerRows; ++j) {
      const int row = firstDataRow + j - 1;
      if (row >= table.RowCount()) break;  // past the last row there is nothing to show
      drawCell(centre, c, row, j + headerRows);
    }
    columnLeft += ColumnWidth(table, c);
  }
}

void PdfReportPages::DrawChart(const Chart& chart, float left, float top, float width,
                               float height) {
  TPDFContents& canvas = Canvas();
  const float boxLeft = PageX(left);
  const float boxRight = boxLeft + width;
  const float boxBottom = PageY(top) - height;
  const float boxTop = boxBottom + height;
  const AxisRange xRange = RangeOf(chart.bottom, chart, &ChartPoint::x);
  const AxisRange yRange = RangeOf(chart.left, chart, &ChartPoint::y);
  const double xScale = width / xRange.Span();
  const double yScale = height / yRange.Span();
  auto pageX = [&](double x) {
    return static_cast<float>((x - xRange.minimum) * xScale + boxLeft);
  };
  auto pageY = [&](double y) {
    return static_cast<float>((y - yRange.minimum) * yScale + boxBottom);
  };
  auto centredText = [&](std::string_view text, float centreX, float baseline) {
    canvas.TextOut(text, centreX - canvas.TextWidth(text) / 2, baseline);
  };

  canvas.FontSize = kChartTextSize;
  canvas.LineWidth = 0.75f;
  const float boxCentre = (boxLeft + boxRight) / 2;
  centredText(Sjis(FirstLine(chart.title)), boxCentre, boxTop + 3);
  centredText(Sjis(chart.bottom.title), boxCentre, boxBottom - 20);
  canvas.TextOut(Sjis(chart.left.title), boxRight + 2, (boxBottom + boxTop) / 2);
  canvas.StrokeColor = kBlack;
  const bool scalable = xRange.Scalable() && yRange.Scalable();
  const bool hasLineSeries = std::any_of(chart.series.begin(), chart.series.end(), IsLineSeries);
  if (!scalable) {
    canvas.Rectangle(false, boxLeft, boxTop, boxRight, boxBottom);
    canvas.RestoreClip();
    return;
  }

  // The grid and its values first, so that the series and their labels lie over the grid and
  // no grid line crosses a label's digits.
  if (hasLineSeries) {
    canvas.LineWidth = 0.2f;
    canvas.SetDash(3, 0, 0);
    canvas.StrokeColor = kBlack;
    // Neighbouring values keep a gap of at least four clearances between them; values left of
    // the box stay inside the frame.
    const float spacing = width / kGridDivisions - 4 * kTextClearance;
    const float leftMargin = boxLeft - 2 - kFrameLeft - kTextClearance;
    // The value at grid line k of an axis, with the font sized so that it takes at most `room`.
    auto gridValue = [&](const AxisRange& range, int k, float room) {
      const std::string text = GridLabel(range.minimum + k * range.Span() / kGridDivisions);
      canvas.FontSize = kChartTextSize;
      canvas.FontSize = SizeToFit(kChartTextSize, canvas.TextWidth(text), room);
      return text;
    };
    for (int k = 1; k < kGridDivisions; ++k) {
      const float x = pageX(xRange.minimum + k * xRange.Span() / kGridDivisions);
      canvas.Line(x, boxBottom, x, boxTop);
      centredText(gridValue(xRange, k, spacing), x, boxBottom - 8);
    }
    for (int k = 1; k < kGridDivisions; ++k) {
      const float y = pageY(yRange.minimum + k * yRange.Span() / kGridDivisions);
      canvas.Line(boxLeft, y, boxRight, y);
      const std::string text = gridValue(yRange, k, leftMargin);
      canvas.TextOut(text, boxLeft - canvas.TextWidth(text) - 2, y + 2);
    }
    canvas.SetDash(0, 0, 0);
    canvas.FontSize = kChartTextSize;
  }

  // The box, which also clips the series: a line beyond the axis ranges ends at the box.
  canvas.LineWidth = 0.75f;
  canvas.StrokeColor = kBlack;
  canvas.Rectangle(true, boxLeft, boxTop, boxRight, boxBottom);

  // A level marker (a two-point horizontal series with marks) whose level lies outside the
  // level axis marks nothing on this chart.
  auto shown = [&](const ChartSeries& series) {
    if (!IsLineSeries(series) || series.points.size() < 2) return false;
    const bool marker = series.marksVisible && series.points.size() == 2 &&
                        series.points[0].y == series.points[1].y;
    const double level = series.points[0].y;
    return !marker || (level >= yRange.minimum && level <= yRange.maximum);
  };
  canvas.LineWidth = 0.2f;
  for (const ChartSeries& series : chart.series) {
    if (!shown(series)) continue;
    canvas.StrokeColor = PdfColour(series.colour);
    float lastX = pageX(series.points[0].x);
    float lastY = pageY(series.points[0].y);
    for (std::size_t i = 1; i < series.points.size(); ++i) {
      const float x = pageX(series.points[i].x);
      const float y = pageY(series.points[i].y);
      canvas.Line(lastX, lastY, x, y);
      lastX = x;
      lastY = y;
    }
  }

  // Point labels last, each on a white ground that is moved inward where it would cross the box.
  // Below the text the ground stops short of the line that a label stands 2 points above.
  const float above = kChartTextSize * kMinchoAscent + kTextClearance;
  const float below = kChartTextSize * kMinchoDescent + kTextClearance / 2;
  for (const ChartSeries& series : chart.series) {
    if (!shown(series) || !series.marksVisible) continue;
    for (const ChartPoint& point : series.points) {
      if (point.label.find_first_not_of(' ') == std::string::npos) continue;
      const std::string_view text = Sjis(point.label);
      const float textWidth = canvas.TextWidth(text);
      const float groundWidth = textWidth + 2 * kTextClearance;
      const float groundLeft =
          Inward(pageX(point.x) - textWidth / 2 - kTextClearance, boxLeft + kTextClearance,
                 boxRight - kTextClearance - groundWidth);
      const float groundBottom = Inward(pageY(point.y) + 2 - below, boxBottom + kTextClearance,
                                        boxTop - kTextClearance - above - below);
      canvas.FillColor = kWhite;
      canvas.FillRectangle(groundLeft, groundBottom, groundLeft + groundWidth,
                           groundBottom + below + above);
      canvas.FillColor = kBlack;
      canvas.TextOut(text, groundLeft + kTextClearance, groundBottom + below);
    }
  }
  canvas.RestoreClip();
}
