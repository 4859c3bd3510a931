// vestaro-batch calc --print-pdf writes the printed report as a PDF that independent readers
// accept, with the title of every layout it prints and the footers of the table pages, for the
// start-up design and a pump study; the pages are rendered under the build tree for a look.

#include "cli/printedreportpdf.h"

#include <gtest/gtest.h>

#include "cli/calccommand.h"
#include "core/design/designfile.h"
#include "core/interaction/recordinginteraction.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"

namespace fs = std::filesystem;
using pdftools::Comparable;
using pdftools::Quote;
using pdftools::RunTool;

namespace {

fs::path Design(const fs::path& dir, int pumpCalcKind) {
  DesignForm form = StartupDesignForm();
  if (pumpCalcKind >= 0) {
    form.SelectOutletPage(1);
    form.ChoosePumpCalcKind(pumpCalcKind);
  }
  RecordingInteraction ui;
  EXPECT_TRUE(SaveConditions(form, dir / "design.dat", ui));
  return dir / "design.dat";
}


}  // namespace

TEST(PrintedReportPdfTest, EveryLayoutIsPrintedWithItsTitleAndTheTableFooters) {
  struct Case {
    const char* name;
    int pumpCalcKind;
    std::vector<std::string> present, absent;
  };
  const std::vector<std::string> common = {
      "目　　次", "Ⅰ-1．設計条件", "[表1]：調節池データ", "Ⅰ-2．設計条件(図)",
      "水位(H)～放流量(Q)曲線", "Ⅱ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算", "Ⅱ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(図)",
      "Ⅳ-1．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表1：降雨強度)", "Ⅳ-2．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表2：降雨波形:ﾊｲｴﾄｸﾞﾗﾌ)",
      "Ⅳ-3．流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(表3：流出量)", "表1 - 1", "表1 - 2", "表2 - 1", "表3 - 1", "表4 - 1",
      "P1", "P4", "P5"};
  for (const Case& c : {Case{"startup", -1, {"Ⅲ-1．調節池計算", "Ⅲ-2．調節池計算(図)", "流入量",
                                        "Ⅳ.資料-4[表4]調節池計算", "表4 - 3", "P6"},
                      {"Ⅲ-1．湛水計算"}},
                 Case{"pumpstudy", 1, {"Ⅲ-1．湛水計算", "内水計算結果", "Ⅳ.資料-4[表4]湛水計算結果"},
                      {"Ⅲ-2．調節池計算(図)"}}}) {
    SCOPED_TRACE(c.name);
    const fs::path dir = pdftools::OutputDir(std::string("printed-report/") + c.name);
    std::ostringstream err;
    ASSERT_EQ(RunCalcCommand({Design(dir, c.pumpCalcKind).string(), "--out", dir.string(),
                              "--print-pdf"},
                             err),
              0)
        << err.str();
    const fs::path pdf = dir / "計算書印刷.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_EQ(RunTool(VESTARO_QPDF, "--check " + Quote(pdf) + " >/dev/null", dir / "qpdf.err"), 0);
    ASSERT_EQ(RunTool(VESTARO_PDFTOTEXT, "-layout " + Quote(pdf) + " " + Quote(dir / "text.txt"),
                      dir / "pdftotext.err"),
              0);
    const std::string text = Comparable(testing_support::ReadBytes(dir / "text.txt"));
    for (const std::vector<std::string>* list : {&common, &c.present}) {
      for (const std::string& wanted : *list) {
        EXPECT_NE(text.find(Comparable(wanted)), std::string::npos) << wanted;
      }
    }
    for (const std::string& unwanted : c.absent) {
      EXPECT_EQ(text.find(Comparable(unwanted)), std::string::npos) << unwanted;
    }
    EXPECT_EQ(RunTool(VESTARO_PDFTOPPM, "-png -r 50 " + Quote(pdf) + " " + Quote(dir / "page"),
                      dir / "pdftoppm.err"),
              0);
  }
}
