// The program's message boxes: the design's "\r" line breaks on screen, Qt's Japanese buttons,
// the placement, and the answer of a question.
#include "app/qtinteraction.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "tests/app/support/programfixture.h"

namespace {

// Runs `inspect` on the box once it is shown, then presses its button `press`.
void whenBoxShows(std::function<void(QMessageBox&)> inspect, QMessageBox::StandardButton press) {
  QTimer::singleShot(0, [inspect, press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) qFatal("no message box");
    inspect(*box);
    box->button(press)->click();
  });
}

}  // namespace

class QtInteractionTest : public QObject {
  Q_OBJECT

 private slots:
  void boxesShowTheTextsInJapaneseAtTheirPlace();
};

void QtInteractionTest::boxesShowTheTextsInJapaneseAtTheirPlace() {
  QWidget designWindow;
  designWindow.move(300, 200);
  QtInteraction ui;
  ui.setDesignWindow(&designWindow);

  QString text, yes, no;
  QPoint where;
  whenBoxShows([&](QMessageBox& box) {
    text = box.text();
    yes = box.button(QMessageBox::Yes)->text();
    no = box.button(QMessageBox::No)->text();
    where = box.pos();
  }, QMessageBox::No);
  QVERIFY(!ui.Confirm("データを消去しますか。\r\r確認", {BoxPlacement::Origin::Screen, 670, 320}));
  QCOMPARE(text, QStringLiteral("データを消去しますか。\n\n確認"));
  QCOMPARE(yes, QStringLiteral("はい(&Y)"));
  QCOMPARE(no, QStringLiteral("いいえ(&N)"));
  QCOMPARE(where, QPoint(670, 320));

  whenBoxShows([](QMessageBox&) {}, QMessageBox::Yes);
  QVERIFY(ui.Confirm("終了しますか。"));

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  whenBoxShows([&](QMessageBox& box) {
    where = box.pos();
    icon = box.icon();
  }, QMessageBox::Ok);
  ui.ShowMessage("計算ﾋﾟｯﾁ", MessageKind::Warning, {BoxPlacement::Origin::DesignWindow, 200, 80});
  QCOMPARE(where, QPoint(500, 280));
  QCOMPARE(icon, QMessageBox::Warning);
}

VESTARO_GUI_TEST_MAIN(QtInteractionTest)
#include "qtinteraction_test.moc"
