#include <gtest/gtest.h>

#include "base/CodePage.h"

namespace vornic {
namespace {

TEST(CodePageTest, CharsetCodesChooseWindowsCodePages) {
  EXPECT_EQ(CodePage::CodePageNumber(0), 1252);
  EXPECT_EQ(CodePage::CodePageNumber(1), 1252);
  EXPECT_EQ(CodePage::CodePageNumber(238), 1250);
  EXPECT_EQ(CodePage::CodePageNumber(204), 1251);
  EXPECT_EQ(CodePage::CodePageNumber(255), 437);
  EXPECT_EQ(CodePage::CodePageNumber(77), 10000);
  EXPECT_EQ(CodePage::CodePageNumber(42), 1252);
}

TEST(CodePageTest, BytesRoundTripThroughUnicode) {
  for (int Charset : {0, 238, 204, 161, 162, 177, 178, 186, 163, 222, 77, 255}) {
    const CodePage& Page = CodePage::ForCharset(Charset);
    for (int Byte = 0x20; Byte < 256; ++Byte) {
      auto Character = Page.ToUnicode(static_cast<std::uint8_t>(Byte));
      if (!Character) continue;
      EXPECT_EQ(Page.FromUnicode(*Character), Byte)
          << "code page " << Page.Number() << " byte " << Byte;
    }
  }
  EXPECT_EQ(CodePage::ForCharset(204).Decode("\xCC\xC8\xD0"), "МИР");
  EXPECT_EQ(CodePage::ForCharset(1).Decode("A\x19"), "A\x19") << "the empty-cell byte is kept";
}

TEST(CodePageTest, UnencodableCharactersAreRefusedByName) {
  const CodePage& Western = CodePage::ForCharset(1);
  const auto Result = Western.Encode("CAFé→");
  EXPECT_FALSE(Result.Ok());
  EXPECT_EQ(Result.Unencodable, "→");
  EXPECT_NE(Western.RefusalMessage(Result.Unencodable).find("\"→\""), std::string::npos);
  EXPECT_EQ(Western.Encode("CAFé").Bytes, "CAF\xE9");
}

TEST(CodePageTest, UpperCasingKeepsOneBytePerCharacter) {
  const CodePage& Western = CodePage::ForCharset(1);
  EXPECT_EQ(Western.Upper("abc\xE9\xFF\xDF"
                          "1 -"),
            "ABC\xC9\x9F\xDF"
            "1 -");                                                    // ÿ→Ÿ, ß stays
  EXPECT_EQ(CodePage::ForCharset(161).Upper("\xE1\xE2"), "\xC1\xC2");  // Greek αβ
  EXPECT_EQ(CodePage::ForCharset(238).Upper("\xB9\xE6"), "\xA5\xC6");  // Polish ąć
}

TEST(CodePageTest, DoubleByteSetsHoldTheirSingleByteCharactersOnly) {
  const CodePage& Japanese = CodePage::ForCharset(128);
  EXPECT_EQ(Japanese.Encode("ABC").Bytes, "ABC");
  EXPECT_FALSE(Japanese.Encode("日").Ok());
  EXPECT_EQ(Japanese.Encode("ｱ").Bytes, "\xB1") << "half-width katakana is one byte";
  EXPECT_FALSE(Japanese.ToUnicode(0x88)) << "a lead byte means nothing alone";
}

TEST(CodePageTest, Utf8Helpers) {
  EXPECT_TRUE(IsValidUtf8("plain ascii é"));
  EXPECT_FALSE(IsValidUtf8("\xE9t\xE9"));
  EXPECT_EQ(Windows1252ToUtf8("\xE9t\xE9"), "été");
  EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32("Ωmega")), "Ωmega");
}

}  // namespace
}  // namespace vornic
