#include "pdf/tpdffont.h"

#include <gtest/gtest.h>

#include <sstream>

#include "pdf/tinkvale.h"
#include "pdf/tpdffontdef.h"
#include "pdf/tpdffontdescriptor.h"

TEST(TPDFFontTest, JapaneseFontIsAType0FontWithDescendantAndDescriptor) {
  TInkvale writer;
  std::ostringstream out;
  writer.BeginDoc(&out);
  TPDFFont& font = writer.GetFont(6);
  ASSERT_EQ(writer.Objects().Count(), 8);
  EXPECT_EQ(font.ObjectNumber(), 6);
  ASSERT_NE(font.Descendant(), nullptr);
  EXPECT_EQ(font.Descriptor(), nullptr);
  EXPECT_EQ(font.Descendant()->ObjectNumber(), 7);
  ASSERT_NE(font.Descendant()->Descriptor(), nullptr);
  EXPECT_EQ(font.Descendant()->Descriptor()->ObjectNumber(), 8);

  const std::string name = "#82#6C#82#72#20#96#BE#92#A9";
  EXPECT_EQ(font.GetBody(), "<<\r\n/Type /Font\r\n/Name /F0\r\n/Subtype /Type0\r\n/BaseFont /" +
                                name +
                                "\r\n/Encoding /90msp-RKSJ-H\r\n/DescendantFonts [7 0 R]"
                                "\r\n>>\r\n");
  const std::string descendant = font.Descendant()->GetBody();
  EXPECT_EQ(descendant.rfind("<<\r\n/Type /Font\r\n/Name /F0\r\n/Subtype /CIDFontType2\r\n", 0),
            0u);
  EXPECT_TRUE(descendant.ends_with("\r\n]\r\n\r\n/FontDescriptor 8 0 R\r\n>>\r\n"));
  EXPECT_EQ(font.Descendant()->Descriptor()->GetBody(),
            "<<\r\n/Type /FontDescriptor\r\n/FontName /" + name +
                "\r\n/Flags 6\r\n/FontBBox [ -143 -143 1015 872 ]\r\n/StemV 78\r\n"
                "/Ascent 872\r\n/CapHeight 872\r\n/Descent -143\r\n/ItalicAngle 0\r\n>>\r\n");

  // Widths come from the descendant's definition.
  EXPECT_EQ(font.GetWidth(65), 479);
  EXPECT_EQ(font.GetWidth(126), 0);
  EXPECT_EQ(font.GetWidth(160), 958);
  EXPECT_EQ(font.GetWidth(0), 1000);
}

TEST(TPDFFontTest, TrueTypeFontIsFollowedByItsDescriptor) {
  TInkvale writer;
  std::ostringstream out;
  writer.BeginDoc(&out);
  writer.GetFont(6);                   // /F0, objects 6–8
  TPDFFont& font = writer.GetFont(1);  // /F1, objects 9 and 10
  EXPECT_EQ(font.ResourceIndex, 1);
  EXPECT_EQ(font.ObjectNumber(), 9);
  const std::string body = font.GetBody();
  EXPECT_EQ(body.rfind("<<\r\n/Type /Font\r\n/Name /F1\r\n/Subtype /TrueType\r\n"
                       "/BaseFont /Century,Bold\r\n/FirstChar 31\r\n/LastChar 255\r\n"
                       "/Widths [ 719 267 284 374 ",
                       0),
            0u);
  EXPECT_TRUE(
      body.ends_with(" ]\r\n/Encoding /WinAnsiEncoding\r\n/FontDescriptor 10 0 R\r\n>>\r\n"));
  EXPECT_EQ(font.Descriptor()->GetBody(),
            "<<\r\n/Type /FontDescriptor\r\n/FontName /Century,Bold\r\n/Flags 16416\r\n"
            "/FontBBox [ -219 -219 1189 1001 ]\r\n/StemV 156\r\n/Ascent 1001\r\n"
            "/CapHeight 1001\r\n/Descent -219\r\n/ItalicAngle 0\r\n>>\r\n");

  const TPDFFont& century = writer.GetFont(0);
  EXPECT_EQ(century.GetWidth(32), 266);
  EXPECT_EQ(century.GetWidth(255), 515);
  EXPECT_EQ(century.GetWidth(30), 0);
  EXPECT_EQ(century.GetWidth(0), 0);
}
