#pragma once
/// The table layouts of the printed report: a result table over as many pages as its rows
/// need, with the title band on the first page, the column-header band on every page, one
/// detail band per data row and a footer with the page number on every page.

#include <string>
#include <vector>

#include "core/design/stringgrid.h"
#include "reports/printedpage.h"

struct TableLayoutPlan {
  std::string title;
  std::vector<PageText> titleBandNotes;  // further texts of the title band, band-relative
  std::vector<std::string> columnTitles;
  std::vector<double> ruleXs;  // band-relative x of the column rules
  struct DetailBox {
    constexpr DetailBox(double left_, double width_, HAlign align_ = HAlign::Right)
        : left(left_), width(width_), align(align_) {}
    double left, width;
    HAlign align;
  };
  std::vector<DetailBox> detailBoxes;  // one per column that shows the table's text
  std::string footerPrefix;            // "表1 -", followed by a blank and the page number
  double footerX = 0;
};

namespace page {
inline constexpr double kHeaderBandHeight = 25;
inline constexpr double kDetailBandHeight = 22;
inline constexpr double kFooterBandHeight = 40;
}  // namespace page

/// The pages of a table layout: every data row (row 2 to the last) once, in order, as many
/// detail bands as fit above the footer; a table without data rows gives one page with its
/// header band and footer.
PrintLayout BuildTableLayout(const TableLayoutPlan& plan, const StringGrid& table);
