#include "pdf/tinkvale.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "pdf/pdferror.h"
#include "pdf/tpdfcontents.h"
#include "pdf/tpdffont.h"
#include "pdf/tpdffontdef.h"
#include "tests/pdf/pdftestsupport.h"

using pdftest::ObjectBody;
using pdftest::Sjis;

namespace {

const char kNoDocument[] = "BeginDocが呼び出されていません";

template <class Action>
void ExpectPdfError(Action action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const PdfError& error) {
    EXPECT_EQ(error.what(), message);
  }
}

std::string EmptyDocument(TInkvale& writer) {
  std::ostringstream out;
  writer.BeginDoc(&out);
  writer.EndDoc(false);
  return out.str();
}

}  // namespace

TEST(TInkvaleTest, SmallestDocumentMatchesTheWorkedLayoutByteForByte) {
  TInkvale writer;
  writer.Clock = pdftest::FixedTime;
  const std::string pdf = EmptyDocument(writer);

  const std::string none = "<FEFF001B6A61001B>";
  const std::string expected =
      "%PDF-1.2 \r\n"
      "1 0 obj\r\n<<\r\n/Type /Catalog\r\n/Pages 2 0 R\r\n>>\r\nendobj\r\n"
      "2 0 obj\r\n<<\r\n/Kids [4 0 R ]\r\n/Count 1\r\n/Type /Pages\r\n"
      "/MediaBox [ 0 0 596 842 ]\r\n>>\r\nendobj\r\n"
      "3 0 obj\r\n<<\r\n/CreationDate (D:20240305070809)\r\n/Creator " +
      none + "\r\n/Producer (Inkvale0.4)\r\n/Author " + none + "\r\n/Title " + none +
      "\r\n/Subject " + none +
      "\r\n>>\r\nendobj\r\n"
      "4 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 2 0 R\r\n/Resources <<\r\n/Font <<\r\n>>\r\n"
      "/ProcSet [ /PDF /Text ]\r\n>>\r\n/Contents 5 0 R\r\n>>\r\nendobj\r\n"
      "5 0 obj\r\n<<\r\n/Length 0\r\n>>\r\nstream\r\n\nendstream\r\nendobj\r\n"
      "xref\r\n0 6\r\n0000000000 65535 f\r\n0000000011 00000 n\r\n0000000066 00000 n\r\n"
      "0000000158 00000 n\r\n0000000354 00000 n\r\n0000000482 00000 n\r\n"
      "trailer\r\n<<\r\n/Size 6\r\n/Root 1 0 R\r\n/Info 3 0 R\r\n>>\r\nstartxref\r\n538\r\n"
      "%%EOF\r\n";
  EXPECT_EQ(pdf, expected);
  EXPECT_EQ(pdf.size(), 744u);
  EXPECT_EQ(pdf.find("1 0 obj"), 11u);
  EXPECT_EQ(pdf.find("5 0 obj"), 482u);
  EXPECT_EQ(pdf.find("xref"), 538u);
  EXPECT_EQ(writer.PageCount(), 1);
  EXPECT_FALSE(writer.InDocument());

  // Without a clock the local time is written: fourteen digits, nothing else.
  TInkvale local;
  const std::string dated = EmptyDocument(local);
  EXPECT_TRUE(std::regex_search(dated, std::regex("/CreationDate \\(D:[0-9]{14}\\)\r\n")));
  EXPECT_EQ(dated.size(), 744u);
}

TEST(TInkvaleTest, NumbersLazilyCreatedFontsInCreationOrderAndListsThemOnEveryPage) {
  TInkvale writer;
  std::ostringstream out;
  writer.BeginDoc(&out);
  writer.NewPage();  // 6, 7
  writer.Canvas().FontIndex = 6;
  writer.Canvas().TextOut(Sjis("調節池"), 50, 802);  // 8, 9, 10
  writer.Canvas().FontIndex = 2;
  writer.Canvas().TextWidth("x");  // measuring alone creates the font: 11, 12
  writer.NewPage();                // 13, 14
  writer.Canvas().FontIndex = 6;
  writer.Canvas().TextOut("A", 1, 2);  // no new objects
  EXPECT_TRUE(writer.FontCreated(6));
  EXPECT_TRUE(writer.FontCreated(2));
  EXPECT_FALSE(writer.FontCreated(0));
  EXPECT_EQ(&writer.GetFont(6), &writer.Fonts().Items(0));
  writer.EndDoc(false);
  const std::string pdf = out.str();

  EXPECT_EQ(writer.Objects().Count(), 14);
  EXPECT_EQ(writer.PageCount(), 3);
  pdftest::ExpectConsistentXref(pdf, 14);
  EXPECT_NE(pdf.find("/Kids [4 0 R 6 0 R 13 0 R ]\r\n/Count 3\r\n"), std::string::npos);
  EXPECT_NE(pdf.find("/Size 15\r\n/Root 1 0 R\r\n/Info 3 0 R\r\n"), std::string::npos);
  EXPECT_NE(ObjectBody(pdf, 8).find("/Name /F0\r\n/Subtype /Type0"), std::string::npos);
  EXPECT_NE(ObjectBody(pdf, 9).find("/Subtype /CIDFontType2"), std::string::npos);
  EXPECT_NE(ObjectBody(pdf, 10).find("/Type /FontDescriptor"), std::string::npos);
  EXPECT_NE(ObjectBody(pdf, 11).find("/Name /F1\r\n/Subtype /TrueType\r\n/BaseFont /Arial\r\n"),
            std::string::npos);
  EXPECT_NE(ObjectBody(pdf, 12).find("/FontName /Arial\r\n"), std::string::npos);
  // Every page, the first one included, names every font of the document.
  for (int page : {4, 6, 13}) {
    EXPECT_NE(ObjectBody(pdf, page).find("/Font <<\r\n/F0 8 0 R\r\n/F1 11 0 R\r\n>>\r\n"),
              std::string::npos)
        << "page " << page;
  }
  EXPECT_NE(ObjectBody(pdf, 6).find("/Contents 7 0 R"), std::string::npos);
  EXPECT_NE(ObjectBody(pdf, 7).find("BT\r/F0 10 Tf\r"), std::string::npos);
  EXPECT_NE(ObjectBody(pdf, 14).find("(A) Tj\r"), std::string::npos);
}

TEST(TInkvaleTest, OverwritesTheStreamFromItsStartAndStartsEachDocumentAfresh) {
  TInkvale writer;
  writer.Clock = pdftest::FixedTime;
  std::ostringstream out;
  out << "old bytes that must not survive";
  writer.BeginDoc(&out);
  writer.Canvas().FontIndex = 0;
  writer.Canvas().TextOut("first", 0, 0);
  writer.EndDoc(false);
  const std::string first = out.str();
  EXPECT_EQ(first.rfind("%PDF-1.2 \r\n", 0), 0u);
  EXPECT_EQ(first.find("old bytes"), std::string::npos);

  // The same writer again: the previous objects are gone, numbering and fonts start afresh.
  std::ostringstream again;
  writer.BeginDoc(&again);
  EXPECT_EQ(writer.Objects().Count(), 5);
  EXPECT_FALSE(writer.FontCreated(0));
  writer.Canvas().FontIndex = 0;
  writer.Canvas().TextOut("first", 0, 0);
  writer.EndDoc(false);
  EXPECT_EQ(again.str(), first);

  // Page size is taken at BeginDoc; values that are not positive keep the default.
  writer.PageWidth = 842;
  writer.PageHeight = 596;
  EXPECT_NE(EmptyDocument(writer).find("/MediaBox [ 0 0 842 596 ]"), std::string::npos);
  writer.PageWidth = 0;
  writer.PageHeight = -5;
  EXPECT_NE(EmptyDocument(writer).find("/MediaBox [ 0 0 596 842 ]"), std::string::npos);
}

TEST(TInkvaleTest, WritesTheSameFileIntoEveryKindOfStringStream) {
  // A few pages of cells, so that the file outgrows any small buffer.
  const auto write = [](std::ostream& out) {
    TInkvale writer;
    writer.Clock = pdftest::FixedTime;
    writer.BeginDoc(&out);
    for (int page = 0; page < 3; ++page) {
      if (page > 0) writer.NewPage();
      writer.Canvas().FontIndex = 6;
      for (int i = 0; i < 400; ++i) {
        writer.Canvas().TextOut(Sjis("水位 ") + std::to_string(i), 50, static_cast<float>(i));
      }
    }
    writer.EndDoc(false);
  };
  std::ostringstream plain;
  write(plain);
  const std::string pdf = plain.str();
  ASSERT_GT(pdf.size(), 30000u);

  // Read and written through the same buffer.
  std::stringstream both;
  write(both);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(both), {}), pdf);
  // Room set aside for less than the file.
  std::string small;
  small.reserve(100);
  std::ostringstream reserved(std::move(small));
  write(reserved);
  EXPECT_EQ(reserved.str(), pdf);
  // A stream that held more than the new file keeps the tail of what it held.
  const std::string old(pdf.size() + 10, '#');
  std::ostringstream longer(old);
  write(longer);
  EXPECT_EQ(longer.str(), pdf + std::string(10, '#'));
  // More is written behind the file as into any stream.
  plain << "%tail";
  EXPECT_EQ(plain.str(), pdf + "%tail");
}

TEST(TInkvaleTest, ReportsMisuseAndStreamFailuresWithItsMessages) {
  TInkvale writer;
  ExpectPdfError([&] { writer.Canvas(); }, kNoDocument);
  ExpectPdfError([&] { writer.NewPage(); }, kNoDocument);
  ExpectPdfError([&] { writer.EndDoc(false); }, kNoDocument);
  ExpectPdfError([&] { writer.BeginDoc(static_cast<std::ostream*>(nullptr)); }, "Invarid Stream");
  ExpectPdfError([&] { writer.BeginDoc(std::unique_ptr<std::ostream>()); }, "Invarid Stream");

  std::ostringstream out;
  writer.BeginDoc(&out);
  TPDFContents& first = writer.Canvas();
  // A null stream in the middle of a document changes nothing.
  ExpectPdfError([&] { writer.BeginDoc(static_cast<std::ostream*>(nullptr)); }, "Invarid Stream");
  EXPECT_EQ(&writer.Canvas(), &first);
  EXPECT_TRUE(writer.InDocument());
  EXPECT_EQ(writer.Stream(), &out);

  ExpectPdfError([&] { writer.Objects().Items(5); }, "Internel Error Invalid Index 5");
  ExpectPdfError([&] { writer.Fonts().Items(-1); }, "Internel Error Invalid Index -1");
  ExpectPdfError([&] { writer.GetFont(8); }, "このフォントは現在サポートされていません (8)");
  ExpectPdfError([&] { writer.GetFont(-1); }, "このフォントは現在サポートされていません (-1)");
  writer.Canvas().FontIndex = 200;
  ExpectPdfError([&] { writer.Canvas().TextOut("x", 0, 0); },
                 "このフォントは現在サポートされていません (200)");
  EXPECT_EQ(writer.Objects().Count(), 5);

  writer.EndDoc(false);
  ExpectPdfError([&] { writer.Canvas(); }, kNoDocument);
  ExpectPdfError([&] { writer.NewPage(); }, kNoDocument);
  ExpectPdfError([&] { writer.EndDoc(false); }, kNoDocument);

  // A stream that cannot take the bytes is an error, not a silently short file.
  std::ofstream full("/dev/full", std::ios::binary);
  ASSERT_TRUE(full.is_open());
  writer.BeginDoc(&full);
  ExpectPdfError([&] { writer.EndDoc(false); }, "Stream Write Error");
  // A stream that raises its own exceptions keeps raising them.
  struct Refusing : std::streambuf {
  } refusing;  // can neither seek nor take bytes
  std::ostream throwing(&refusing);
  throwing.exceptions(std::ios::badbit | std::ios::failbit);
  writer.BeginDoc(&throwing);
  EXPECT_THROW(writer.EndDoc(false), std::ios_base::failure);
}
