#include "app/intensitycurvewindow.h"

#include <QPushButton>
#include <QtTest>

#include "core/interaction/recordinginteraction.h"

class IntensityCurveWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The curve is rebuilt from the form each time the window opens; a time of concentration that
  // cannot give a curve shows its message and leaves the last curve in place.
  void rebuildsOnEveryOpeningAndKeepsTheLastGoodCurve() {
    DesignForm form = StartupDesignForm();
    RecordingInteraction ui;
    IntensityCurveWindow window(form, ui);
    const auto points = [&] { return window.chart().series.at(0).points.size(); };

    window.showAtOrigin();
    QCOMPARE(window.pos(), QPoint(0, 80));
    QCOMPARE(window.windowTitle(), QStringLiteral("降雨強度曲線図"));
    QCOMPARE(points(), 72u);  // Δt = 20 up to a day

    const auto reopen = [&] {
      window.findChild<QPushButton*>()->click();  // "取消し"
      QVERIFY(!window.isVisible());
      window.showAtOrigin();
    };
    form.Concentration = "25";
    reopen();
    QCOMPARE(points(), 57u);
    QVERIFY(ui.Entries().empty());

    for (const char* bad : {"0", "2.5"}) {
      form.Concentration = bad;
      reopen();
      QCOMPARE(points(), 57u);
    }
    QCOMPARE(ui.Texts(), (std::vector<std::string>{"Division by zero",
                                                   "'2.5' is not a valid integer value"}));
  }
};

QTEST_MAIN(IntensityCurveWindowTest)
#include "intensitycurvewindow_test.moc"
