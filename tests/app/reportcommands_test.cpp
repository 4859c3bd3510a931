// The report commands driven through the main window's own menu items and tool buttons:
// printing all, a preview, the printer set-up, the estimate page and the metafiles, with the
// recording printer in place of the system's.
#include "app/reportcommands.h"

#include <QDir>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "app/chartwidget.h"
#include "app/estimatewindow.h"
#include "app/resultwindow.h"
#include "tests/app/support/programfixture.h"

namespace {

std::vector<std::string> Titles(const std::vector<RecordingPrinter::Job>& jobs, bool preview) {
  std::vector<std::string> titles;
  for (const RecordingPrinter::Job& job : jobs) {
    if (job.preview == preview) titles.push_back(job.layout.title);
  }
  return titles;
}

std::vector<std::string> FileNames(const QString& directory) {
  std::vector<std::string> names;
  for (const QString& name : QDir(directory).entryList(QDir::Files, QDir::Name)) {
    names.push_back(name.toStdString());
  }
  return names;
}

// The frame of a placeable metafile: the width and height of its bounding box.
QSize MetafileFrame(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 14) return {};
  auto word = [&bytes](std::size_t at) {
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                            static_cast<unsigned char>(bytes[at + 1]) << 8);
  };
  return {word(10) - word(6), word(12) - word(8)};
}

}  // namespace

class ReportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void printPreviewEstimateAndMetafilesFromTheMainWindow();
};

void ReportCommandsTest::printPreviewEstimateAndMetafilesFromTheMainWindow() {
  ProgramFixture program;
  RecordingPrinter& printer = *program.printer;
  QWidget& design = program.designWindow();
  ResultWindow& results = *program.window.resultWindow();
  EstimateWindow& estimate = *program.window.estimateWindow();
  program.trigger("2．洪水調節数値計算");
  QVERIFY(results.isVisible());
  program.ui.Clear();

  // Print all: No prints nothing; Yes prints the kind's layouts one job each, shows the two
  // windows again (here both had been closed) and ends with its message.
  program.ui.recorder.QueueAnswers({false});
  program.trigger("印刷");
  QVERIFY(printer.jobs.empty());
  QCOMPARE(program.ui.Texts(),
           std::vector<std::string>{"プリンターの準備はいいですか。\r一括印刷します。"});
  design.hide();
  program.document.hideResults();
  program.ui.Clear();
  program.trigger("1.計算書印刷...");
  QCOMPARE(Titles(printer.jobs, false),
           (std::vector<std::string>{
               "目　　次", "Ⅰ-1．設計条件", "Ⅰ-2．設計条件(図)", "Ⅱ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算",
               "Ⅱ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(図)", "Ⅲ-1．調節池計算", "Ⅲ-2．調節池計算(図)",
               "Ⅳ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表1：降雨強度)", "Ⅳ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表2：降雨波形:ﾊｲｴﾄｸﾞﾗﾌ)",
               "Ⅳ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表3：流出量)", "Ⅳ.資料-4[表4]調節池計算"}));
  QVERIFY(Titles(printer.jobs, true).empty());
  QVERIFY(design.isVisible());
  QVERIFY(results.isVisible());
  QCOMPARE(program.ui.Texts(),
           (std::vector<std::string>{"プリンターの準備はいいですか。\r一括印刷します。",
                                     "出力しました．．．\r印刷が終わるまでお待ち下さい。"}));

  // A preview hides the design-condition and result windows while it is open; the Ⅲ-1 item
  // previews the routing page of the kind.
  printer.jobs.clear();
  std::vector<bool> shownWhilePreviewing;
  printer.whilePreviewing = [&] {
    shownWhilePreviewing = {design.isVisible(), results.isVisible(), estimate.isVisible()};
  };
  program.trigger("Ⅲ-1．洪水調節計算");
  QCOMPARE(Titles(printer.jobs, true), std::vector<std::string>{"Ⅲ-1．調節池計算"});
  QCOMPARE(shownWhilePreviewing, (std::vector<bool>{false, false, false}));
  QVERIFY(design.isVisible());
  QVERIFY(results.isVisible());
  program.trigger("3.ﾌﾟﾘﾝﾀｰ設定...");
  QCOMPARE(printer.setUps, 1);

  // "印刷..." of the estimate window previews its page with the derivation, the estimate
  // window hidden with the other two and shown again with them.
  printer.jobs.clear();
  program.trigger("調節容量計算");
  QTest::mouseClick(estimate.computeButton(), Qt::LeftButton);
  shownWhilePreviewing.clear();
  QTest::mouseClick(estimate.printButton(), Qt::LeftButton);
  QCOMPARE(printer.jobs.size(), std::size_t{1});
  const PrintLayout& page = printer.jobs[0].layout;
  QCOMPARE(page.title, std::string("調節池容量の計算(簡便法)"));
  QVERIFY(page.pages.at(0).memos.at(0).lines == estimate.lines());
  QCOMPARE(shownWhilePreviewing, (std::vector<bool>{false, false, false}));
  QVERIFY(design.isVisible() && results.isVisible() && estimate.isVisible());

  // The metafiles go into the current directory of the moment, not the start directory;
  // declining writes nothing. The rating chart, on the page the result window opens with, is
  // written at the size it has there.
  QTemporaryDir current;
  const QString startedIn = QDir::currentPath();
  QVERIFY(QDir::setCurrent(current.path()));
  program.ui.Clear();
  program.ui.recorder.QueueAnswers({false});
  program.trigger("WMF");
  QVERIFY(FileNames(current.path()).empty());
  program.trigger("2.ﾒﾀﾌｧｲﾙ出力...");
  QVERIFY(QDir::setCurrent(startedIn));
  QCOMPARE(program.ui.Texts(), (std::vector<std::string>{"計算結果図をメタファイル出力しますか。",
                                                         "計算結果図をメタファイル出力しますか。",
                                                         "メタファイル出力終わりました。"}));
  QCOMPARE(FileNames(current.path()),
           (std::vector<std::string>{"HF曲線.wmf", "HQ曲線.wmf", "HV曲線.wmf", "時間～水位.wmf",
                                     "時間～流入,放流量.wmf", "流出ハイドロ.wmf", "降雨波形.wmf"}));
  QVERIFY(FileNames(program.startDirectory.path()).empty());
  const ChartWidget& rating = *results.chartWidget(program.document.sheet().RatingChart);
  QCOMPARE(MetafileFrame(std::filesystem::path(current.path().toStdString()) / "HQ曲線.wmf"),
           rating.size());
}

VESTARO_GUI_TEST_MAIN(ReportCommandsTest)
#include "reportcommands_test.moc"
