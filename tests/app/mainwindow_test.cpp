// The program driven through its main window: start-up, the file commands, the runs, the
// reports and the exit, with every box and dialog answered by the scripted interaction.
#include "app/mainwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <fstream>

#include "app/valuelabel.h"
#include "core/design/designfile.h"
#include "tests/app/support/programfixture.h"
#include "tests/support/designforms.h"

namespace {

// The captions of a menu's items in order, "-" for a separator and "[...]" around a submenu.
QStringList menuCaptions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* item : menu->actions()) {
    if (item->isSeparator()) {
      captions << QStringLiteral("-");
    } else if (item->menu()) {
      captions << item->text() + QStringLiteral(" [") +
                      menuCaptions(item->menu()).join(QStringLiteral(", ")) + QLatin1Char(']');
    } else {
      captions << item->text();
    }
  }
  return captions;
}

QStringList toolCaptions(const QToolBar* bar) {
  QStringList captions;
  for (const QAction* item : bar->actions()) {
    captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
  }
  return captions;
}

QStringList utf8(std::initializer_list<const char*> texts) {
  QStringList list;
  for (const char* text : texts) list << QString::fromUtf8(text);
  return list;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithItsWindowsMenusAndStartupValues();
  void savesLoadsAndRunsWithTheResultWindowAskedToShow();
  void partialRunsAndAnItemErrorThatStopsTheRun();
  void reportsGoToTheStartDirectoryAndThePdfOpensOnRequest();
  void aPumpStudyDesignChangesTheKindDependentMenus();
  void exitAsksFirstAndNoKeepsEverything();
};

void MainWindowTest::startsWithItsWindowsMenusAndStartupValues() {
  ProgramFixture program;
  QCOMPARE(QApplication::applicationName(), QStringLiteral("Vestaro"));
  QCOMPARE(program.window.windowTitle(), QStringLiteral("ソレムナ Ver2.6"));
  QVERIFY(program.designWindow().isVisible());
  QCOMPARE(program.designWindow().windowTitle(), QStringLiteral("設計条件テーブル"));
  QCOMPARE(program.window.findChild<QLabel*>(QStringLiteral("statusText"))->text(),
           QStringLiteral("Vestaroへようこそ．．．"));
  QVERIFY(program.form() == StartupDesignForm());

  QStringList menus;
  for (const QAction* menu : program.window.menuBar()->actions()) {
    menus << menu->text() + QStringLiteral(": ") + menuCaptions(menu->menu()).join(QStringLiteral(", "));
  }
  QCOMPARE(menus, utf8({
      "ファイル(&F): 1.設計条件読込..., 2.設計条件保存..., -, 3.終了...",
      "印刷(&P): 1.計算書印刷..., 2.計算書ﾌﾟﾚﾋﾞｭｰ [  <<   目次   >>, "
      "Ⅰ．設計条件 [Ⅰ-1．設計条件..., Ⅰ-2．設計条件(図)...], "
      "Ⅱ．流出ﾊｲﾄﾞﾛ [Ⅱ-1．ﾊｲﾄﾞﾛｸﾞﾗﾌ計算..., Ⅱ-2．ﾊｲﾄﾞﾛｸﾞﾗﾌ(図)...], "
      "Ⅲ．洪水調節 [Ⅲ-1．洪水調節計算, Ⅲ-2．洪水調節結果(図)...], "
      "Ⅳ．資料 [Ⅳ-1．[表1]降雨強度..., Ⅳ-2．[表2]降雨波形..., Ⅳ-3．[表3]流出量..., "
      "Ⅳ-4．[表4]洪水調節結果...]], -, 3.ﾌﾟﾘﾝﾀｰ設定...",
      "編集(&E): 1.テキスト出力..., 2.ﾒﾀﾌｧｲﾙ出力..., 3.PDF出力...",
      "表示(&V): 1．降雨強度曲線図, -, 3．設計条件テーブル, 2．計算結果テーブル",
      "分析(&A): 1．必要調節容量(簡便法), -, 2．洪水調節数値計算, -, 3．水位 ～容量曲線, "
      "4．流出ハイドロ計算, -, 最危険降雨の探索",
      "システム(&S): 2.このシステムは...",
  }));
  QList<QToolBar*> bars = program.window.findChildren<QToolBar*>();
  QCOMPARE(bars.size(), 2);
  QCOMPARE(toolCaptions(bars[0]), utf8({"終了", "-", "読込", "保存", "印刷", "-", "ﾃｷｽﾄ", "WMF", "PDF"}));
  QCOMPARE(toolCaptions(bars[1]), utf8({"降雨強度曲線図", "-", "設計条件ﾃｰﾌﾞﾙ", "計算結果ﾃｰﾌﾞﾙ", "-",
                                        "調節容量計算"}));
  QCOMPARE(program.window.action(QStringLiteral("計算結果ﾃｰﾌﾞﾙ"))->toolTip(),
           QStringLiteral("調節池計算テーブル"));
  for (QToolBar* bar : bars) QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

  // The widgets show the start-up values and the grids their two header rows.
  DesignWindow& design = program.designWindow();
  auto* pond = design.findChild<QTableView*>(QStringLiteral("pondGrid"));
  QCOMPARE(pond->model()->columnCount(), 3);
  QCOMPARE(pond->model()->headerData(2, Qt::Horizontal).toString(),
           QStringLiteral("貯水量(V)\n(m3)"));
  QCOMPARE(pond->model()->index(11, 2).data().toString(), QStringLiteral("391770.2"));
  auto* observed = design.findChild<QTableView*>(QStringLiteral("observedGrid"));
  QCOMPARE(observed->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("分\n(m)"));
  QCOMPARE(design.valueLabel(ValueLabel::Type1X)->text(), QStringLiteral("3/4"));
  QCOMPARE(design.findChild<QLineEdit*>(QStringLiteral("rainDuration"))->text(),
           QStringLiteral("1440"));
  auto* outlet = design.findChild<QTabWidget*>(QStringLiteral("outletPages"));
  QVERIFY(!outlet->isTabVisible(1));

  // The application-wide shortcuts.
  QCOMPARE(program.window.action(QStringLiteral("2．洪水調節数値計算"))->shortcut(),
           QKeySequence(Qt::Key_F5));
  QCOMPARE(program.window.action(QStringLiteral("1.設計条件読込..."))->shortcutContext(),
           Qt::ApplicationShortcut);
}

void MainWindowTest::savesLoadsAndRunsWithTheResultWindowAskedToShow() {
  ProgramFixture program;
  QSignalSpy visibility(&program.document, &DesignDocument::resultVisibilityChanged);

  // Save: the dialog offers dat files in the start directory and asks before overwriting.
  program.ui.QueueFiles({program.file("池A.dat")});
  program.trigger("保存");
  QCOMPARE(program.ui.dialogs.size(), std::size_t{1});
  QCOMPARE(program.ui.dialogs[0].filter, std::string("dat|*.dat"));
  QCOMPARE(program.ui.dialogs[0].defaultSuffix, std::string("dat"));
  QVERIFY(program.ui.dialogs[0].confirmOverwrite);
  QCOMPARE(program.ui.Texts(), std::vector<std::string>{"設計条件を保存しました。"});
  QCOMPARE(program.designWindow().windowTitle(), QStringLiteral("設計条件 池A"));

  // Edits are lost by loading the saved design again; a cancelled dialog changes nothing.
  auto* area = program.designWindow().findChild<QLineEdit*>(QStringLiteral("area"));
  area->selectAll();
  QTest::keyClicks(area, QStringLiteral("99"));
  QCOMPARE(program.form().CatchmentArea, std::string("99"));
  program.ui.Clear();
  program.trigger("読込");
  QVERIFY(program.ui.Texts().empty());
  QCOMPARE(area->text(), QStringLiteral("99"));

  // A refused file shows its message and leaves the form as it was.
  {
    std::ofstream broken(program.file("壊れた.dat"), std::ios::binary);
    broken << "x\r\n";
  }
  program.ui.QueueFiles({program.file("壊れた.dat")});
  program.trigger("1.設計条件読込...");
  QCOMPARE(program.ui.Texts().size(), std::size_t{1});
  QCOMPARE(program.form().CatchmentArea, std::string("99"));

  program.ui.Clear();
  program.ui.QueueFiles({program.file("池A.dat")});
  program.trigger("1.設計条件読込...");
  QCOMPARE(program.ui.Texts(), std::vector<std::string>{"設計条件を読込みました。"});
  QCOMPARE(area->text(), QStringLiteral("247.9"));
  // The dialog opened in the folder of the last chosen file.
  QCOMPARE(program.ui.dialogs.back().directory, program.file("池A.dat").parent_path());

  // F5: the sheet is filled and the result window is asked to show.
  program.ui.Clear();
  visibility.clear();
  program.trigger("2．洪水調節数値計算");
  QVERIFY(program.ui.Texts().empty());
  QVERIFY(program.document.sheet().Visible);
  QVERIFY(program.document.sheet().RoutingTable.RowCount() > 2);
  QVERIFY(!program.document.sheet().SummaryList.empty());
  // Hidden for the run, shown after it.
  QCOMPARE(visibility.size(), 2);
  QCOMPARE(visibility.constFirst().at(0).toBool(), false);
  QCOMPARE(visibility.constLast().at(0).toBool(), true);

  // Loading hides it again; "計算結果ﾃｰﾌﾞﾙ" shows it.
  program.ui.QueueFiles({program.file("池A.dat")});
  program.trigger("読込");
  QVERIFY(!program.document.sheet().Visible);
  program.trigger("計算結果ﾃｰﾌﾞﾙ");
  QVERIFY(program.document.sheet().Visible);
  QCOMPARE(visibility.constLast().at(0).toBool(), true);
}

void MainWindowTest::partialRunsAndAnItemErrorThatStopsTheRun() {
  ProgramFixture program;
  const ResultSheet& sheet = program.document.sheet();

  program.trigger("3．水位 ～容量曲線");
  QVERIFY(program.ui.Texts().empty());
  QVERIFY(sheet.Visible);
  QVERIFY(!sheet.RatingChart.series.at(0).points.empty());
  QCOMPARE(sheet.RunoffTable.RowCount(), 2);

  program.trigger("4．流出ハイドロ計算");
  QVERIFY(sheet.RunoffTable.RowCount() > 2);
  QVERIFY(sheet.RoutingText.empty());

  // A malformed HL stops the run with its message and the result window is not shown.
  program.document.hideResults();
  program.form().LowerSill = "HL";
  program.trigger("4．流出ハイドロ計算");
  QCOMPARE(program.ui.Texts(), std::vector<std::string>{testing_support::ItemError("ｵﾘﾌｨｽ敷高")});
  QVERIFY(!sheet.Visible);

  // The full run started from the design-condition window stops the same way.
  program.ui.Clear();
  QTest::mouseClick(program.designWindow().findChild<QPushButton*>(QStringLiteral("startCalculation")),
                    Qt::LeftButton);
  QCOMPARE(program.ui.Texts(), std::vector<std::string>{testing_support::ItemError("ｵﾘﾌｨｽ敷高")});
  QVERIFY(!sheet.Visible);
}

void MainWindowTest::reportsGoToTheStartDirectoryAndThePdfOpensOnRequest() {
  ProgramFixture program;
  program.trigger("2．洪水調節数値計算");
  program.ui.Clear();

  program.ui.recorder.QueueAnswers({false});
  program.trigger("ﾃｷｽﾄ");
  QVERIFY(!std::filesystem::exists(program.file("調節池.txt")));
  program.trigger("1.テキスト出力...");
  QVERIFY(std::filesystem::exists(program.file("調節池.txt")));
  QCOMPARE(program.ui.Texts().back(), std::string("テキスト出力終わりました。"));

  // PDF: written on Yes, then shown by the desktop on the second Yes.
  program.ui.Clear();
  program.trigger("PDF");
  QVERIFY(std::filesystem::exists(program.file("調節池計算結果.pdf")));
  QCOMPARE(program.ui.opened, std::vector<std::filesystem::path>{program.file("調節池計算結果.pdf")});
  program.ui.Clear();
  program.ui.recorder.QueueAnswers({true, false});
  program.trigger("3.PDF出力...");
  QVERIFY(program.ui.opened.empty());
}

void MainWindowTest::aPumpStudyDesignChangesTheKindDependentMenus() {
  ProgramFixture program;
  DesignForm pump = StartupDesignForm();
  pump.SelectOutletPage(1);
  pump.ChoosePumpCalcKind(1);
  ScriptedInteraction quiet;
  QVERIFY(SaveConditions(pump, program.file("ポンプ.dat"), quiet.recorder));

  program.ui.QueueFiles({program.file("ポンプ.dat")});
  program.trigger("読込");
  QCOMPARE(program.form().ActiveCalcKind, 2);
  auto* outlet = program.designWindow().findChild<QTabWidget*>(QStringLiteral("outletPages"));
  QCOMPARE(outlet->currentIndex(), 1);
  QVERIFY(outlet->isTabVisible(1));
  QVERIFY(program.window.action(QStringLiteral("Ⅲ-1．湛水計算")) != nullptr);
  QVERIFY(!program.window.action(QStringLiteral("Ⅲ-2．洪水調節結果(図)..."))->isVisible());
  QVERIFY(program.window.action(QStringLiteral("Ⅳ-4．[表4]湛水計算結果")) != nullptr);
  QCOMPARE(program.designWindow().findChild<QLineEdit*>(QStringLiteral("pumpMin"))->isEnabled(), true);
  QCOMPARE(program.designWindow().findChild<QLineEdit*>(QStringLiteral("pumpCapacity"))->text(),
           QStringLiteral("-"));

  // The preview items ask the printed report for their pages.
  QSignalSpy previews(&program.window, &MainWindow::previewRequested);
  program.trigger("Ⅲ-1．湛水計算");
  QCOMPARE(previews.size(), 1);
  QCOMPARE(previews.at(0).at(0).value<ReportPage>(), ReportPage::Routing);
}

void MainWindowTest::exitAsksFirstAndNoKeepsEverything() {
  ProgramFixture program;
  const DesignForm before = program.form();
  program.ui.recorder.QueueAnswers({false, false});
  program.trigger("3.終了...");
  program.trigger("終了");
  QVERIFY(program.window.isVisible());
  QVERIFY(program.designWindow().isVisible());
  QVERIFY(program.form() == before);
  QCOMPARE(program.ui.recorder.Entries().size(), std::size_t{2});
  const RecordingInteraction::Entry& question = program.ui.recorder.Entries()[0];
  QVERIFY(question.isQuestion);
  QCOMPARE(question.text, std::string("終了しますか。"));
  QCOMPARE(question.where.origin, BoxPlacement::Origin::Screen);
  QCOMPARE(question.where.left, 0);
  QCOMPARE(question.where.top, 80);

  // Closing the frame with the window manager asks too; Yes closes it.
  QVERIFY(program.window.close());
  QVERIFY(!program.window.isVisible());
  QCOMPARE(program.ui.recorder.Entries().size(), std::size_t{3});
}

VESTARO_GUI_TEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
