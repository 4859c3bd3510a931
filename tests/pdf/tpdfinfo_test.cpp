#include "pdf/tpdfinfo.h"

#include <gtest/gtest.h>

#include <sstream>

#include "pdf/tinkvale.h"
#include "tests/pdf/pdftestsupport.h"

using pdftest::Sjis;

TEST(TPDFInfoTest, EncodesStringsAsUtf16HexAfterTheLanguagePrefix) {
  const std::string prefix = "FEFF001B6A61001B";
  EXPECT_EQ(EncodeInfoString(""), prefix);
  EXPECT_EQ(EncodeInfoString("abc"), "FEFF001B6A61001B006100620063");
  EXPECT_EQ(EncodeInfoString(Sjis("調節池")), prefix + "8ABF7BC06C60");
  // Half-width katakana, the yen-looking backslash byte and a tilde keep their code points.
  EXPECT_EQ(EncodeInfoString("\xB6\x5C\x7E"), prefix + "FF76005C007E");
  // A lead byte cut off at the end cannot be decoded.
  EXPECT_EQ(EncodeInfoString("A\x81"), prefix + "0041FFFD");
  // Long texts are written whole.
  EXPECT_EQ(EncodeInfoString(std::string(600, 'x')).size(), prefix.size() + 4 * 600);
}

TEST(TPDFInfoTest, WritesTheWritersStringsWhenTheFileIsWritten) {
  TInkvale writer;
  writer.Clock = pdftest::FixedTime;
  std::ostringstream out;
  writer.BeginDoc(&out);
  writer.Title = "T";
  writer.Author = "A";
  writer.Creator = Sjis("ソレムナ Ver2.6");
  writer.Subject = "S";
  const std::string prefix = "FEFF001B6A61001B";
  EXPECT_EQ(writer.Info()->GetBody(),
            "<<\r\n/CreationDate (D:20240305070809)\r\n/Creator <" + prefix +
                "30BD30EC30E030CA00200056006500720032002E0036>\r\n/Producer (Inkvale0.4)\r\n"
                "/Author <" +
                prefix + "0041>\r\n/Title <" + prefix + "0054>\r\n/Subject <" + prefix +
                "0053>\r\n>>\r\n");
}
