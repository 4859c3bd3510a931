// Independent readers accept what the writer produces: qpdf checks the file's structure,
// pdftotext reads the Japanese text back through the 90msp-RKSJ-H CMap, pdftoppm renders the
// pages. The tools' paths come from the build configuration; a missing tool fails the test.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

#include "pdf/tinkvale.h"
#include "pdf/tpdfcontents.h"
#include "tests/pdf/pdftestsupport.h"

using pdftest::Sjis;

namespace {

namespace fs = std::filesystem;

fs::path OutputDir(const std::string& name) {
  const fs::path dir = fs::path(VESTARO_BINARY_DIR) / "tests/pdf/output" / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string Quote(const fs::path& path) {
  return "'" + path.string() + "'";
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs `tool` with `arguments`, its standard error going to `errors`; the exit status.
int RunTool(const char* tool, const std::string& arguments, const fs::path& errors) {
  if (!fs::exists(tool)) {
    ADD_FAILURE() << "tool not found: " << tool;
    return -1;
  }
  const std::string command = Quote(tool) + " " + arguments + " 2>" + Quote(errors);
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A calculation-report-like document in font 6: frame, title, text lines, a ruled table,
// half-width katakana, Latin fonts and a centred footer on each of three pages.
void DrawPage(TInkvale& writer, int page, const std::string& title) {
  TPDFContents& canvas = writer.Canvas();
  canvas.FontIndex = 6;
  canvas.LineWidth = 1;
  canvas.Rectangle(false, 45, 817, 571, 28);
  canvas.Line(45, 797, 571, 797);
  canvas.FontSize = 12;
  canvas.TextOut(Sjis(title), 50, 802);
  canvas.FontSize = 10;
  canvas.Leading = 12;
  canvas.TextOut(Sjis("調節池計算結果\r\n流出ﾊｲﾄﾞﾛｸﾞﾗﾌ計算\r\n計画高水位 H=12.345m"), 65, 760);
  canvas.LineWidth = 0.75f;
  for (int row = 0; row <= 4; ++row) canvas.Line(65, 700 - 15.0f * row, 365, 700 - 15.0f * row);
  for (int column = 0; column <= 3; ++column)
    canvas.Line(65 + 100.0f * column, 700, 65 + 100.0f * column, 640);
  for (int row = 1; row <= 4; ++row) {
    const std::string cell = Sjis("水位") + std::to_string(row) + "(m)";
    canvas.TextOut(cell, 65 + 50 - canvas.TextWidth(cell) / 2, 700 - 15.0f * row + 3);
  }
  canvas.SetDash(3, 0, 0);
  canvas.StrokeColor = 0x0000FF;
  canvas.Line(65, 600, 365, 600);
  canvas.SetDash(0, 0, 0);
  canvas.StrokeColor = 0;
  canvas.FontIndex = 0;
  canvas.TextOut("Century (a) 0123", 65, 560);
  canvas.FontIndex = 3;
  canvas.TextOut("Arial Bold", 65, 540);
  canvas.FontIndex = 4;
  canvas.TextOut("Courier", 65, 520);
  canvas.FontIndex = 6;
  const std::string footer = "Page: " + std::to_string(page);
  canvas.TextOut(footer, 45 + (571 - 45 - canvas.TextWidth(footer)) / 2, 28 - 10 - 2);
}

fs::path WriteJapaneseDocument(const fs::path& dir) {
  const fs::path file = dir / "report.pdf";
  TInkvale writer;
  writer.Title = Sjis("設計例");
  writer.Subject = Sjis("調節池計算結果.pdf");
  writer.Author = "Vestaro";
  writer.Creator = Sjis("ソレムナ Ver2.6");
  writer.BeginDoc(std::make_unique<std::ofstream>(file, std::ios::binary | std::ios::trunc));
  DrawPage(writer, 1, "目　　次");
  writer.NewPage();
  DrawPage(writer, 2, "Ⅰ-1.設計条件");
  writer.NewPage();
  DrawPage(writer, 3, "前ページつづき");
  writer.EndDoc(true);
  return file;
}

}  // namespace

TEST(TInkvaleReadersTest, QpdfFindsNoErrorsOrWarnings) {
  const fs::path dir = OutputDir("qpdf");
  const fs::path pdf = WriteJapaneseDocument(dir);
  const fs::path errors = dir / "errors.txt";
  const std::string output = (dir / "check.txt").string();
  EXPECT_EQ(RunTool(VESTARO_QPDF, "--check " + Quote(pdf) + " >'" + output + "'", errors), 0)
      << ReadFile(output) << ReadFile(errors);
}

TEST(TInkvaleReadersTest, PdftotextReadsTheJapaneseTextBack) {
  const fs::path dir = OutputDir("pdftotext");
  const fs::path pdf = WriteJapaneseDocument(dir);
  const fs::path text = dir / "report.txt";
  const fs::path errors = dir / "errors.txt";
  ASSERT_EQ(RunTool(VESTARO_PDFTOTEXT, "-enc UTF-8 " + Quote(pdf) + " " + Quote(text), errors), 0)
      << ReadFile(errors);
  EXPECT_EQ(ReadFile(errors), "");
  const std::string extracted = ReadFile(text);
  for (const char* expected : {"調節池計算結果", "設計条件", "前ページつづき", "水位1(m)",
                               "計画高水位 H=12.345m", "Century (a) 0123", "Page: 3"}) {
    EXPECT_NE(extracted.find(expected), std::string::npos) << expected << "\n" << extracted;
  }
  // Three pages, separated by form feeds.
  EXPECT_EQ(std::count(extracted.begin(), extracted.end(), '\f'), 3) << extracted;

  const fs::path info = dir / "info.txt";
  ASSERT_EQ(RunTool(VESTARO_PDFINFO, "-enc UTF-8 " + Quote(pdf) + " >" + Quote(info), errors), 0);
  const std::string infoText = ReadFile(info);
  EXPECT_TRUE(std::regex_search(infoText, std::regex("Producer: +Inkvale0\\.4\n"))) << infoText;
  EXPECT_TRUE(std::regex_search(infoText, std::regex("Pages: +3\n"))) << infoText;
  EXPECT_TRUE(std::regex_search(infoText, std::regex("Page size: +596 x 842 pts"))) << infoText;
}

TEST(TInkvaleReadersTest, PdftoppmRendersEveryPageWithoutComplaint) {
  const fs::path dir = OutputDir("pdftoppm");
  const fs::path pdf = WriteJapaneseDocument(dir);
  const fs::path errors = dir / "errors.txt";
  ASSERT_EQ(
      RunTool(VESTARO_PDFTOPPM, "-png -r 60 " + Quote(pdf) + " " + Quote(dir / "page"), errors), 0)
      << ReadFile(errors);
  EXPECT_EQ(ReadFile(errors), "");
  for (int page = 1; page <= 3; ++page) {
    const std::string png = ReadFile(dir / ("page-" + std::to_string(page) + ".png"));
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n") << "page " << page;
  }

  // The title area (no rules cross it) holds dark pixels: the text was drawn. 72 dpi makes a
  // pixel a point; the title's baseline is at y = 802, 40 points below the page top.
  ASSERT_EQ(RunTool(VESTARO_PDFTOPPM,
                    "-gray -r 72 -f 2 -l 2 -x 50 -y 24 -W 120 -H 16 " + Quote(pdf) + " " +
                        Quote(dir / "title"),
                    errors),
            0);
  const std::string pgm = ReadFile(dir / "title-2.pgm");
  ASSERT_EQ(pgm.rfind("P5\n120 16\n255\n", 0), 0u);
  const std::string pixels = pgm.substr(14);
  ASSERT_EQ(pixels.size(), 120u * 16u);
  const auto dark = std::count_if(pixels.begin(), pixels.end(),
                                  [](char c) { return static_cast<unsigned char>(c) < 128; });
  EXPECT_GT(dark, 100);
}
