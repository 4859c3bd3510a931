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

PageBand TitleBand(const TableLayoutSpec& spec) {
  PageBand band = Band(PageBand::Kind::Title, page::kTop, page::kTitleBandHeight,
                       {.top = true, .left = true, .right = true});
  band.texts.push_back({spec.title, page::kLeft + 16, page::kTop + kTitleTextTop, 0,
                        page::kTitlePixels});
  for (PageText note : spec.titleBandNotes) {
    note.left += page::kLeft;
    note.top += page::kTop;
    band.texts.push_back(note);
  }
  return band;
}

PageBand HeaderBand(const TableLayoutSpec& spec, double top) {
  PageBand band = Band(PageBand::Kind::ColumnHeader, top, page::kHeaderBandHeight,
                       {.top = true, .left = true, .right = true, .bottom = true});
  band.ruleXs = spec.ruleXs;
  // Each title stands centred between the rules of its column.
  for (std::size_t c = 0; c < spec.columnTitles.size(); ++c) {
    const double from = c == 0 ? 0 : spec.ruleXs[c - 1];
    const double to = c < spec.ruleXs.size() ? spec.ruleXs[c] : page::kWidth;
    band.texts.push_back({spec.columnTitles[c], page::kLeft + from, top + kColumnTitleTop,
                          to - from, page::kTextPixels, HAlign::Centre});
  }
  return band;
}

PageBand DetailBand(const TableLayoutSpec& spec, const StringGrid& table, int row, double top) {
  PageBand band = Band(PageBand::Kind::Detail, top, page::kDetailBandHeight,
                       {.left = true, .right = true, .bottom = true});
  band.ruleXs = spec.ruleXs;
  for (std::size_t c = 0; c < spec.detailBoxes.size(); ++c) {
    const TableLayoutSpec::DetailBox& box = spec.detailBoxes[c];
    band.texts.push_back({table.Cell(static_cast<int>(c), row), page::kLeft + box.left,
                          top + kDetailTextTop, box.width, page::kTextPixels, box.align});
  }
  return band;
}

PageBand FooterBand(const TableLayoutSpec& spec, int pageNumber) {
  PageBand band = Band(PageBand::Kind::Footer, kFooterTop, page::kFooterBandHeight, {});
  band.texts.push_back({spec.footerPrefix + " " + std::to_string(pageNumber),
                        page::kLeft + spec.footerX, kFooterTop + kFooterTextTop});
  return band;
}

}  // namespace

PrintLayout BuildTableLayout(const TableLayoutSpec& spec, const StringGrid& table) {
  PrintLayout layout;
  layout.title = spec.title;
  int row = 2;
  do {
    PrintedPage page;
    double top = page::kTop;
    if (layout.pages.empty()) {
      page.bands.push_back(TitleBand(spec));
      top += page::kTitleBandHeight;
    }
    page.bands.push_back(HeaderBand(spec, top));
    top += page::kHeaderBandHeight;
    for (; row < table.RowCount() && top + page::kDetailBandHeight <= kFooterTop; ++row) {
      page.bands.push_back(DetailBand(spec, table, row, top));
      top += page::kDetailBandHeight;
    }
    page.bands.push_back(FooterBand(spec, static_cast<int>(layout.pages.size()) + 1));
    layout.pages.push_back(std::move(page));
  } while (row < table.RowCount());
  return layout;
}
