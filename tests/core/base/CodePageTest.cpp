#include "base/CodePage.h"

#include <gtest/gtest.h>

#include "base/CharsetNames.h"

namespace vornic {
namespace {

TEST(CodePageTest, CharsetCodesChooseWindowsCodePagesAndTheDialogListMapsBothWays) {
  for (auto [Charset, Page] : std::initializer_list<std::pair<int, int>>{
           {0, 1252}, {1, 1252}, {238, 1250}, {204, 1251}, {255, 437}, {77, 10000}, {42, 1252}})
    EXPECT_EQ(CodePage::CodePageNumber(Charset), Page) << Charset;
  for (int Index = 0; Index < static_cast<int>(CharsetNames.size()); ++Index)
    EXPECT_EQ(CharsetIndex(CharsetAtIndex(Index)), Index);
  // Unlisted codes show as ANSI; no selection stands for Default.
  for (int Code : {2, -1, 256}) EXPECT_EQ(CharsetIndex(Code), 1) << Code;
  EXPECT_EQ(CharsetAtIndex(-1), 1);
}

TEST(CodePageTest, BytesRoundTripThroughUnicode) {
  for (int Charset : {0, 238, 204, 161, 162, 177, 178, 186, 163, 222, 77, 255}) {
    const CodePage& Page = CodePage::ForCharset(Charset);
    for (int Byte = 0x20; Byte < 256; ++Byte) {
      if (auto Character = Page.ToUnicode(static_cast<std::uint8_t>(Byte))) {
        EXPECT_EQ(Page.FromUnicode(*Character), Byte) << Page.Number() << " byte " << Byte;
      }
    }
  }
  EXPECT_EQ(CodePage::ForCharset(204).Decode("\xCC\xC8\xD0"), "МИР");
  EXPECT_EQ(CodePage::ForCharset(1).Decode("A\x19"), "A\x19") << "the empty-cell byte is kept";
}

TEST(CodePageTest, UnencodableCharactersAreRefusedByName) {
  const CodePage& Western = CodePage::ForCharset(1);
  const auto Result = Western.Encode("CAFé→");
  EXPECT_EQ(Result.Unencodable, "→");
  EXPECT_NE(Western.RefusalMessage(Result.Unencodable).find("\"→\""), std::string::npos);
  EXPECT_EQ(Western.Encode("CAFé").Bytes, "CAF\xE9");
  const CodePage& Japanese = CodePage::ForCharset(128);
  EXPECT_FALSE(Japanese.Encode("日").Ok()) << "double-byte sets hold single bytes only";
  EXPECT_EQ(Japanese.Encode("ｱ").Bytes, "\xB1");
  EXPECT_FALSE(Japanese.ToUnicode(0x88)) << "a lead byte means nothing alone";
}

}  // namespace
}  // namespace vornic
