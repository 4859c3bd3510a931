#include "reports/tablelayout.h"

namespace {

constexpr double kFooterTop = page::kBottom - page::kFooterBandHeight;
constexpr double kTitleTextTop = 14;
constexpr double kColumnTitleTop = 6;
constexpr double kDetailTextTop = 4;
constexpr double kFooterTextTop = 16;

PageBand Band(PageBand::Kind kind, double top, double height, BandEdges edges) {
  PageBand band;
  band.kind = kind;
  band.box = {page::kLeft, top, page::kWidth, height};
  band.edges = edges;
  return band;
}

PageBand TitleBand(const TableLayoutPlan& plan) {
  PageBand band = Band(PageBand::Kind::Title, page::kTop, page::kTitleBandHeight,
                       {.top = true, .left = true, .right = true});
  band.texts.push_back({plan.title, page::kLeft + 16, page::kTop + kTitleTextTop, 0,
                        page::kTitlePixels});
  for (PageText note : plan.titleBandNotes) {
    note.left += page::kLeft;
    note.top += page::kTop;
    band.texts.push_back(note);
  }
  return band;
}

PageBand HeaderBand(const TableLayoutPlan& plan, double top) {
  PageBand band = Band(PageBand::Kind::ColumnHeader, top, page::kHeaderBandHeight,
                       {.top = true, .left = true, .right = true, .bottom = true});
  band.ruleXs = plan.ruleXs;
  // Each title stands centred between the rules of its column.
  for (std::size_t c = 0; c < plan.columnTitles.size(); ++c) {
    const double from = c == 0 ? 0 : plan.ruleXs[c - 1];
    const double to = c < plan.ruleXs.size() ? plan.ruleXs[c] : page::kWidth;
    band.texts.push_back({plan.columnTitles[c], page::kLeft + from, top + kColumnTitleTop,
                          to - from, page::kTextPixels, HAlign::Centre});
  }
  return band;
}

PageBand DetailBand(const TableLayoutPlan& plan, const StringGrid& table, int row, double top) {
  PageBand band = Band(PageBand::Kind::Detail, top, page::kDetailBandHeight,
                       {.left = true, .right = true, .bottom = true});
  band.ruleXs = plan.ruleXs;
  for (std::size_t c = 0; c < plan.detailBoxes.size(); ++c) {
    const TableLayoutPlan::DetailBox& box = plan.detailBoxes[c];
    band.texts.push_back({table.Cell(static_cast<int>(c), row), page::kLeft + box.left,
                          top + kDetailTextTop, box.width, page::kTextPixels, box.align});
  }
  return band;
}

PageBand FooterBand(const TableLayoutPlan& plan, int pageNumber) {
  PageBand band = Band(PageBand::Kind::Footer, kFooterTop, page::kFooterBandHeight, {});
  band.texts.push_back({plan.footerPrefix + " " + std::to_string(pageNumber),
                        page::kLeft + plan.footerX, kFooterTop + kFooterTextTop});
  return band;
}

}  // namespace

PrintLayout BuildTableLayout(const TableLayoutPlan& plan, const StringGrid& table) {
  PrintLayout layout;
  layout.title = plan.title;
  int row = 2;
  do {
    PrintedPage page;
    double top = page::kTop;
    if (layout.pages.empty()) {
      page.bands.push_back(TitleBand(plan));
      top += page::kTitleBandHeight;
    }
    page.bands.push_back(HeaderBand(plan, top));
    top += page::kHeaderBandHeight;
    for (; row < table.RowCount() && top + page::kDetailBandHeight <= kFooterTop; ++row) {
      page.bands.push_back(DetailBand(plan, table, row, top));
      top += page::kDetailBandHeight;
    }
    page.bands.push_back(FooterBand(plan, static_cast<int>(layout.pages.size()) + 1));
    layout.pages.push_back(std::move(page));
  } while (row < table.RowCount());
  return layout;
}
