#include "app/resultwindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/buttontabs.h"
#include "app/chartwidget.h"
#include "app/stringgridmodel.h"
#include "app/textlistmodel.h"
#include "tests/app/support/programfixture.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void ClickTopPage(ResultWindow& window, int page) {
  QTabBar* bar = window.topPages()->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

// The rows of a table model, cell by cell as the view shows them.
QStringList ModelRow(const QAbstractItemModel& model, int row) {
  QStringList cells;
  for (int col = 0; col < model.columnCount(); ++col) {
    cells << model.data(model.index(row, col)).toString();
  }
  return cells;
}

QStringList SheetRow(const StringGrid& grid, int row) {
  QStringList cells;
  for (const std::string& cell : grid.Row(row)) cells << Q(cell);
  return cells;
}

int CountPixels(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
  }
  return count;
}

}  // namespace

class ResultWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheRunsOfTheSheetOnItsPages();
  void followsTheKindAndThePondingLabelChoice();
  void chartsReportValuesAndSavePictures();
};

// A good run shows the window on its first pages beside the design window, with models that
// read the sheet; a shorter run leaves nothing of the longer one; a stopped run keeps it hidden.
void ResultWindowTest::showsTheRunsOfTheSheetOnItsPages() {
  ProgramFixture program;
  DesignForm& form = program.form();
  ResultSheet& sheet = program.document.sheet();
  ScriptedInteraction& ui = program.ui;
  ResultWindow& window = *program.window.resultWindow();
  program.designWindow().move(200, 100);
  const auto run = [&] { program.trigger("2．洪水調節数値計算"); };

  run();
  QVERIFY(window.isVisible());
  QCOMPARE(window.pos(), program.designWindow().pos() + QPoint(5, 22));
  QCOMPARE(window.windowTitle(), QStringLiteral("計算結果テーブル"));
  QCOMPARE(window.topPages()->tabText(window.topPages()->currentIndex()),
           QStringLiteral("Ⅰ．設計条件"));
  QCOMPARE(window.subPages(0)->caption(window.subPages(0)->currentIndex()),
           QStringLiteral("Ⅰ-1．設計条件"));

  // The routing table model shows the sheet's rows under its two header rows.
  const StringGridModel& routing = *window.tableModel(sheet.RoutingTable);
  QCOMPARE(routing.rowCount(), sheet.RoutingTable.RowCount() - 2);
  QCOMPARE(routing.columnCount(), 9);
  QCOMPARE(routing.headerData(3, Qt::Horizontal).toString(), QStringLiteral("流入量\n(m3/s)"));
  int peakRow = -1;
  for (int row = 0; row < routing.rowCount(); ++row) {
    if (routing.data(routing.index(row, 0)).toString().startsWith(QLatin1Char('*'))) peakRow = row;
  }
  QVERIFY(peakRow >= 0);
  QCOMPARE(ModelRow(routing, peakRow), SheetRow(sheet.RoutingTable, peakRow + 2));
  QVERIFY(!(routing.flags(routing.index(peakRow, 6)) & Qt::ItemIsEditable));
  QCOMPARE(window.listModel(sheet.SummaryList)->rowCount(),
           static_cast<int>(sheet.SummaryList.size()));

  // Changing the top page lands on its first sub-page, whatever was open before.
  ClickTopPage(window, 2);
  window.subPages(2)->button(2)->click();
  QCOMPARE(sheet.SubPage[2], 2);
  ClickTopPage(window, 1);
  ClickTopPage(window, 2);
  QCOMPARE(sheet.TopPage, 2);
  QCOMPARE(window.subPages(2)->caption(window.subPages(2)->currentIndex()),
           QStringLiteral("Ⅲ-1．計算式、表"));

  // A shorter run: the intensity and routing tables hold only its rows.
  const int longRows = window.tableModel(sheet.IntensityTable)->rowCount();
  form.RainDuration = "600";
  form.CalcDuration = "800";
  run();
  QVERIFY(window.isVisible());
  QCOMPARE(window.topPages()->currentIndex(), 0);
  const StringGridModel& intensity = *window.tableModel(sheet.IntensityTable);
  QCOMPARE(intensity.rowCount(), 30);
  QVERIFY(intensity.rowCount() < longRows);
  QVERIFY(!intensity.data(intensity.index(29, 0)).toString().isEmpty());
  QCOMPARE(routing.rowCount(), sheet.RoutingTable.RowCount() - 2);

  // A stopped run leaves the window hidden, even when it was open, and says why.
  ui.Clear();
  form.LowerSill = "HL";
  run();
  QVERIFY(!window.isVisible());
  QVERIFY(!sheet.Visible);
  QCOMPARE(ui.Texts().size(), 1u);

  // "2．計算結果テーブル" shows the tables of the last run again, on the first pages.
  program.trigger("2．計算結果テーブル");
  QVERIFY(window.isVisible());
  QCOMPARE(intensity.rowCount(), 30);
}

// The pump study shows the ponding chart in place of the routing charts; "ラベル" hides only
// the marks of the chart's first series, the curve stays.
void ResultWindowTest::followsTheKindAndThePondingLabelChoice() {
  ProgramFixture program;
  DesignForm& form = program.form();
  ResultSheet& sheet = program.document.sheet();
  ResultWindow& window = *program.window.resultWindow();
  ButtonTabs& pond = *window.subPages(2);
  QVERIFY(pond.isPageVisible(1) && pond.isPageVisible(2) && !pond.isPageVisible(3));

  form.SelectOutletPage(1);
  form.ChoosePumpCalcKind(1);
  program.trigger("2．洪水調節数値計算");
  QVERIFY(window.isVisible());
  QVERIFY(!pond.isPageVisible(1) && !pond.isPageVisible(2) && pond.isPageVisible(3));
  QCOMPARE(pond.caption(3), QStringLiteral("Ⅲ-2．湛水グラフ"));

  ClickTopPage(window, 2);
  pond.button(3)->click();
  ChartWidget& ponding = *window.chartWidget(sheet.PondingChart);
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QImage withMarks = ponding.grab().toImage();
  window.pondingLabels()->button(1)->click();
  QCOMPARE(sheet.PondingLabelChoice, 1);
  QVERIFY(!sheet.PondingChart.series[series::kPonding].marksVisible);
  QVERIFY(!sheet.PondingChart.series[series::kPonding].points.empty());
  const QImage withoutMarks = ponding.grab().toImage();
  QVERIFY(withMarks != withoutMarks);
  QVERIFY(CountPixels(withoutMarks, Qt::red) > 0);
  window.pondingLabels()->button(0)->click();
  QVERIFY(sheet.PondingChart.series[series::kPonding].marksVisible);
  QCOMPARE(ponding.grab().toImage(), withMarks);

  // Back to natural drainage in the design window: the routing charts come back.
  form.SelectOutletPage(0);
  form.ActiveCalcKind = 0;
  program.document.notifyFormChanged();
  QVERIFY(pond.isPageVisible(1) && !pond.isPageVisible(3));
  QCOMPARE(pond.currentIndex(), 0);
}

// Under the pointer a chart reports its values in the axes' formats, and it saves itself as
// PNG and SVG.
void ResultWindowTest::chartsReportValuesAndSavePictures() {
  ProgramFixture program;
  ResultSheet& sheet = program.document.sheet();
  ResultWindow& window = *program.window.resultWindow();
  program.trigger("2．洪水調節数値計算");
  ClickTopPage(window, 1);
  window.subPages(1)->button(2)->click();
  ChartWidget& runoff = *window.chartWidget(sheet.RunoffChart);
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  const QPoint centre = runoff.rect().center();
  QMouseEvent move(QEvent::MouseMove, centre, runoff.mapToGlobal(centre), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&runoff, &move);
  const QString text = window.statusText()->text();
  QVERIFY2(text.startsWith(QStringLiteral("時間(分): ")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("　流量（ｍ3/S）: ")), qPrintable(text));
  // The y value has the three decimals of "#,##0.000".
  QVERIFY(QRegularExpression(QStringLiteral(": [0-9,]+\\.[0-9]{3}$")).match(text).hasMatch());
  QCOMPARE(runoff.valuesAt(QPointF(1, 1)), QString());

  ScriptedInteraction& ui = program.ui;
  const std::filesystem::path png = program.file("runoff.png"), svg = program.file("runoff.svg");
  const std::filesystem::path missing = program.file("missing/runoff.png");
  ui.QueueFiles({png, svg, {}, missing});
  QVERIFY(runoff.saveImageAs());
  QVERIFY(runoff.saveImageAs());
  QCOMPARE(ui.dialogs.front().filter, std::string("PNG, SVG|*.png *.svg"));
  QVERIFY(ui.dialogs.front().confirmOverwrite);
  QCOMPARE(QImage(QString::fromStdString(png.string())).size(), runoff.sizeHint());
  QVERIFY(QFile(QString::fromStdString(svg.string())).open(QIODevice::ReadOnly));
  QVERIFY(!runoff.saveImageAs());  // cancelled
  QVERIFY(!runoff.saveImageAs());
  QCOMPARE(ui.Texts().back(), "画像を保存できませんでした。\r" + missing.string());
}

VESTARO_GUI_TEST_MAIN(ResultWindowTest)
#include "resultwindow_test.moc"
