#include "pdf/tpdfcontents.h"

#include <gtest/gtest.h>

#include <sstream>

#include "pdf/tinkvale.h"
#include "pdf/tpdffont.h"
#include "tests/pdf/pdftestsupport.h"

using pdftest::CrLines;
using pdftest::Sjis;

namespace {

// A writer in a document whose canvas starts empty, with default state.
class TPDFContentsTest : public ::testing::Test {
 protected:
  TPDFContentsTest() { writer.BeginDoc(&out); }
  TPDFContents& canvas() { return writer.Canvas(); }

  std::ostringstream out;
  TInkvale writer;
};

const std::string kTextState = CrLines({"BT", "/F0 10 Tf", "0 0 0 rg ", "0 TL", "0 Tc", "0 Tw"});

}  // namespace

TEST_F(TPDFContentsTest, TextOutSetsTheWholeTextStateAndEscapesLiteralText) {
  canvas().TextOut("(a)\\b", 10, 20);
  EXPECT_EQ(canvas().Data, kTextState + CrLines({"10 20 Td", "(\\(a\\)\\\\b) Tj", "ET"}));

  // Every call repeats the state, now with values that exercise the number format; single
  // bytes above 0x7F (half-width katakana here) stay literal and unescaped.
  canvas().Data.clear();
  canvas().FontSize = 10.5f;
  canvas().FillColor = 0x0000FF;
  canvas().Leading = 12;
  canvas().CharSpacing = 0.125f;
  canvas().WordSpacing = -1.234f;
  canvas().TextOut("\xB6\xDE", 0.375f, -0.004f);
  EXPECT_EQ(canvas().Data, CrLines({"BT", "/F0 10.5 Tf", "1 0 0 rg ", "12 TL", "0.13 Tc",
                                    "-1.22 Tw", "0.38 0 Td", "(\xB6\xDE) Tj", "ET"}));
  canvas().Data.clear();
  canvas().FillColor = 0x80FF00;  // green 255, blue 128
  canvas().TextOut("", 1, 2);
  EXPECT_EQ(canvas().Data, CrLines({"BT", "/F0 10.5 Tf", "0 1 0.5 rg ", "12 TL", "0.13 Tc",
                                    "-1.22 Tw", "1 2 Td", "ET"}));
}

TEST_F(TPDFContentsTest, TextOutShowsLinesWithTwoByteCharactersInHex) {
  const std::string lines = "ab\r\n" + Sjis("表") + "1\r(x)\r";
  canvas().TextOut(lines, 0, 0);
  EXPECT_EQ(canvas().Data, kTextState + CrLines({"0 0 Td", "(ab) Tj", "T*", "<955C31> Tj", "T*",
                                                 "(\\(x\\)) Tj", "ET"}));

  // An empty line still advances; a lone LF is an ordinary byte; a lead byte at the end of a
  // line is enough for hex.
  canvas().Data.clear();
  canvas().TextOut("a\r\rb\nc\r\x81", 0, 0);
  EXPECT_EQ(canvas().Data, kTextState + CrLines({"0 0 Td", "(a) Tj", "T*", "T*", "(b\nc) Tj", "T*",
                                                 "<81> Tj", "ET"}));
}

// A long text, of many lines of bytes that take the most room, is written as its lines would
// be one by one.
TEST_F(TPDFContentsTest, LongTextsAreWrittenWhole) {
  auto repeated = [](std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
  };
  std::string text;
  std::string expected = kTextState + "0 0 Td\r";
  for (int line = 0; line < 400; ++line) {
    if (line > 0) expected += "T*\r";
    const bool hex = line % 2 != 0;
    text += repeated(hex ? "\x81" : "(", line) + "\r";
    if (line > 0) expected += hex ? "<" + repeated("81", line) + "> Tj\r" : "(" + repeated("\\(", line) + ") Tj\r";
  }
  canvas().TextOut(text, 0, 0);
  EXPECT_EQ(canvas().Data, expected + "ET\r");
}

TEST_F(TPDFContentsTest, TextWidthMeasuresSingleAndTwoByteCharactersWithSpacing) {
  canvas().FontIndex = 6;
  EXPECT_FLOAT_EQ(canvas().TextWidth(Sjis("池")), 10.0f);
  EXPECT_TRUE(writer.FontCreated(6));
  EXPECT_FLOAT_EQ(canvas().TextWidth("\xB6"), 4.79f);  // half-width katakana, 479
  EXPECT_FLOAT_EQ(canvas().TextWidth("~"), 0.0f);      // code 126 has no width
  canvas().CharSpacing = 2;
  EXPECT_FLOAT_EQ(canvas().TextWidth(Sjis("調節")), 22.0f);  // spacing between, not after
  EXPECT_FLOAT_EQ(canvas().TextWidth("A" + Sjis("池")), 4.79f + 2 + 10);
  EXPECT_FLOAT_EQ(canvas().TextWidth(Sjis("池") + "A"), 10 + 2 + 4.79f);

  canvas().FontIndex = 0;
  canvas().CharSpacing = 1;
  const TPDFFont& century = writer.GetFont(0);
  EXPECT_FLOAT_EQ(canvas().TextWidth("ab"),
                  (century.GetWidth('a') + century.GetWidth('b')) * 10 / 1000.0f + 1);
  canvas().CharSpacing = 0;
  canvas().WordSpacing = 3;
  canvas().FontSize = 12;
  EXPECT_FLOAT_EQ(canvas().TextWidth("1 1"), (533 + 266 + 533) * 12 / 1000.0f + 3);
  EXPECT_FLOAT_EQ(canvas().TextWidth(""), 0.0f);
  EXPECT_TRUE(canvas().Data.empty());
}

TEST_F(TPDFContentsTest, LinesRectanglesClipsAndDashesWriteTheirOperators) {
  canvas().StrokeColor = 0x00FF00;
  canvas().LineCap = 1;
  canvas().LineWidth = 0.75f;
  canvas().Line(45, 797, 571, 797.5f);
  EXPECT_EQ(canvas().Data,
            CrLines({"45 797 m", "1 J", "0 1 0 RG ", "0.75 w", "571 797.5 l", "S", "n"}));
  // Every line repeats its state, whether it changed since the last line or not.
  canvas().Data.clear();
  canvas().Line(1, 2, 3, 4);
  canvas().LineWidth = 2;
  canvas().Line(1, 2, 3, 4);
  canvas().StrokeColor = 0x0000FF;
  canvas().LineCap = 0;
  canvas().Line(1, 2, 3, 4);
  EXPECT_EQ(canvas().Data, CrLines({"1 2 m", "1 J", "0 1 0 RG ", "0.75 w", "3 4 l", "S", "n",
                                    "1 2 m", "1 J", "0 1 0 RG ", "2 w", "3 4 l", "S", "n",
                                    "1 2 m", "0 J", "1 0 0 RG ", "2 w", "3 4 l", "S", "n"}));

  canvas().Data.clear();
  canvas().StrokeColor = 0;
  canvas().LineWidth = 1;
  canvas().Rectangle(false, 45, 817, 571, 28);
  const std::string frame =
      CrLines({"45 817 m", "1 w", "0 j", "0 0 0 RG ", "45 28 l", "571 28 l", "571 817 l"});
  EXPECT_EQ(canvas().Data, frame + "s\r");
  EXPECT_FALSE(canvas().ClipSaved);

  // The first clip saves the state, a second one does not; RestoreClip restores once.
  canvas().Data.clear();
  canvas().Rectangle(true, 45, 817, 571, 28);
  canvas().Rectangle(true, 45, 817, 571, 28);
  canvas().RestoreClip();
  canvas().RestoreClip();
  EXPECT_EQ(canvas().Data, frame + CrLines({"q", "W", "s"}) + frame + CrLines({"W", "s", "Q"}));
  EXPECT_FALSE(canvas().ClipSaved);

  canvas().Data.clear();
  canvas().FillColor = 0xFFFFFF;
  canvas().FillRectangle(100, 200, 140.5f, 210);
  EXPECT_EQ(canvas().Data, CrLines({"1 1 1 rg ", "100 200 40.5 10 re", "f"}));

  canvas().Data.clear();
  canvas().SetDash(3, 0, 0);
  canvas().SetDash(3, 2, 1);
  canvas().SetDash(0, 0, 0);
  EXPECT_EQ(canvas().Data, CrLines({"[3 ]0 d", "[3 2]1 d", "[]0 d"}));
}

TEST_F(TPDFContentsTest, StreamBodyCountsTheDataButNotTheLineFeedBeforeEndstream) {
  canvas().SetDash(0, 0, 0);
  EXPECT_EQ(canvas().GetBody(), "<<\r\n/Length 6\r\n>>\r\nstream\r\n[]0 d\r\nendstream\r\n");
}
