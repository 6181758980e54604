#include "ide/text_encoding.h"

#include <gtest/gtest.h>

using ide::TextEncoding;

namespace {

// Reads bytes as the host does and writes the UTF-8 back in the encoding found.
std::string RoundTrip(const std::string& bytes) {
  TextEncoding encoding = ide::DetectEncoding(bytes);
  std::string utf8 = ide::DecodeText(bytes, encoding);
  std::string out, err;
  EXPECT_TRUE(ide::EncodeText(utf8, encoding, &out, &err)) << err;
  return out;
}

}  // namespace

TEST(TextEncodingTest, FilesAreReadInTheEncodingTheyAreWrittenIn) {
  EXPECT_EQ(ide::DetectEncoding("unit Unit1;\r\n"), TextEncoding::Windows1252);
  EXPECT_EQ(ide::DetectEncoding(""), TextEncoding::Windows1252);
  EXPECT_EQ(ide::DetectEncoding("// Fun\xe7\xe3o\r\n"), TextEncoding::Windows1252);
  EXPECT_EQ(ide::DetectEncoding("// Função\n"), TextEncoding::Utf8);
  EXPECT_EQ(ide::DetectEncoding("\xEF\xBB\xBFunit A;"), TextEncoding::Utf8Bom);
  // A lone lead byte at the very end is not UTF-8.
  EXPECT_EQ(ide::DetectEncoding("ok \xC3"), TextEncoding::Windows1252);

  EXPECT_EQ(ide::DecodeText("Fun\xe7\xe3o \x80 \x93x\x94", TextEncoding::Windows1252),
            "Função € “x”");
  EXPECT_EQ(ide::DecodeText("\xEF\xBB\xBF"
                            "Ação",
                            TextEncoding::Utf8Bom),
            "Ação");
}

TEST(TextEncodingTest, RoundTripsKeepEveryByteAndLineBreak) {
  const std::string mixed_1252 =
      "unit A;\r\n// C\xf3"
      "digo\n\r\n// \x81\x8d\x8f\x90\x9d\xff\r";
  EXPECT_EQ(RoundTrip(mixed_1252), mixed_1252);
  const std::string bom = "\xEF\xBB\xBFunit A;\r\n// Relatório €\nend.";
  EXPECT_EQ(RoundTrip(bom), bom);
  const std::string utf8 = "// 日本\r\n";
  EXPECT_EQ(RoundTrip(utf8), utf8);
  EXPECT_EQ(ide::LineBreakOf("a\r\nb\n"), "\r\n");
  EXPECT_EQ(ide::LineBreakOf("a\nb\r\n"), "\n");
  EXPECT_EQ(ide::LineBreakOf("one line"), "\r\n");
}

TEST(TextEncodingTest, AccentsAddedToAPlainFileAreWrittenAsWindows1252) {
  std::string bytes, err;
  ASSERT_TRUE(ide::EncodeText("// Código € ok\r\n", TextEncoding::Windows1252, &bytes, &err));
  EXPECT_EQ(bytes,
            "// C\xf3"
            "digo \x80 ok\r\n");

  EXPECT_FALSE(ide::EncodeText("a\r\nb\r\n// 日本\r\n", TextEncoding::Windows1252, &bytes, &err));
  EXPECT_EQ(err, "line 3: the character U+65E5 '日' cannot be written in Windows-1252");
  EXPECT_FALSE(ide::EncodeText("x\xC3(", TextEncoding::Utf8, &bytes, &err));
  EXPECT_EQ(err, "line 1: the text is not valid UTF-8");
}

TEST(TextEncodingTest, LocationsCountCharactersNotBytes) {
  EXPECT_EQ(ide::SourceLocation("a.pas", "x\r\n  ção!", 10, TextEncoding::Utf8), "a.pas:2:6");
  EXPECT_EQ(ide::SourceLocation("a.pas", "x\r\n  \xe7\xe3o!", 7, TextEncoding::Windows1252),
            "a.pas:2:5");
  EXPECT_EQ(ide::SourceLocation("a.pas", "\xEF\xBB\xBFunit", 5, TextEncoding::Utf8Bom),
            "a.pas:1:3");
}
