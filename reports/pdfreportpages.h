#pragma once
/// The page operations of the PDF calculation report: the frame, titles, texts, lists and
/// footers of its pages, result tables ruled over as many pages as they need, and result
/// charts turned into lines and texts.

#include <string>
#include <string_view>
#include <vector>

class StringGrid;
class TInkvale;
class TPDFContents;
struct Chart;

/// Draws on the current page of a writer that is in a document. Layout coordinates (x, y) are
/// points from the frame's left edge rightwards and from the frame's top edge downwards, that
/// is the page point (x + 45, 817 − y); sizes are points. Texts are UTF-8 and are drawn in
/// font 6 as Shift-JIS; a text that Shift-JIS cannot hold is drawn as nothing and remembered,
/// so that the caller can refuse the document (UnencodableText).
class PdfReportPages {
 public:
  explicit PdfReportPages(TInkvale& writer);

  /// Pages begun in this report; the footer shows PageNumber − 1, so the first page has none.
  int PageNumber = 0;

  /// Selects font 6 and counts the page.
  void StartPage();
  /// The page frame (45, 28)–(571, 817) and the rule under the title, line width 1.
  void DrawFrame();
  /// The page title at (50, 802) in the given size.
  void DrawTitle(std::string_view text, float size);
  /// One text at layout (x, y).
  void DrawText(float x, float y, std::string_view text, float size);
  /// The lines of a list from layout (x, y) downwards, `size` + 2 points apart. A list that
  /// would reach below the frame is drawn smaller, size and leading together, just enough to
  /// fit (to a tenth of a point, never below 7); only a list that does not fit even at 7 points
  /// continues on pages titled "前ページつづき", from layout y 40 on.
  void DrawLines(float x, float y, const std::vector<std::string>& lines, float size);
  /// "Page: " and PageNumber − 1 centred under the frame, when that number is at least 1.
  void DrawFooter();
  /// Ends the current page with its footer and begins the next one.
  void NextPage();

  /// A result table as a ruled table with its top-left corner at layout (x, y): the caption
  /// above it, `headerRows` header rows repeated on every page, and at most `rowsPerPage` rows
  /// (headers included) a page. The table's column widths and row height are taken as points;
  /// a cell text wider than its column is drawn at the largest size that keeps it inside.
  /// When the data rows do not fit, continuation pages titled "前ページつづき" follow in place;
  /// the rules of every page span the same number of rows.
  void DrawTable(float x, float y, std::string_view caption, const StringGrid& table, float size,
                 int headerRows, int rowsPerPage);

  /// A chart in the box whose top-left corner is layout (left, top): the title above the box,
  /// the bottom-axis title below it and the left-axis title to its right; a dashed grid of
  /// nine lines each way with the axis values beside it; then every line series as a polyline
  /// in its colour, clipped to the box; last the point labels of series whose marks are shown,
  /// each on a white ground inside the box. A level marker whose level lies outside the level
  /// axis is left out. An automatic axis
  /// spans the chart's data. An axis whose range is empty or not finite cannot be scaled: the
  /// box and the titles are drawn, the series and the grid are not.
  void DrawChart(const Chart& chart, float left, float top, float width, float height);

  /// The first text of this report that Shift-JIS cannot hold, or the empty text.
  const std::string& UnencodableText() const { return m_unencodable; }

 private:
  TPDFContents& Canvas() const;
  // The Shift-JIS bytes of `utf8`, valid until the next call: the text itself when it is ASCII
  // (the same bytes in both), otherwise converted into a buffer the pages reuse. A text that
  // Shift-JIS cannot hold gives nothing and is kept for UnencodableText.
  std::string_view Sjis(std::string_view utf8);
  void ContinuationPage();
  void DrawTablePage(float left, float top, std::string_view caption, const StringGrid& table,
                     float size, int headerRows, int visibleRows, int firstDataRow);

  TInkvale& m_writer;
  std::string m_unencodable;
  std::string m_sjis;
};
