#pragma once
/// The page-filling operations of the printed report (TDrawKekka): a list into a memo, a
/// result chart into a page chart, and the stage table into its ruled drawing.

#include "core/design/stringgrid.h"
#include "reports/printedpage.h"
#include "results/resultsheet.h"

/// Replaces the memo's lines by the list's; the memo's height becomes the font height times the
/// line count plus two (px), as it grows by one line for each line added.
void FillMemo(const TextList& list, PageMemo& memo);

/// Copies the data of a result chart into a page chart that keeps its own titles:
/// - each axis takes the source's range (rounded to single precision) unless that range is
///   0 to 0, which leaves the page chart's own range;
/// - each series of the source empties the page chart's series at the same position, which
///   then keeps insertion order, takes the source series' colour and receives every point with
///   its label, x limited to the source's bottom-axis maximum so that nothing is drawn beyond
///   the range the result chart shows. Source series without a counterpart are not copied.
void CopyChart(const Chart& source, Chart& target);

/// The rules and texts of a table of the result window drawn as a ruled table whose drawing
/// box starts at (left, top) on the page: the rows from the top down to, not including, the
/// first row after the first whose first cell is empty (at most 999); red rules under each row
/// as wide as the table control on screen (`screenWidth` px) but no wider than the table; green
/// rules at each column's right edge and a second one beside the first column's; each cell's
/// text, "---" for an empty cell. At most 21 columns are drawn.
GridDrawing DrawGridChart(const StringGrid& table, double screenWidth, double left, double top);
