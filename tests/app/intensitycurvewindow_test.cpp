#include "app/intensitycurvewindow.h"

#include <QPushButton>
#include <QtTest>

#include "tests/app/support/programfixture.h"

class IntensityCurveWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The curve is rebuilt from the form each time the window opens; a time of concentration that
  // cannot give a curve shows its message and leaves the last curve in place.
  void rebuildsOnEveryOpeningAndKeepsTheLastGoodCurve() {
    ProgramFixture program;
    DesignForm& form = program.form();
    ScriptedInteraction& ui = program.ui;
    IntensityCurveWindow& window = *program.window.intensityCurveWindow();
    const auto points = [&] { return window.chart().series.at(0).points.size(); };

    program.trigger("1．降雨強度曲線図");
    QCOMPARE(window.pos(), QPoint(0, 80));
    QCOMPARE(window.windowTitle(), QStringLiteral("降雨強度曲線図"));
    QCOMPARE(points(), 72u);  // Δt = 20 up to a day

    const auto reopen = [&] {
      window.findChild<QPushButton*>()->click();  // "取消し"
      QVERIFY(!window.isVisible());
      program.trigger("降雨強度曲線図");  // the tool button
    };
    form.Concentration = "25";
    reopen();
    QCOMPARE(points(), 57u);
    QVERIFY(ui.Texts().empty());

    for (const char* bad : {"0", "2.5"}) {
      form.Concentration = bad;
      reopen();
      QCOMPARE(points(), 57u);
    }
    QCOMPARE(ui.Texts(), (std::vector<std::string>{"Division by zero",
                                                   "'2.5' is not a valid integer value"}));
  }
};

VESTARO_GUI_TEST_MAIN(IntensityCurveWindowTest)
#include "intensitycurvewindow_test.moc"
