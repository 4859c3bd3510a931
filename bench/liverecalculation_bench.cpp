// Live recalculation from a finished edit to the repainted result window, on the offscreen
// platform: the pause after the edit (LiveRecalculation::kPause), the run on a copy of the form,
// the sheet taken over, the window's models reloaded and the visible page painted.
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>

#include "app/applicationsetup.h"
#include "app/appinteraction.h"
#include "app/designdocument.h"
#include "app/liverecalculation.h"
#include "app/mainwindow.h"
#include "app/resultwindow.h"
#include "bench/quietinteraction.h"

class LiveRecalculationBench : public QObject {
  Q_OBJECT

 private slots:
  void editToRepaintedResultWindow();
};

void LiveRecalculationBench::editToRepaintedResultWindow() {
  QuietInteraction ui;
  DesignDocument document(std::filesystem::temp_directory_path());
  MainWindow window(document, ui);
  window.show();
  window.action(QString::fromUtf8("2．洪水調節数値計算"))->trigger();
  ResultWindow& results = *window.resultWindow();
  LiveRecalculation& live = *window.liveRecalculation();
  QSignalSpy finished(&live, &LiveRecalculation::runFinished);
  live.setOn(true);
  QVERIFY(finished.wait(2000));
  int area = 200;
  QBENCHMARK {
    document.form().CatchmentArea = std::to_string(area++ % 50 + 200);
    live.edited();
    QVERIFY(finished.wait(5000));
    results.repaint();
  }
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SetUpApplication(app);
  LiveRecalculationBench bench;
  return QTest::qExec(&bench, argc, argv);
}
#include "liverecalculation_bench.moc"
