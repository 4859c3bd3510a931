// Independent readers accept the whole report: qpdf checks its structure, pdfinfo its
// information and page count, pdftotext reads its titles and list lines back, and pdftoppm
// renders every page (the pictures stay under the build tree for a look).

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "reports/pdfreport.h"
#include "tests/reports/samplesheet.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"

namespace fs = std::filesystem;
using pdftools::Quote;
using pdftools::RunTool;
using testing_support::ReadBytes;

namespace {

struct Case {
  const char* name;
  int calcKind;
  int pages;
  std::vector<std::string> kindTexts;  // texts of the pond pages of this kind
};

fs::path WriteReport(const fs::path& dir, int calcKind) {
  DesignForm form;
  form.DesignName = "設計例";
  form.ActiveCalcKind = calcKind;
  std::ofstream out(dir / "調節池計算結果.pdf", std::ios::binary);
  EXPECT_EQ(WritePdfReport(out, samplesheet::SampleSheet(50, 96), form), "");
  return dir / "調節池計算結果.pdf";
}

}  // namespace

TEST(PdfReportReadersTest, ReadersAcceptTheReportOfEveryKind) {
  // Kind 0: contents, Ⅰ-1, Ⅰ-2, Ⅱ-1, Ⅱ-2, Ⅲ-1, Ⅲ-2, table 1 on two pages, tables 2 and 3,
  // table 4 on three pages. Kind 3 has neither Ⅲ-2 nor table 4.
  for (const Case& c :
       {Case{"kind0", 0, 14, {"Qout=1.440m3/s", "1,296", "Qo：ｵﾘﾌｨｽ放流量"}},
        Case{"kind2", 2, 14, {"湛水計算結果を図示する。", "内水計算結果", "表4:湛水計算"}},
        Case{"kind3", 3, 10, {}}}) {
    SCOPED_TRACE(c.name);
    const fs::path dir = pdftools::OutputDir(std::string("tests/reports/output/") + c.name);
    const fs::path pdf = WriteReport(dir, c.calcKind);
    const fs::path errors = dir / "errors.txt";

    EXPECT_EQ(RunTool(VESTARO_QPDF, "--check " + Quote(pdf) + " >" + Quote(dir / "check.txt"),
                      errors),
              0)
        << ReadBytes(dir / "check.txt") << ReadBytes(errors);

    ASSERT_EQ(RunTool(VESTARO_PDFINFO, "-enc UTF-8 " + Quote(pdf) + " >" + Quote(dir / "info.txt"),
                      errors),
              0);
    const std::string info = ReadBytes(dir / "info.txt");
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +" + std::to_string(c.pages) + "\n")))
        << info;
    // pdfinfo shows the language escape before each text as one character of its own.
    for (const char* line : {"Title: +[^\n]*設計例\n", "Subject: +[^\n]*調節池計算結果\\.pdf\n",
                             "Author: +[^\n]*Vestaro\n", "Creator: +[^\n]*ソレムナ Ver2\\.6\n"}) {
      EXPECT_TRUE(std::regex_search(info, std::regex(line))) << line << "\n" << info;
    }

    ASSERT_EQ(RunTool(VESTARO_PDFTOTEXT, "-enc UTF-8 " + Quote(pdf) + " " + Quote(dir / "text.txt"),
                      errors),
              0);
    EXPECT_EQ(ReadBytes(errors), "");
    const std::string text = ReadBytes(dir / "text.txt");
    std::vector<std::string> texts = {
        "Ⅰ-1.設計条件", "Ⅱ-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算", "Ⅳ.資料-3:[表3]流出量", "前ページつづき",
        "-1.流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算 ・・・P3", "最大流入量 Q=3.456m3/s", "余水吐敷高=26.000m",
        "I1=100.000mm/hr", "Page: 9"};
    texts.insert(texts.end(), c.kindTexts.begin(), c.kindTexts.end());
    for (const std::string& expected : texts) {
      EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), c.pages);

    ASSERT_EQ(RunTool(VESTARO_PDFTOPPM, "-png -r 70 " + Quote(pdf) + " " + Quote(dir / "page"),
                      errors),
              0);
    EXPECT_EQ(ReadBytes(errors), "");
    for (int page = 1; page <= c.pages; ++page) {
      const std::string number = (page < 10 ? "0" : "") + std::to_string(page);
      EXPECT_EQ(ReadBytes(dir / ("page-" + number + ".png")).substr(0, 8), "\x89PNG\r\n\x1A\n")
          << "page " << page;
    }
  }
}
