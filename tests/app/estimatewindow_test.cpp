#include "app/estimatewindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/inputbox.h"
#include "app/textlistmodel.h"
#include "app/valuelabel.h"
#include "tests/app/support/programfixture.h"


class EstimateWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // From the defaults to V and its derivation; a bad input keeps the last result; the value
  // labels are edited through the input box; "印刷..." hands the lines over.
  void computesEditsAndHandsItsLinesToPrint() {
    ProgramFixture program;
    ScriptedInteraction& ui = program.ui;
    EstimateWindow& window = *program.window.estimateWindow();
    program.trigger("1．必要調節容量(簡便法)");
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("調節池容量の計算(簡便法)"));
    QCOMPARE(window.storageText(), QStringLiteral("0.0"));
    QCOMPARE(window.coefficientField()->currentText(), QStringLiteral("0.84"));
    QCOMPARE(window.coefficientField()->count(), 19);

    QTest::mouseClick(window.computeButton(), Qt::LeftButton);
    QCOMPARE(window.storageText(), QStringLiteral("296,558.4"));
    const TextList& lines = window.lines();
    QCOMPARE(window.linesModel()->rowCount(), static_cast<int>(lines.size()));
    QCOMPARE(lines.front(), "1.調節池容量の計算(簡便法)");
    QVERIFY(std::find(lines.begin(), lines.end(), "      t=x^(1/n)=747.422分") != lines.end());
    QVERIFY(std::find(lines.begin(), lines.end(), "     5.186･x^2-513.690･x-32547.927=0") !=
            lines.end());
    QCOMPARE(window.linesModel()->data(window.linesModel()->index(0)).toString(),
             QString::fromStdString(lines.front()));

    // A malformed or impossible input: its message, and V and the lines stay.
    const TextList before = lines;
    window.releaseField()->setText(QStringLiteral("abc"));
    window.compute();
    window.releaseField()->setText(QStringLiteral("0"));
    window.compute();
    QCOMPARE(ui.Texts(), (std::vector<std::string>{"'abc' is not a valid floating point value",
                                                   "Floating point division by zero"}));
    QCOMPARE(window.storageText(), QStringLiteral("296,558.4"));
    QVERIFY(window.lines() == before);
    window.releaseField()->setText(QStringLiteral("6.0"));

    // The input box opens at the window + label + (45, 50) with the label's hint and text; its
    // answer goes into the label, a cancel leaves it.
    InputBox& box = *program.window.inputBox();
    ValueLabelWidget& n = *window.labelN();
    QTest::mouseClick(&n, Qt::LeftButton);
    QVERIFY(box.isVisible());
    QCOMPARE(box.windowTitle(), QStringLiteral("x"));
    QCOMPARE(box.textBox()->text(), QStringLiteral("3/4"));
    QCOMPARE(box.pos(), window.pos() + n.mapTo(&window, QPoint(0, 0)) + QPoint(45, 50));
    box.textBox()->setText(QStringLiteral("0.75"));
    box.findChild<QPushButton*>(QStringLiteral("inputEnter"))->click();
    QCOMPARE(n.text(), QStringLiteral("0.75"));
    QTest::mouseClick(window.labelA(), Qt::LeftButton);
    box.textBox()->setText(QStringLiteral("1"));
    box.findChild<QPushButton*>(QStringLiteral("inputCancel"))->click();
    QCOMPARE(window.labelA()->text(), QStringLiteral("2590"));

    window.compute();
    QCOMPARE(window.storageText(), QStringLiteral("296,558.4"));
    QVERIFY(std::find(window.lines().begin(), window.lines().end(),
                      "      n (降雨強度曲線式係数)=0.75") != window.lines().end());

    TextList printed;
    connect(&window, &EstimateWindow::printRequested, this,
            [&](const TextList& handed) { printed = handed; });
    QTest::mouseClick(window.printButton(), Qt::LeftButton);
    QVERIFY(printed == window.lines());
  }
};

VESTARO_GUI_TEST_MAIN(EstimateWindowTest)
#include "estimatewindow_test.moc"
