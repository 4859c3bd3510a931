// vestaro-batch calc writes a PDF report that independent readers accept: for the start-up
// design and a pump-study design, qpdf checks it, pdfinfo counts its pages, pdftotext gives
// back the page titles and every line of the result lists, and pdftoppm renders every page
// (the pictures stay under the build tree for a look).

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "cli/calccommand.h"
#include "core/design/designfile.h"
#include "core/interaction/progressbar.h"
#include "core/interaction/recordinginteraction.h"
#include "results/runcalculation.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"

namespace fs = std::filesystem;
using pdftools::Comparable;
using pdftools::Quote;
using pdftools::RunTool;
using testing_support::ReadBytes;

namespace {

constexpr int kHeaderRows = 2;
constexpr int kRowsPerPage = 48;

// Pages of a table: one when it fits, else as many as its data rows need at 46 a page.
int TablePages(const StringGrid& table) {
  const int rows = table.RowCount();
  if (rows <= kRowsPerPage) return 1;
  const int perPage = kRowsPerPage - kHeaderRows;
  return (rows - kHeaderRows + perPage - 1) / perPage;
}


fs::path PumpStudyDesign(const fs::path& dir) {
  DesignForm form = StartupDesignForm();
  form.SelectOutletPage(1);
  form.ChoosePumpCalcKind(1);  // "ポンプ検討"
  RecordingInteraction ui;
  EXPECT_TRUE(SaveConditions(form, dir / "pumpstudy.dat", ui));
  return dir / "pumpstudy.dat";
}

// The sheet the calc command fills for `design`.
ResultSheet SheetOf(const fs::path& design, DesignForm& form) {
  form = StartupDesignForm();
  RecordingInteraction ui;
  EXPECT_TRUE(LoadConditions(form, design, ui));
  ResultSheet sheet;
  NoProgressBar progress;
  EXPECT_TRUE(RunCalculation(form, sheet, ui, progress));
  return sheet;
}

void CheckReport(const fs::path& dir, const fs::path& design, int calcKind,
                 const std::vector<std::string>& pondTitles) {
  std::ostringstream err;
  ASSERT_EQ(RunCalcCommand({design.string(), "--out", dir.string()}, err), 0) << err.str();
  EXPECT_NE(err.str().find("調節池計算結果.pdfを作成しました\n"), std::string::npos);
  DesignForm form;
  const ResultSheet sheet = SheetOf(design, form);
  ASSERT_EQ(form.ActiveCalcKind, calcKind);
  const fs::path pdf = dir / "調節池計算結果.pdf";
  const fs::path errors = dir / "errors.txt";

  EXPECT_EQ(RunTool(VESTARO_QPDF, "--check " + Quote(pdf) + " >" + Quote(dir / "check.txt"),
                    errors),
            0)
      << ReadBytes(dir / "check.txt") << ReadBytes(errors);

  // Contents, Ⅰ-1, Ⅰ-2, Ⅱ-1, Ⅱ-2, Ⅲ-1 and Ⅲ-2, then the four tables.
  const int pages = 7 + TablePages(sheet.IntensityTable) + TablePages(sheet.HyetographTable) +
                    TablePages(sheet.RunoffTable) + TablePages(sheet.RoutingTable);
  ASSERT_EQ(RunTool(VESTARO_PDFINFO, Quote(pdf) + " >" + Quote(dir / "info.txt"), errors), 0);
  const std::string info = ReadBytes(dir / "info.txt");
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +" + std::to_string(pages) + "\n")))
      << pages << "\n" << info;

  ASSERT_EQ(RunTool(VESTARO_PDFTOTEXT, "-layout -enc UTF-8 " + Quote(pdf) + " " + Quote(dir / "text.txt"),
                    errors),
            0);
  const std::string text = ReadBytes(dir / "text.txt");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), pages);
  const std::string compact = Comparable(text);
  std::vector<std::string> expected = {"Ⅰ-1.設計条件", "Ⅰ-2.設計条件(図)",
                                       "Ⅱ-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算", "Ⅱ-2.流出ハイドログラフ(図)",
                                       "Ⅲ-1.調節池計算", "Ⅳ.資料-1:[表1]降雨強度",
                                       "Ⅳ.資料-2:[表2]降雨波形(ﾊｲｴﾄｸﾞﾗﾌ)", "Ⅳ.資料-3:[表3]流出量"};
  expected.insert(expected.end(), pondTitles.begin(), pondTitles.end());
  for (const TextList* list :
       {&sheet.ContentsList, &sheet.ConditionsList, &sheet.HyetographText, &sheet.RoutingText}) {
    expected.insert(expected.end(), list->begin(), list->end());
  }
  if (calcKind == 2) {
    // The pump study's book also lists its ponding chart page, so the tables start on page 7.
    std::replace(expected.begin(), expected.end(), std::string("Ⅳ.資　料         　　・・・P6"),
                 std::string("Ⅳ.資　料         　　・・・P7"));
    expected.push_back("  -2.湛水計算(図)   ・・・P6");
  }
  for (const std::string& line : expected) {
    EXPECT_NE(compact.find(Comparable(line)), std::string::npos) << "[" << line << "]";
  }

  ASSERT_EQ(RunTool(VESTARO_PDFTOPPM, "-png -r 70 " + Quote(pdf) + " " + Quote(dir / "page"),
                    errors),
            0);
  EXPECT_EQ(ReadBytes(errors), "");
  int rendered = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() != ".png") continue;
    EXPECT_EQ(ReadBytes(entry.path()).substr(0, 8), "\x89PNG\r\n\x1A\n") << entry.path();
    ++rendered;
  }
  EXPECT_EQ(rendered, pages);
}

}  // namespace

TEST(CalcCommandReadersTest, StartupDesignReport) {
  const fs::path dir = pdftools::OutputDir("tests/cli/output/startup");
  CheckReport(dir, testing_support::DataFile("design/startup.dat"), 0,
              {"Ⅲ-2.調節池計算(図)", "Ⅳ.資料-4:[表4]調節池計算", "時間～流入量、放流量",
               "Qo：ｵﾘﾌｨｽ放流量"});
}

TEST(CalcCommandReadersTest, PumpStudyDesignReport) {
  const fs::path dir = pdftools::OutputDir("tests/cli/output/pumpstudy");
  CheckReport(dir, PumpStudyDesign(dir), 2,
              {"Ⅲ-2.湛水計算(図)", "内水計算結果", "Ⅳ.資料-4:[表4]湛水計算", "表4:湛水計算"});
}
