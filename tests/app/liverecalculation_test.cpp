#include "app/liverecalculation.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include "app/buttontabs.h"
#include "app/criticalstormwindow.h"
#include "app/resultwindow.h"
#include "app/textlistmodel.h"
#include "core/interaction/recordinginteraction.h"
#include "results/runcalculation.h"
#include "tests/app/support/programfixture.h"

namespace {

// Types a new text into a field of the design window and finishes the edit with Enter.
void Retype(DesignWindow& window, const char* field, const char* text) {
  auto* edit = window.findChild<QLineEdit*>(QString::fromUtf8(field));
  QVERIFY2(edit != nullptr, field);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromUtf8(text));
  QTest::keyClick(edit, Qt::Key_Return);
}

// The summary a calculation run of this form writes.
TextList SummaryOf(DesignForm form) {
  ResultSheet sheet;
  RecordingInteraction ui;
  NoProgressBar progress;
  RunCalculation(form, sheet, ui, progress);
  return sheet.SummaryList;
}

}  // namespace

class LiveRecalculationTest : public QObject {
  Q_OBJECT

 private slots:
  void followsFinishedEditsQuietlyAndKeepsTheLastGoodResults();
  void searchesTheCriticalStormAndShowsTheVolumeCheck();
};

// With the check box on, each finished edit recalculates without a message box; a stop leaves
// the last good results marked stale, and of two quick edits on a slow design the newer wins.
void LiveRecalculationTest::followsFinishedEditsQuietlyAndKeepsTheLastGoodResults() {
  ProgramFixture program;
  DesignWindow& design = program.designWindow();
  LiveRecalculation& live = *program.window.liveRecalculation();
  ResultSheet& sheet = program.document.sheet();
  program.trigger("2．洪水調節数値計算");
  ResultWindow& results = *program.window.resultWindow();
  QVERIFY(results.isVisible());
  program.ui.Clear();

  auto* check = design.findChild<QCheckBox*>(QStringLiteral("liveRecalculation"));
  auto* status = design.findChild<QLabel*>(QStringLiteral("liveStatus"));
  QVERIFY(check && status);
  QCOMPARE(check->text(), QStringLiteral("自動再計算"));
  QVERIFY(!check->isChecked() && !live.isOn());
  QSignalSpy finished(&live, &LiveRecalculation::runFinished);

  // Off, an edit computes nothing.
  Retype(design, "area", "200");
  QTest::qWait(2 * LiveRecalculation::kPause.count());
  QCOMPARE(finished.count(), 0);

  check->click();
  QVERIFY(finished.wait(2000));
  QCOMPARE(status->text(), QStringLiteral("自動再計算しました。"));
  QCOMPARE(sheet.SummaryList, SummaryOf(program.form()));
  QCOMPARE(results.listModel(sheet.SummaryList)->rowCount(),
           static_cast<int>(sheet.SummaryList.size()));

  const TextList good = sheet.SummaryList;
  Retype(design, "calcDuration", "abc");
  QVERIFY(finished.wait(2000));
  QVERIFY(live.stale() && live.statusIsError());
  QCOMPARE(status->text(), QStringLiteral("'abc' is not a valid floating point value（表示中の結果は前回のものです）"));
  QVERIFY(status->styleSheet().contains(QStringLiteral("red")));
  QCOMPARE(sheet.SummaryList, good);
  QVERIFY(results.isVisible());
  QVERIFY(program.ui.Texts().empty());  // no message box at all

  // A slow design moves to the worker; an edit while it works makes its result too old. It is
  // near the largest that reading accepts, so that even a fast machine takes well over the
  // threshold. The worker's outcome reaches the window only through the event loop, so it is
  // still busy when the next edit comes right after it started, however fast it is.
  Retype(design, "calcDuration", "99990");
  program.form().Pitch = "0.5";
  QVERIFY(finished.wait(5000));
  QSignalSpy toWorker(&live, &LiveRecalculation::workerStarted);
  Retype(design, "area", "150");
  QVERIFY(toWorker.wait(2000));
  QVERIFY(live.busy());
  Retype(design, "area", "120");
  QTRY_VERIFY_WITH_TIMEOUT(!live.busy() && !live.stale() &&
                               sheet.SummaryList == SummaryOf(program.form()),
                           10000);
  QCOMPARE(program.form().CatchmentArea, std::string("120"));

  check->click();
  QVERIFY(status->text().isEmpty());
}

void LiveRecalculationTest::searchesTheCriticalStormAndShowsTheVolumeCheck() {
  ProgramFixture program;
  program.trigger("最危険降雨の探索");
  CriticalStormWindow& window = *program.window.criticalStormWindow();
  QVERIFY(window.isVisible());
  QCOMPARE(window.windowTitle(), QStringLiteral("最危険降雨の探索"));
  QSignalSpy finished(&window, &CriticalStormWindow::searchFinished);
  window.findChild<QPushButton*>(QStringLiteral("startSearch"))->click();
  QVERIFY(finished.wait(20000));
  QCOMPARE(window.findChild<QTableWidget*>()->rowCount(), 216);
  bool typedAmongWorst = false;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    typedAmongWorst = typedAmongWorst ||
                      label->text().contains(QStringLiteral(
                          "設計の降雨(後方集中型 1440分)は最高水位が最も高い降雨に含まれる。"));
  }
  QVERIFY(typedAmongWorst);
  QCOMPARE(program.form().Pitch, std::string("20"));  // the search read a copy

  // The check page of the result window lists the water balance of the run.
  program.trigger("2．洪水調節数値計算");
  ResultWindow& results = *program.window.resultWindow();
  ButtonTabs& pond = *results.subPages(2);
  QCOMPARE(pond.caption(4), QStringLiteral("検証"));
  const ResultSheet& sheet = program.document.sheet();
  QCOMPARE(results.listModel(sheet.CheckText)->rowCount(), static_cast<int>(sheet.CheckText.size()));
  QCOMPARE(sheet.CheckText.front(), std::string("調節池容量の検証"));
}

VESTARO_GUI_TEST_MAIN(LiveRecalculationTest)
#include "liverecalculation_test.moc"
