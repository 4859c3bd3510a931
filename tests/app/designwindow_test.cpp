// The design-condition window driven through its widgets: the switching as the widgets show
// it, the value labels with the input box, the time of concentration, the pitch list, and the
// tools of the pond table and the observed intensities.
#include "app/designwindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <fstream>

#include "app/inputbox.h"
#include "app/valuelabel.h"
#include "tests/app/support/programfixture.h"

namespace {

void choose(DesignWindow& window, const char* group, int index) {
  auto* buttons = window.findChild<QButtonGroup*>(QString::fromUtf8(group));
  QVERIFY2(buttons != nullptr, group);
  QTest::mouseClick(buttons->button(index), Qt::LeftButton);
}

template <typename Widget>
Widget* widget(DesignWindow& window, const char* name) {
  auto* found = window.findChild<Widget*>(QString::fromUtf8(name));
  if (found == nullptr) qFatal("no widget %s", name);
  return found;
}

void click(DesignWindow& window, const char* button) {
  QTest::mouseClick(widget<QPushButton>(window, button), Qt::LeftButton);
}

}  // namespace

class DesignWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theWidgetsFollowTheSwitching();
  void aValueLabelIsEditedThroughTheInputBox();
  void theTimeOfConcentrationIsRoundedWhenItsEntryIsFinished();
  void thePondTableToolsAndTheCsvImport();
};

void DesignWindowTest::theWidgetsFollowTheSwitching() {
  ProgramFixture program;
  DesignWindow& window = program.designWindow();
  auto* c1 = widget<QComboBox>(window, "c1");
  auto* circleC = widget<QComboBox>(window, "circleC");
  QVERIFY(!window.valueLabel(ValueLabel::UpperSill)->isVisible());

  // Two stages show the upper orifice; a user's C1 is reset by the next switching.
  c1->lineEdit()->selectAll();
  QTest::keyClicks(c1->lineEdit(), QStringLiteral("1.70"));
  QCOMPARE(program.form().C1, std::string("1.70"));
  choose(window, "orificeStages", 1);
  QVERIFY(window.valueLabel(ValueLabel::UpperSill)->isVisible());
  QCOMPARE(c1->currentText(), QStringLiteral("1.80"));

  // A circular lower orifice hides DL, renames BL and enables "C =".
  QVERIFY(!circleC->isEnabled());
  QCOMPARE(circleC->currentText(), QStringLiteral("-"));
  choose(window, "orificeShape", 1);
  QVERIFY(!window.valueLabel(ValueLabel::LowerHeight)->isVisible());
  QCOMPARE(window.valueLabel(ValueLabel::LowerWidth)->toolTip(), QStringLiteral("φ=ｵﾘﾌｨｽ直径(m)"));
  QVERIFY(circleC->isEnabled());
  QCOMPARE(circleC->currentText(), QStringLiteral("0.60"));
  QVERIFY(c1->isEnabled());
  choose(window, "orificeStages", 0);
  QVERIFY(!c1->isEnabled());
  QCOMPARE(c1->currentText(), QStringLiteral("-"));

  // Computed storage: two columns and the formula choice enabled with 截頭錐体法.
  auto* pond = widget<QTableView>(window, "pondGrid");
  choose(window, "storageSource", 0);
  QCOMPARE(pond->model()->columnCount(), 2);
  auto* formula = widget<QButtonGroup>(window, "storageFormula");
  QVERIFY(formula->button(1)->isChecked());
  QVERIFY(formula->button(1)->isEnabled());
  choose(window, "storageSource", 1);
  QCOMPARE(pond->model()->columnCount(), 3);
  QVERIFY(formula->checkedButton() == nullptr);

  // Observed intensities: only their page keeps its tab; the two time boxes are disabled.
  auto* pages = widget<QTabWidget>(window, "intensityPages");
  choose(window, "intensitySource", 2);
  QCOMPARE(pages->currentIndex(), 2);
  QVERIFY(!pages->isTabVisible(0));
  QVERIFY(!widget<QComboBox>(window, "concentration")->isEnabled());
  QVERIFY(!widget<QLineEdit>(window, "rainDuration")->isEnabled());
  choose(window, "intensitySource", 0);
  QVERIFY(widget<QComboBox>(window, "concentration")->isEnabled());
  QVERIFY(pages->isTabVisible(0));

  // The waveform choice and its picture page select each other.
  auto* pictures = widget<QTabWidget>(window, "waveformPages");
  pictures->setCurrentIndex(0);
  QCOMPARE(program.form().Waveform, 0);
  QVERIFY(widget<QButtonGroup>(window, "waveform")->button(0)->isChecked());
  choose(window, "waveform", 1);
  QCOMPARE(pictures->currentIndex(), 1);
}

void DesignWindowTest::aValueLabelIsEditedThroughTheInputBox() {
  ProgramFixture program;
  DesignWindow& window = program.designWindow();
  InputBox& box = *program.window.inputBox();
  ValueLabelWidget* sill = window.valueLabel(ValueLabel::LowerSill);

  QTest::mouseClick(sill, Qt::LeftButton);
  QVERIFY(box.isVisible());
  QCOMPARE(box.windowTitle(), QStringLiteral("HL=ｵﾘﾌｨｽ敷高(m)"));
  QCOMPARE(box.textBox()->text(), QStringLiteral("24.000"));
  QCOMPARE(box.pos(), sill->mapTo(&window, QPoint(0, 0)) + window.pos() + QPoint(275, 85));
  box.textBox()->setText(QStringLiteral("23.5"));
  QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("inputEnter")), Qt::LeftButton);
  QVERIFY(!box.isVisible());
  QCOMPARE(program.form().LowerSill, std::string("23.5"));
  QCOMPARE(sill->text(), QStringLiteral("23.5"));

  // "取消" keeps the label; the intensity labels open the box at their own offset.
  ValueLabelWidget* a = window.valueLabel(ValueLabel::Type1A);
  QTest::mouseClick(a, Qt::LeftButton);
  QCOMPARE(box.windowTitle(), QStringLiteral("a"));
  QCOMPARE(box.pos(), a->mapTo(&window, QPoint(0, 0)) + window.pos() + QPoint(45, 85));
  box.textBox()->setText(QStringLiteral("9999"));
  QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("inputCancel")), Qt::LeftButton);
  QCOMPARE(program.form().Type1A, std::string("2590"));
  QCOMPARE(a->text(), QStringLiteral("2590"));
}

void DesignWindowTest::theTimeOfConcentrationIsRoundedWhenItsEntryIsFinished() {
  ProgramFixture program;
  DesignWindow& window = program.designWindow();
  QLineEdit* concentration = widget<QComboBox>(window, "concentration")->lineEdit();
  auto* pitch = widget<QComboBox>(window, "pitch");

  concentration->selectAll();
  QTest::keyClicks(concentration, QStringLiteral("12.6"));
  QCOMPARE(concentration->text(), QStringLiteral("12.6"));
  QTest::keyClick(concentration, Qt::Key_Return);
  QCOMPARE(concentration->text(), QStringLiteral("13"));
  QCOMPARE(pitch->currentText(), QStringLiteral("13"));
  QCOMPARE(program.form().Pitch, std::string("13"));
  QVERIFY(program.ui.Texts().empty());

  // Picking a pitch keeps it and explains the rule in a warning beside the window.
  pitch->setCurrentIndex(5);
  emit pitch->textActivated(pitch->itemText(5));
  QCOMPARE(program.form().Pitch, std::string("10"));
  QCOMPARE(program.ui.recorder.Entries().size(), std::size_t{1});
  const RecordingInteraction::Entry& advice = program.ui.recorder.Entries()[0];
  QCOMPARE(advice.kind, MessageKind::Warning);
  QCOMPARE(advice.where.origin, BoxPlacement::Origin::DesignWindow);
  QCOMPARE(QPoint(advice.where.left, advice.where.top), QPoint(200, 80));
}

void DesignWindowTest::thePondTableToolsAndTheCsvImport() {
  ProgramFixture program;
  DesignWindow& window = program.designWindow();
  auto* pond = widget<QTableView>(window, "pondGrid");

  // A typed cell goes into the form; "標高" takes HL and HT from the first and last rows.
  pond->model()->setData(pond->model()->index(12, 0), QStringLiteral("35.00"));
  QCOMPARE(program.form().PondGrid.Cell(0, 14), std::string("35.00"));
  click(window, "transferElevations");
  QCOMPARE(window.valueLabel(ValueLabel::LowerSill)->text(), QStringLiteral("24.00"));
  QCOMPARE(window.valueLabel(ValueLabel::SpillwayCrest)->text(), QStringLiteral("35.00"));

  // "消去": No keeps the rows, Yes blanks them; then "標高" finds no rows.
  program.ui.recorder.QueueAnswers({false});
  click(window, "clearPond");
  QCOMPARE(pond->model()->index(0, 0).data().toString(), QStringLiteral("24.00"));
  click(window, "clearPond");
  QCOMPARE(pond->model()->index(0, 0).data().toString(), QStringLiteral(" "));
  QCOMPARE(pond->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("標高(H)\n(m)"));
  program.ui.Clear();
  click(window, "transferElevations");
  QCOMPARE(program.ui.Texts(), std::vector<std::string>{"ＨＶ曲線データが有りません。"});

  // CSV import: the file is chosen after the confirmation; the times fill the two boxes.
  {
    std::ofstream csv(program.file("雨.csv"), std::ios::binary);
    for (int minutes = 10; minutes <= 360; minutes += 10) csv << minutes << ",5.2\r\n";
  }
  choose(window, "intensitySource", 2);
  program.ui.Clear();
  program.ui.QueueFiles({program.file("雨.csv")});
  click(window, "importCsv");
  QCOMPARE(program.ui.dialogs.at(0).filter, std::string("csv|*.csv"));
  QCOMPARE(program.ui.Texts(), (std::vector<std::string>{"降雨強度(mm/hr)ファイルを読込みますか。",
                                                         "降雨強度を読込みました。"}));
  auto* observed = widget<QTableView>(window, "observedGrid");
  QCOMPARE(observed->model()->rowCount(), 36);
  QCOMPARE(observed->model()->index(35, 1).data().toString(), QStringLiteral("360"));
  QCOMPARE(widget<QComboBox>(window, "concentration")->currentText(), QStringLiteral("10"));
  QCOMPARE(widget<QLineEdit>(window, "rainDuration")->text(), QStringLiteral("360"));

  // Declining the question opens no dialog.
  program.ui.Clear();
  program.ui.recorder.QueueAnswers({false});
  click(window, "importCsv");
  QVERIFY(program.ui.dialogs.empty());
}

VESTARO_GUI_TEST_MAIN(DesignWindowTest)
#include "designwindow_test.moc"
