#include "reports/pdfreportpages.h"

#include <algorithm>
#include <cmath>

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
constexpr float kMinchoDescent = 0.143f;  // below the baseline, in ems (its descriptor's 143)
constexpr TPDFColor kBlack = 0;
constexpr float kChartTextSize = 8;
constexpr int kGridDivisions = 10;

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

float ColumnWidth(const StringGrid& table, int column) {
  const auto index = static_cast<std::size_t>(column);
  return index < table.ColWidths.size() ? static_cast<float>(table.ColWidths[index]) : 0.0f;
}

}  // namespace

PdfReportPages::PdfReportPages(TInkvale& writer) : m_writer(writer) {}

TPDFContents& PdfReportPages::Canvas() const { return m_writer.Canvas(); }

std::string PdfReportPages::Sjis(std::string_view utf8) {
  std::optional<std::string> bytes = Utf8ToCp932(utf8);
  if (bytes) return *bytes;
  if (m_unencodable.empty()) m_unencodable = utf8;
  return {};
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
  // A line fits while its descenders stay inside the frame; the rest of a list that runs
  // further continues on a page of its own instead of falling off the sheet.
  const float lowestBaseline = kFrameBottom + size * kMinchoDescent;
  int lineOnPage = 0;
  for (const std::string& line : lines) {
    float baseline = PageY(y) - static_cast<float>(lineOnPage) * (size + 2);
    if (baseline < lowestBaseline && lineOnPage > 0) {
      ContinuationPage();
      lineOnPage = 0;
      baseline = PageY(y);
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
  auto drawCell = [&](float centre, int column, int row, int line) {
    const std::string text = Sjis(table.Cell(column, row));
    canvas.TextOut(text, centre - canvas.TextWidth(text) / 2,
                   top - rowHeight * static_cast<float>(line) + 3);
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
  auto centredText = [&](const std::string& text, float centreX, float baseline) {
    canvas.TextOut(text, centreX - canvas.TextWidth(text) / 2, baseline);
  };

  canvas.FontSize = kChartTextSize;
  canvas.LineWidth = 0.75f;
  const float boxCentre = (boxLeft + boxRight) / 2;
  centredText(Sjis(FirstLine(chart.title)), boxCentre, boxTop + 3);
  centredText(Sjis(chart.bottom.title), boxCentre, boxBottom - 20);
  canvas.TextOut(Sjis(chart.left.title), boxRight + 2, (boxBottom + boxTop) / 2);
  canvas.StrokeColor = kBlack;
  canvas.Rectangle(false, boxLeft, boxTop, boxRight, boxBottom);

  if (xRange.Scalable() && yRange.Scalable()) {
    canvas.LineWidth = 0.2f;
    bool hasLineSeries = false;
    for (const ChartSeries& series : chart.series) {
      if (!IsLineSeries(series)) continue;
      hasLineSeries = true;
      if (series.points.size() < 2) continue;
      canvas.StrokeColor = PdfColour(series.colour);
      auto label = [&](const ChartPoint& point, float x, float y) {
        if (series.marksVisible) centredText(Sjis(point.label), x, y + 2);
      };
      float lastX = pageX(series.points[0].x);
      float lastY = pageY(series.points[0].y);
      label(series.points[0], lastX, lastY);
      for (std::size_t i = 1; i < series.points.size(); ++i) {
        const float x = pageX(series.points[i].x);
        const float y = pageY(series.points[i].y);
        canvas.Line(lastX, lastY, x, y);
        label(series.points[i], x, y);
        lastX = x;
        lastY = y;
      }
    }

    if (hasLineSeries) {
      // The grid is drawn over the series; each line stands at the value its label shows.
      canvas.SetDash(3, 0, 0);
      canvas.StrokeColor = kBlack;
      for (int k = 1; k < kGridDivisions; ++k) {
        const double value = xRange.minimum + k * xRange.Span() / kGridDivisions;
        const float x = pageX(value);
        canvas.Line(x, boxBottom, x, boxTop);
        centredText(GridLabel(value), x, boxBottom - 8);
      }
      for (int k = 1; k < kGridDivisions; ++k) {
        const double value = yRange.minimum + k * yRange.Span() / kGridDivisions;
        const float y = pageY(value);
        canvas.Line(boxLeft, y, boxRight, y);
        const std::string text = GridLabel(value);
        canvas.TextOut(text, boxLeft - canvas.TextWidth(text) - 2, y + 2);
      }
      canvas.SetDash(0, 0, 0);
    }
  }
  canvas.RestoreClip();
}
