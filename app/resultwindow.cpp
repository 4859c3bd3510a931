#include "app/resultwindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "app/appinteraction.h"
#include "app/buttontabs.h"
#include "app/chartwidget.h"
#include "app/designdocument.h"
#include "app/stringgridmodel.h"
#include "app/textlistmodel.h"
#include "qtdraw/paintercanvas.h"

namespace {

// Sub-pages of "Ⅲ．調節池計算".
constexpr int kDischargePage = 1, kLevelPage = 2, kPondingPage = 3;

// The chart pictures of the context menu.
constexpr char kPictureFilter[] = "PNG, SVG|*.png *.svg";
constexpr char kPictureSuffix[] = "png";

// Where the window opens against the design-condition window.
constexpr QPoint kOffsetFromDesignWindow(5, 22);

// The lists are aligned with blanks: a fixed-pitch face keeps their columns.
QFont ListFont() { return JapaneseFont("ＭＳ ゴシック", 12); }

// Every cell of the result tables is a number, a clock time or a row number: right-aligned so
// that a column reads down by its digits.
class RightAlignedDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
  }
};

QGroupBox* Group(const QString& title, QWidget* content) {
  auto* group = new QGroupBox(title);
  auto* layout = new QVBoxLayout(group);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(content);
  return group;
}

// Widgets side by side or one above the other, each with its stretch factor.
using Stretched = std::initializer_list<std::pair<QWidget*, int>>;

QWidget* Line(QBoxLayout::Direction direction, Stretched widgets) {
  auto* line = new QWidget;
  auto* layout = new QBoxLayout(direction, line);
  layout->setContentsMargins(0, 0, 0, 0);
  for (auto [widget, stretch] : widgets) layout->addWidget(widget, stretch);
  return line;
}

QWidget* Row(Stretched widgets) { return Line(QBoxLayout::LeftToRight, widgets); }
QWidget* Column(Stretched widgets) { return Line(QBoxLayout::TopToBottom, widgets); }

// The designed column widths, widened where the texts of the current rows or of the headers
// would not fit in the screen font; the view keeps the width of its columns.
void FitColumns(QTableView& view, const StringGrid& table) {
  int width = 2 * view.frameWidth() + view.verticalScrollBar()->sizeHint().width();
  for (int col = 0; col < table.ColCount(); ++col) {
    const std::size_t designed = static_cast<std::size_t>(col);
    const int fitted = std::max({designed < table.ColWidths.size() ? table.ColWidths[designed] : 0,
                                 static_cast<const QAbstractItemView&>(view).sizeHintForColumn(col),
                                 view.horizontalHeader()->sectionSizeHint(col)});
    view.setColumnWidth(col, fitted);
    width += fitted;
  }
  view.setFixedWidth(width);
}

}  // namespace

ResultWindow::ResultWindow(DesignDocument& document, AppInteraction& ui, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      m_document(document),
      m_sheet(document.sheet()),
      m_ui(ui),
      m_topPages(new QTabWidget),
      m_status(new QLabel) {
  setWindowTitle(QStringLiteral("計算結果テーブル"));

  for (ButtonTabs*& pages : m_subPages) pages = new ButtonTabs;

  ButtonTabs& design = *m_subPages[0];
  design.addPage(QStringLiteral("Ⅰ-1．設計条件"), designConditionsPage());
  design.addPage(QStringLiteral("Ⅰ-2．水位～面積、容量曲線（図）"),
                 Row({{chart(m_sheet.AreaChart, kAreaChartSize), 1}, {chart(m_sheet.StorageChart, kStorageChartSize), 1}}));

  ButtonTabs& runoff = *m_subPages[1];
  runoff.addPage(QStringLiteral("Ⅱ-1．降雨強度"),
                 Row({{listGroup(QStringLiteral("算式"), m_sheet.HyetographText), 3},
                      {tablePage(QStringLiteral("降雨強度(In)"), m_sheet.IntensityTable), 2}}));
  runoff.addPage(QStringLiteral("Ⅱ-2．降雨波形"),
                 Group(QStringLiteral("降雨波形(Q)：図"),
                       Row({{tablePage({}, m_sheet.HyetographTable), 0},
                            {chart(m_sheet.HyetographChart, kHyetographChartSize), 1}})));
  runoff.addPage(QStringLiteral("Ⅱ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ"),
                 Group(QStringLiteral("流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(Q)：図"),
                       Row({{tablePage({}, m_sheet.RunoffTable), 0},
                            {chart(m_sheet.RunoffChart, kRunoffChartSize), 1}})));

  ButtonTabs& pond = *m_subPages[2];
  pond.addPage(QStringLiteral("Ⅲ-1．計算式、表"),
               Row({{Column({{listGroup(QStringLiteral("算式"), m_sheet.RoutingText), 3},
                             {listGroup(QStringLiteral("計算結果概要"), m_sheet.SummaryList), 2}}),
                     1},
                    {tablePage(QStringLiteral("表"), m_sheet.RoutingTable), 0}}));
  pond.addPage(QStringLiteral("Ⅲ-2．放流量（図）"), chart(m_sheet.DischargeChart, kDischargeChartSize));
  pond.addPage(QStringLiteral("Ⅲ-3．水位（図）"), chart(m_sheet.LevelChart, kLevelChartSize));
  pond.addPage(QStringLiteral("Ⅲ-2．湛水グラフ"), pondingPage());
  pond.addPage(QStringLiteral("検証"), listGroup(QStringLiteral("調節池容量の検証"), m_sheet.CheckText));

  m_topPages->addTab(m_subPages[0], QStringLiteral("Ⅰ．設計条件"));
  m_topPages->addTab(m_subPages[1], QStringLiteral("Ⅱ．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ"));
  m_topPages->addTab(m_subPages[2], QStringLiteral("Ⅲ．調節池計算"));

  connect(m_topPages, &QTabWidget::currentChanged, this, [this](int page) {
    m_sheet.SelectTopPage(page);
    syncPages();
  });
  for (std::size_t top = 0; top < m_subPages.size(); ++top) {
    connect(m_subPages[top], &ButtonTabs::pageChosen, this,
            [this, top](int page) { m_sheet.SubPage[top] = page; });
  }
  for (ChartWidget* widget : m_charts) {
    connect(widget, &ChartWidget::pointerValuesChanged, m_status, &QLabel::setText);
    widget->setPictureFileAsker([this] {
      std::filesystem::path file = m_ui.ChooseFileToSave(
          {kPictureFilter, kPictureSuffix, m_document.dialogDirectory(), true});
      if (!file.empty()) m_document.rememberDialogFile(file);
      return QString::fromStdString(file.string());
    });
    connect(widget, &ChartWidget::saveFailed, this, [this](const QString& path) {
      m_ui.ShowMessage("画像を保存できませんでした。\r" + path.toStdString(),
                       MessageKind::Warning);
    });
  }
  connect(&m_document, &DesignDocument::sheetChanged, this, &ResultWindow::reload);
  connect(&m_document, &DesignDocument::resultVisibilityChanged, this, &ResultWindow::setShown);
  connect(&m_document, &DesignDocument::formChanged, this, &ResultWindow::followCalcKind);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 2);
  layout->addWidget(m_topPages, 1);
  m_status->setMinimumHeight(m_status->fontMetrics().height() + 4);
  layout->addWidget(m_status);
  syncPages();
  resize(sizeHint());
}

ResultWindow::~ResultWindow() = default;

QWidget* ResultWindow::designConditionsPage() {
  auto* lists = Column({{listGroup(QStringLiteral("総目次"), m_sheet.ContentsList), 1},
                        {listGroup(QStringLiteral("基本条件"), m_sheet.ConditionsList), 3}});
  return Row({{lists, 3},
              {tablePage(QStringLiteral("調節池データ"), m_sheet.StageTable), 0},
              {chart(m_sheet.RatingChart, kRatingChartSize), 3}});
}

QWidget* ResultWindow::pondingPage() {
  auto* choice = new QGroupBox(QStringLiteral("ラベル"));
  auto* choiceLayout = new QHBoxLayout(choice);
  m_pondingLabels = new QButtonGroup(choice);
  const QString captions[] = {QStringLiteral("表示"), QStringLiteral("非表示")};
  for (int index = 0; index < 2; ++index) {
    auto* button = new QRadioButton(captions[index]);
    m_pondingLabels->addButton(button, index);
    choiceLayout->addWidget(button);
  }
  choiceLayout->addStretch();
  choice->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
  ChartWidget* ponding = chart(m_sheet.PondingChart, kPondingChartSize);
  connect(m_pondingLabels, &QButtonGroup::idClicked, this, [this, ponding](int index) {
    m_sheet.ChoosePondingLabels(index);
    ponding->update();
  });
  return Column({{ponding, 1}, {choice, 0}});
}

QWidget* ResultWindow::tablePage(const QString& group, StringGrid& table) {
  auto* model = new StringGridModel(table, false, this);
  auto* view = new QTableView;
  view->setModel(model);
  view->setItemDelegate(new RightAlignedDelegate(view));
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(
      std::max(table.DefaultRowHeight, view->fontMetrics().height() + 3));
  view->horizontalHeader()->setHighlightSections(false);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_tables.push_back({&table, model, view});
  FitColumns(*view, table);
  if (group.isEmpty()) return view;
  return Group(group, view);
}

QWidget* ResultWindow::listGroup(const QString& group, const TextList& list) {
  auto* model = new TextListModel(list, this);
  m_listModels.push_back(model);
  auto* view = new QListView;
  view->setModel(model);
  view->setFont(ListFont());
  view->setUniformItemSizes(true);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return Group(group, view);
}

ChartWidget* ResultWindow::chart(const Chart& chart, ChartSize size) {
  auto* widget = new ChartWidget(chart, size);
  m_charts.push_back(widget);
  return widget;
}

ButtonTabs* ResultWindow::subPages(int topPage) const {
  if (topPage < 0 || topPage >= static_cast<int>(m_subPages.size())) return nullptr;
  return m_subPages[static_cast<std::size_t>(topPage)];
}

StringGridModel* ResultWindow::tableModel(const StringGrid& table) const {
  for (const Table& shown : m_tables) {
    if (shown.grid == &table) return shown.model;
  }
  return nullptr;
}

TextListModel* ResultWindow::listModel(const TextList& list) const {
  for (TextListModel* model : m_listModels) {
    if (&model->lines() == &list) return model;
  }
  return nullptr;
}

ChartWidget* ResultWindow::chartWidget(const Chart& chart) const {
  for (ChartWidget* widget : m_charts) {
    if (&widget->chart() == &chart) return widget;
  }
  return nullptr;
}

void ResultWindow::reload() {
  for (const Table& shown : m_tables) {
    shown.model->reload();
    FitColumns(*shown.view, *shown.grid);
  }
  for (TextListModel* model : m_listModels) model->reload();
  for (ChartWidget* widget : m_charts) widget->update();
  syncPages();
}

void ResultWindow::setShown(bool shown) {
  if (!shown) {
    hide();
    return;
  }
  // A window that is already shown still lands on its first pages and its place.
  if (isVisible()) landOnFirstPages();
  show();
  raise();
  activateWindow();
}

void ResultWindow::followCalcKind() { syncPages(); }

void ResultWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) landOnFirstPages();
}

void ResultWindow::landOnFirstPages() {
  m_sheet.Show();
  syncPages();
  if (m_anchor) move(m_anchor->pos() + kOffsetFromDesignWindow);
}

void ResultWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) m_sheet.Hide();
}

void ResultWindow::syncPages() {
  const KindDependentView view = ViewForKind(m_document.form().ActiveCalcKind);
  ButtonTabs& pond = *m_subPages[2];
  pond.setPageVisible(kDischargePage, view.dischargePageVisible);
  pond.setPageVisible(kLevelPage, view.levelPageVisible);
  pond.setPageVisible(kPondingPage, view.pondingPageVisible);
  // A sub-page that the kind has just taken away gives way to the first one.
  if (!pond.isPageVisible(m_sheet.SubPage[2])) m_sheet.SubPage[2] = 0;

  const QSignalBlocker blocker(m_topPages);
  m_topPages->setCurrentIndex(m_sheet.TopPage);
  for (std::size_t top = 0; top < m_subPages.size(); ++top) {
    m_subPages[top]->setCurrentIndex(m_sheet.SubPage[top]);
  }
  if (QAbstractButton* choice = m_pondingLabels->button(m_sheet.PondingLabelChoice)) {
    choice->setChecked(true);
  }
}
