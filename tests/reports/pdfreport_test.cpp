#include "reports/pdfreport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/interaction/recordinginteraction.h"
#include "tests/reports/pdfdrawing.h"
#include "tests/reports/samplesheet.h"
#include "tests/support/testfiles.h"

using pdfdrawing::PageDrawing;
using samplesheet::SampleSheet;

namespace fs = std::filesystem;

namespace {

const std::string kConfirmation =
    "計算結果をPDF出力しますか。\r\r出力ファイル名は\r　調節池計算結果.pdf\rです。";
const std::string kWritten = "調節池計算結果.pdfを作成しました";
const std::string kOpenQuestion =
    "[ 調節池計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)";

DesignForm FormOfKind(int calcKind) {
  DesignForm form;
  form.DesignName = "設計例";
  form.ActiveCalcKind = calcKind;
  return form;
}

std::vector<PageDrawing> Report(const ResultSheet& sheet, int calcKind) {
  std::ostringstream out;
  EXPECT_EQ(WritePdfReport(out, sheet, FormOfKind(calcKind)), "");
  return pdfdrawing::ReadPages(out.str());
}

// The text in each page's title band (baseline 802).
std::vector<std::string> Titles(const std::vector<PageDrawing>& pages) {
  std::vector<std::string> titles;
  for (const PageDrawing& page : pages) {
    const pdfdrawing::ShownText* title = page.TextAt(802);
    titles.push_back(title ? title->text : "");
  }
  return titles;
}

std::vector<std::string> Files(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  return names;
}

}  // namespace

TEST(PdfReportTest, PagesFollowTheCalculationKind) {
  const std::vector<std::string> head = {"目　　次", "Ⅰ-1.設計条件", "Ⅰ-2.設計条件(図)",
                                         "Ⅱ-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算", "Ⅱ-2.流出ハイドログラフ(図)",
                                         "Ⅲ-1.調節池計算"};
  const std::vector<std::string> tables = {"Ⅳ.資料-1:[表1]降雨強度",
                                           "Ⅳ.資料-2:[表2]降雨波形(ﾊｲｴﾄｸﾞﾗﾌ)",
                                           "Ⅳ.資料-3:[表3]流出量"};
  auto expected = [&](std::vector<std::string> pond, std::vector<std::string> last) {
    std::vector<std::string> all = head;
    all.insert(all.end(), pond.begin(), pond.end());
    all.insert(all.end(), tables.begin(), tables.end());
    all.insert(all.end(), last.begin(), last.end());
    return all;
  };
  const ResultSheet sheet = SampleSheet();

  const std::vector<PageDrawing> natural = Report(sheet, 0);
  EXPECT_EQ(Titles(natural),
            expected({"Ⅲ-2.調節池計算(図)"}, {"Ⅳ.資料-4:[表4]調節池計算"}));
  EXPECT_NE(natural[6].Find("時間～流入量、放流量"), nullptr);
  EXPECT_NE(natural[6].Find("時間～水位"), nullptr);
  EXPECT_NE(natural.back().Find("表4:調節池計算"), nullptr);
  for (const char* note : {"放流量=Qo+QL、放流量'=QL", "ここに　Qo：ｵﾘﾌｨｽ放流量",
                           "　　　　QL：余水吐放流量"}) {
    EXPECT_NE(natural.back().Find(note), nullptr) << note;
  }

  const std::vector<PageDrawing> tracking = Report(sheet, 1);
  EXPECT_EQ(Titles(tracking), Titles(natural));
  EXPECT_NE(tracking.back().Find("表4:調節池計算"), nullptr);
  EXPECT_EQ(tracking.back().Find("ここに　Qo：ｵﾘﾌｨｽ放流量"), nullptr);

  const std::vector<PageDrawing> study = Report(sheet, 2);
  EXPECT_EQ(Titles(study), expected({"Ⅲ-2.湛水計算(図)"}, {"Ⅳ.資料-4:[表4]湛水計算"}));
  EXPECT_NE(study[6].Find("内水計算結果"), nullptr);
  EXPECT_EQ(study[6].Find("時間～水位"), nullptr);
  EXPECT_NE(study.back().Find("表4:湛水計算"), nullptr);

  // Any other kind has neither pond charts nor table 4.
  EXPECT_EQ(Titles(Report(sheet, 3)), expected({}, {}));
  EXPECT_EQ(Titles(Report(sheet, -1)), expected({}, {}));
}

TEST(PdfReportTest, LongTablesAddContinuationPagesAndTheFootersCountOn) {
  const std::vector<PageDrawing> pages = Report(SampleSheet(48, 94), 0);
  const std::vector<std::string> titles = Titles(pages);
  ASSERT_EQ(titles.size(), 14u);
  EXPECT_EQ(titles[7], "Ⅳ.資料-1:[表1]降雨強度");
  EXPECT_EQ(titles[8], "前ページつづき");
  EXPECT_EQ(titles[9], "Ⅳ.資料-2:[表2]降雨波形(ﾊｲｴﾄｸﾞﾗﾌ)");
  EXPECT_EQ(titles[11], "Ⅳ.資料-4:[表4]調節池計算");
  EXPECT_EQ(titles[12], "前ページつづき");
  EXPECT_EQ(titles[13], "前ページつづき");
  // The contents page has no footer; the next pages count from 1.
  EXPECT_EQ(pages[0].TextAt(16), nullptr);
  for (std::size_t p = 1; p < pages.size(); ++p) {
    ASSERT_NE(pages[p].TextAt(16), nullptr) << p;
    EXPECT_EQ(pages[p].TextAt(16)->text, "Page: " + std::to_string(p));
  }
  // The contents and list lines are where the layout puts them.
  EXPECT_EQ(pages[0].Find("Ⅰ.設計条件")->x, 185);
  EXPECT_EQ(pages[0].Find("Ⅰ.設計条件")->y, 757);
  EXPECT_EQ(pages[5].Find("    dV/dt = I-O")->y, 777 - 2 * 11);
}

TEST(PdfReportTest, DocumentInformationAndRefusedTexts) {
  std::ostringstream out;
  ASSERT_EQ(WritePdfReport(out, SampleSheet(), FormOfKind(0)), "");
  const std::string pdf = out.str();
  // Title 設計例 and Creator ソレムナ Ver2.6 as UTF-16 after the language prefix.
  EXPECT_NE(pdf.find("/Title <FEFF001B6A61001B8A2D8A084F8B>"), std::string::npos);
  EXPECT_NE(pdf.find("/Author <FEFF001B6A61001B005600650073007400610072006F>"), std::string::npos);
  EXPECT_NE(pdf.find("/Creator <FEFF001B6A61001B30BD30EC30E030CA00200056006500720032002E0036>"),
            std::string::npos);
  EXPECT_NE(pdf.find("/Subject <FEFF001B6A61001B8ABF7BC06C608A087B977D50679C002E007000640066>"),
            std::string::npos);

  // A text that Shift-JIS cannot hold, in the design's name or in the sheet, refuses the
  // whole report and writes nothing.
  DesignForm form = FormOfKind(0);
  form.DesignName = "池\xF0\x9F\x8C\x8A";
  std::ostringstream refused;
  EXPECT_EQ(WritePdfReport(refused, SampleSheet(), form),
            "「池\xF0\x9F\x8C\x8A」には Shift-JIS で書けない文字があるため、書き出せません。");
  ResultSheet sheet = SampleSheet();
  sheet.RoutingTable.SetCell(1, 5, "\xE2\x82\xA9");  // ₩
  EXPECT_EQ(WritePdfReport(refused, sheet, FormOfKind(0)),
            "「\xE2\x82\xA9」には Shift-JIS で書けない文字があるため、書き出せません。");
  EXPECT_EQ(refused.str(), "");
}

TEST(PdfReportTest, CommandAsksFirstAndReportsTheOpenRequest) {
  const fs::path dir = testing_support::ScratchDir();
  const ResultSheet sheet = SampleSheet();
  const DesignForm form = FormOfKind(0);

  RecordingInteraction declined;
  declined.QueueAnswers({false});
  PdfReportOutcome outcome = RunPdfReport(sheet, form, dir, declined);
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(declined.Texts(), std::vector<std::string>({kConfirmation}));
  EXPECT_TRUE(Files(dir).empty());

  testing_support::WriteBytes(dir / "調節池計算結果.pdf", "an older report that is longer");
  RecordingInteraction accepted;
  accepted.QueueAnswers({true, true});
  outcome = RunPdfReport(sheet, form, dir, accepted);
  EXPECT_TRUE(outcome.written);
  EXPECT_TRUE(outcome.openRequested);
  EXPECT_EQ(outcome.file, dir / "調節池計算結果.pdf");
  EXPECT_EQ(accepted.Texts(), std::vector<std::string>({kConfirmation, kWritten, kOpenQuestion}));
  EXPECT_TRUE(accepted.Entries()[2].isQuestion);
  // The file is the report, whole, and nothing else is left beside it.
  std::ostringstream expected;
  ASSERT_EQ(WritePdfReport(expected, sheet, form), "");
  const std::string written = testing_support::ReadBytes(outcome.file);
  EXPECT_EQ(written.size(), expected.str().size());
  EXPECT_EQ(written.substr(written.size() - 7), "%%EOF\r\n");
  EXPECT_EQ(Files(dir), std::vector<std::string>({"調節池計算結果.pdf"}));

  RecordingInteraction notShown;
  notShown.QueueAnswers({true, false});
  outcome = RunPdfReport(sheet, form, dir, notShown);
  EXPECT_TRUE(outcome.written);
  EXPECT_FALSE(outcome.openRequested);
}

TEST(PdfReportTest, AFileThatCannotBeWrittenShowsWhyAndLeavesNothing) {
  const fs::path dir = testing_support::ScratchDir();
  RecordingInteraction ui;
  PdfReportOutcome outcome = RunPdfReport(SampleSheet(), FormOfKind(0), dir / "missing", ui);
  EXPECT_FALSE(outcome.written);
  EXPECT_FALSE(outcome.openRequested);
  ASSERT_EQ(ui.Texts().size(), 2u);
  EXPECT_EQ(ui.Texts()[1].rfind("Cannot create file \"", 0), 0u) << ui.Texts()[1];
  EXPECT_FALSE(ui.Entries()[1].isQuestion);

  // The report's name is taken by a folder: the rename fails and the temporary file goes.
  fs::create_directory(dir / "調節池計算結果.pdf");
  ui.Clear();
  outcome = RunPdfReport(SampleSheet(), FormOfKind(0), dir, ui);
  EXPECT_FALSE(outcome.written);
  ASSERT_EQ(ui.Texts().size(), 2u);
  EXPECT_EQ(ui.Texts()[1].rfind("Cannot write file \"", 0), 0u) << ui.Texts()[1];
  EXPECT_EQ(Files(dir), std::vector<std::string>({"調節池計算結果.pdf"}));

  // A refused text shows its message; no file appears.
  fs::remove(dir / "調節池計算結果.pdf");
  ResultSheet sheet = SampleSheet();
  sheet.ConditionsList.push_back("\xE2\x82\xA9");
  ui.Clear();
  EXPECT_FALSE(SavePdfReport(sheet, FormOfKind(0), dir, ui));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>(
                            {"「\xE2\x82\xA9」には Shift-JIS で書けない文字があるため、書き出せません。"}));
  EXPECT_TRUE(Files(dir).empty());
}

TEST(PdfReportTest, ThePumpStudysContentsPageListsItsChartPage) {
  ResultSheet sheet = SampleSheet();
  sheet.ContentsList = {"Ⅲ.調節池計算", "", "  -1.湛水計算         ・・・P5", "", "",
                        "Ⅳ.資　料         　　・・・P6", "", "  -1.[表1]降雨強度一覧表"};
  // The chart page's line takes the place of the empty line after "-1", and the tables move on
  // to page 7 in their own place; empty lines draw nothing.
  const PageDrawing study = Report(sheet, 2)[0];
  EXPECT_EQ(study.Texts(), std::vector<std::string>({"目　　次", "Ⅲ.調節池計算",
                                                     "  -1.湛水計算         ・・・P5",
                                                     "  -2.湛水計算(図)   ・・・P6",
                                                     "Ⅳ.資　料         　　・・・P7",
                                                     "  -1.[表1]降雨強度一覧表"}));
  const double first = study.Find("  -1.湛水計算         ・・・P5")->y;
  EXPECT_EQ(study.Find("  -2.湛水計算(図)   ・・・P6")->y, first - 14);
  EXPECT_EQ(study.Find("Ⅳ.資　料         　　・・・P7")->y, first - 3 * 14);
  // Every other kind draws the list as it stands.
  EXPECT_NE(Report(sheet, 1)[0].Find("Ⅳ.資　料         　　・・・P6"), nullptr);
  EXPECT_EQ(Report(sheet, 1)[0].Find("  -2.湛水計算(図)   ・・・P6"), nullptr);
}

TEST(PdfReportTest, ALongConditionsListKeepsEveryPageNumber) {
  // A two-stage design with computed storage lists about 73 conditions; they stay on page Ⅰ-1.
  ResultSheet sheet = SampleSheet();
  const std::vector<std::string> usual = Titles(Report(sheet, 0));
  sheet.ConditionsList.resize(73, "  HH(ｵﾘﾌｨｽ標高)     =28.000m");
  const std::vector<PageDrawing> pages = Report(sheet, 0);
  EXPECT_EQ(Titles(pages), usual);
  EXPECT_NE(pages[1].Find("Ⅰ-1.設計条件"), nullptr);
  for (const pdfdrawing::ShownText& text : pages[1].texts) {
    if (text.text.rfind("Page: ", 0) == 0) continue;
    EXPECT_GT(text.y - text.size * 0.143, 28 - 0.01) << text.text;
  }
}
