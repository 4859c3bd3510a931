#include "pdf/tpdffontdef.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::string Repeat(const std::string& text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

const TPDFTrueTypeFontDef& AsTrueType(const TPDFFontDef& def) {
  return dynamic_cast<const TPDFTrueTypeFontDef&>(def);
}

}  // namespace

TEST(TPDFFontDefTest, GothicMirrorsMinchoAndOtherIndexesAreRejected) {
  const auto gothic = CreateFontDef(7);
  EXPECT_EQ(gothic->BaseFont, "#82#6C#82#72#20#83#53#83#56#83#62#83#4E");
  EXPECT_EQ(gothic->DescendantDef->BaseFont, gothic->BaseFont);
  EXPECT_EQ(gothic->DescendantDef->DescriptorDef->FontName, gothic->BaseFont);
  EXPECT_EQ(gothic->DescendantDef->DescriptorDef->Flags, 4);
  for (int bad : {8, -1, 255}) {
    try {
      CreateFontDef(bad);
      ADD_FAILURE() << bad;
    } catch (const PdfError& error) {
      EXPECT_EQ(error.what(),
                "このフォントは現在サポートされていません (" + std::to_string(bad) + ")");
    }
  }
}

TEST(TPDFFontDefTest, LatinWidthTablesKeepTheirFixedRowsAndLayout) {
  const std::vector<std::vector<int>> fixedRows = {
      {719, 266, 283, 373, 533, 533, 798, 781, 196, 319, 319, 479, 581, 266, 319, 266, 266},
      {719, 267, 284, 374, 533, 533, 799, 781, 196, 320, 320, 480, 581, 267, 320, 267, 267},
      {719, 266, 266, 340, 533, 533, 852, 639, 183, 319, 319, 373, 559, 266, 319, 266, 266},
      {719, 266, 319, 454, 533, 533, 852, 692, 228, 319, 319, 373, 559, 266, 319, 266, 266},
  };
  for (int index = 0; index < 6; ++index) {
    SCOPED_TRACE(index);
    const auto def = CreateFontDef(index);
    const TPDFTrueTypeFontDef& font = AsTrueType(*def);
    // Fifteen lines: fourteen of sixteen values and CR LF, then the last value and "]".
    const std::string& text = font.WidthsText;
    EXPECT_EQ(text.rfind("[ ", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14);
    EXPECT_EQ(std::count(text.begin(), text.end(), ' '), 1 + 225);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), std::to_string(font.Widths[255]) + " ]");
    EXPECT_EQ(font.Widths[0], 0);
    EXPECT_EQ(font.Widths[30], 0);
    for (int code = 31; code <= 255; ++code) {
      if (index >= 4) {
        EXPECT_EQ(font.Widths[code], 575) << code;
      } else if (code <= 47) {
        EXPECT_EQ(font.Widths[code], fixedRows[index][code - 31]) << code;
      } else if (code <= 57) {
        EXPECT_EQ(font.Widths[code], 533) << code;
      } else {
        EXPECT_GT(font.Widths[code], 0) << code;
        EXPECT_LT(font.Widths[code], 1100) << code;
      }
    }
  }
  EXPECT_TRUE(AsTrueType(*CreateFontDef(0)).WidthsText.ends_with("\r\n515 ]"));
}

TEST(TPDFFontDefTest, JapaneseDescendantsShareTheWTextAndMeasureFromIt) {
  const std::string line = Repeat("479 ", 16) + "\r\n";
  const std::string expectedW = "[\r\n1 [ " + Repeat(line, 5) + Repeat("479 ", 13) +
                                "479]\r\n326 [ 958 " + Repeat("479 ", 15) + "\r\n" +
                                Repeat(line, 3) + "]\r\n631 631 479\r\n]\r\n";
  for (int index : {6, 7}) {
    SCOPED_TRACE(index);
    const auto def = CreateFontDef(index);
    const auto& cid = dynamic_cast<const TPDFCID2FontDef&>(*def->DescendantDef);
    EXPECT_EQ(cid.WText, expectedW);
    EXPECT_EQ(cid.GetBody(), "/Subtype /CIDFontType2\r\n/BaseFont /" + def->BaseFont +
                                 "\r\n/WinCharSet /128\r\n/CIDSystemInfo <<\r\n/Registry(Adobe)"
                                 "\r\n/Ordering(Japan1)\r\n/Supplement 2\r\n>>\r\n/DW 1000\r\n/W " +
                                 expectedW + "\r\n");
    EXPECT_EQ(cid.Widths[0], 1000);
    for (int code = 1; code < 256; ++code) {
      const int expected = code >= 32 && code <= 125    ? 479
                           : code == 160                ? 958
                           : code >= 161 && code <= 223 ? 479
                                                        : 0;
      EXPECT_EQ(cid.Widths[code], expected) << code;
    }
  }
}
