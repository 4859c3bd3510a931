#include "reports/textreport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/interaction/recordinginteraction.h"
#include "core/text/cp932.h"
#include "tests/support/designforms.h"
#include "tests/support/testfiles.h"

using testing_support::ReadBytes;
using testing_support::ScratchDir;

namespace {

std::string Cp932(std::string_view utf8) {
  return Utf8ToCp932(utf8).value();
}

std::string Report(const ResultSheet& sheet, const DesignForm& form) {
  std::ostringstream out;
  EXPECT_EQ(WriteTextReport(out, sheet, form), "");
  return out.str();
}

// A report's bytes from `heading` up to the next blank line that follows the heading's block.
std::string Section(const std::string& report, std::string_view heading, std::size_t lines) {
  std::size_t at = report.find(Cp932(heading) + "\r\n");
  if (at == std::string::npos) return {};
  std::size_t end = at;
  for (std::size_t i = 0; i <= lines && end != std::string::npos; ++i)
    end = report.find("\r\n", end) + 2;
  return report.substr(at, end - at);
}

}  // namespace

TEST(TextReportTest, TableFieldsAreCountedInShiftJisBytes) {
  ResultSheet sheet;
  ResetTableRows(sheet.StageTable, 5);
  sheet.StageTable.SetRowFromCommaText(2, "1.00,250.0,0.0");
  sheet.StageTable.SetRowFromCommaText(3, ",250.0,0.0");  // an empty first cell: an empty line
  sheet.StageTable.SetRowFromCommaText(4, "123456789012345,x");  // longer than the field: whole
  DesignForm form = StartupDesignForm();
  std::string report = Report(sheet, form);
  EXPECT_EQ(Section(report, "2.調節池データ", 6),
            Cp932("2.調節池データ\r\n"
                  "     標高(H):     面積(F):   貯水量(V):\r\n"
                  "         (m):        (m2):        (m3):\r\n"
                  "        1.00:       250.0:         0.0:\r\n"
                  "\r\n"
                  "123456789012345:           x:\r\n"
                  "\r\n"));
  // The unit row of the intensity table ends at its empty fifth cell; 分 counts two bytes.
  EXPECT_EQ(Section(report, "降雨強度(In)", 3),
            Cp932("降雨強度(In)\r\n"
                  "         -:     n･Δt:      時間:         r:      n･rn:        In:\r\n"
                  "        No:        分:     時:分:   (mm/hr):\r\n"
                  "\r\n"));
  EXPECT_EQ(report.rfind(Cp932("ソレムナ Ver2.5\r\n\r\n"), 0), 0u);
}

TEST(TextReportTest, ThePondSectionFollowsTheOutletPageShownNow) {
  ResultSheet sheet;
  sheet.RoutingText = {"Ⅲ-1.調節池計算"};
  sheet.RoutingTable.SetRowCount(2);
  DesignForm form = StartupDesignForm();
  const std::string routingHeader =
      "         -:      時間:      時間:    流入量:    放流量:   放流量':      水位:      面積:    "
      "  容量:\r\n"
      "        No:        分:     時:分:    (m3/s):    (m3/s):    (m3/s):       (m):     F(m2):    "
      " V(m3):\r\n"
      "\r\n";
  std::string tail = Cp932("流出ﾊｲﾄﾞﾛｸﾞﾗﾌ(Q)\r\n");
  auto pondSection = [&](const DesignForm& f) {
    std::string report = Report(sheet, f);
    std::size_t runoff = report.find(tail);
    std::size_t afterRunoff = report.find("\r\n\r\n", runoff) + 4;  // the runoff table's blank
    return report.substr(afterRunoff);
  };
  EXPECT_EQ(pondSection(form),
            Cp932("\r\nⅢ-1.調節池計算\r\n\r\n\r\n調節池計算結果一覧表\r\n" + routingHeader));
  form.SelectOutletPage(1);
  EXPECT_EQ(pondSection(form),
            Cp932("\r\n\r\nⅢ-1.調節池計算\r\n\r\n4.調節池計算結果(水位追跡)\r\n" + routingHeader));
  form.ChoosePumpCalcKind(1);
  EXPECT_EQ(pondSection(form), Cp932("\r\n4.湛水グラフ(ポンプ検討)\r\n" + routingHeader));
  form.ChoosePumpCalcKind(-1);
  EXPECT_EQ(pondSection(form), Cp932("\r\n"));
}

TEST(TextReportTest, TheCommandAsksWritesTheFixedFileAndSaysSo) {
  std::filesystem::path dir = ScratchDir();
  ResultSheet sheet;
  DesignForm form = StartupDesignForm();
  RecordingInteraction ui;
  ui.QueueAnswers({false});
  EXPECT_FALSE(RunTextReport(sheet, form, dir, ui));
  EXPECT_FALSE(std::filesystem::exists(dir / kTextReportFileName));
  const std::string question =
      "計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　調節池.txt\rです。";
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{question});

  ui.Clear();
  EXPECT_TRUE(RunTextReport(sheet, form, dir, ui));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{question, "テキスト出力終わりました。"}));
  EXPECT_EQ(ReadBytes(dir / "調節池.txt"), Report(sheet, form));

  // A text that Shift-JIS cannot hold is refused with its reason; the earlier file stays whole.
  sheet.ConditionsList = {"\xF0\x9F\x98\x80"};
  ui.Clear();
  EXPECT_FALSE(RunTextReport(sheet, form, dir, ui));
  ASSERT_EQ(ui.Texts().size(), 2u);
  EXPECT_NE(ui.Texts()[1].find("Shift-JIS"), std::string::npos);
  EXPECT_EQ(ReadBytes(dir / "調節池.txt"), Report(ResultSheet(), form));

  ui.Clear();
  EXPECT_FALSE(RunTextReport(ResultSheet(), form, dir / "missing", ui));
  ASSERT_EQ(ui.Texts().size(), 2u);
  EXPECT_NE(ui.Texts()[1].find("Cannot"), std::string::npos);
}
