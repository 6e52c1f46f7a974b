#include "picture/WmfWriter.h"

#include <gtest/gtest.h>

#include "MetafileReaders.h"
#include "support/DocumentTest.h"

namespace vornic {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t U16(const Bytes& Data, std::size_t At) {
  return static_cast<std::uint16_t>(Data[At] | Data[At + 1] << 8);
}
std::uint32_t U32(const Bytes& Data, std::size_t At) {
  return std::uint32_t{U16(Data, At)} | std::uint32_t{U16(Data, At + 2)} << 16;
}

constexpr std::size_t Placeable = 22;
constexpr std::uint16_t WmrExtTextOut = 0x0A32;

class WmfWriterTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
    Game.SetCell(2, 1, 'Q');
    Game.DrawGrid(true);
  }
};

TEST_F(WmfWriterTest, HeadersGiveSizeChecksumAndCountsWithoutThePlaceableRecord) {
  const Bytes Data = WriteWmf(Game.MetaFile);
  EXPECT_EQ(Data, WriteWmf(Game.MetaFile));
  EXPECT_EQ(U32(Data, 0), 0x9AC6CDD7u);
  EXPECT_EQ(U16(Data, 10), 85);  // bounds right, bottom
  EXPECT_EQ(U16(Data, 12), 85);
  EXPECT_EQ(U16(Data, 14), 96);
  std::uint16_t Checksum = 0;
  for (std::size_t i = 0; i < 10; ++i) Checksum ^= U16(Data, 2 * i);
  EXPECT_EQ(U16(Data, 20), Checksum);
  EXPECT_EQ(U32(Data, Placeable + 6), (Data.size() - Placeable) / 2);
  std::uint32_t Largest = 0;
  std::size_t At = Placeable + 2 * U16(Data, Placeable + 2);
  std::uint32_t Last = 0;
  while (At < Data.size()) {
    const std::uint32_t Words = U32(Data, At);
    ASSERT_GE(Words, 3u);
    Largest = std::max(Largest, Words);
    Last = U16(Data, At + 4);
    At += 2 * Words;
  }
  EXPECT_EQ(At, Data.size());
  EXPECT_EQ(Last, 0u);  // EOF
  EXPECT_EQ(U32(Data, Placeable + 12), Largest);
}

TEST_F(WmfWriterTest, TextIsInTheFontsCodePage) {
  Game.Settings.Charset = 204;
  Game.SetCell(1, 1, '\xC6');
  Game.DrawGrid(true);
  const Bytes Data = WriteWmf(Game.MetaFile);
  bool Found = false;
  for (std::size_t At = Placeable + 18; At + 6 <= Data.size(); At += 2 * U32(Data, At)) {
    if (U16(Data, At + 4) != WmrExtTextOut) continue;
    // y, x, length, options, then the bytes.
    EXPECT_EQ(U16(Data, At + 6), 2);
    EXPECT_EQ(U16(Data, At + 8), 5);
    ASSERT_EQ(U16(Data, At + 10), 3u);
    EXPECT_EQ(Data[At + 14], 0xC6);  // U+0416 back in Windows-1251
    EXPECT_EQ(Data[At + 16], 'Q');
    Found = true;
  }
  EXPECT_TRUE(Found);
}

TEST_F(WmfWriterTest, LibwmfReadsShapesAndLettersWhereTheyWereDrawn) {
  ASSERT_TRUE(test::ReaderInstalled("wmf2svg"));
  const std::string Svg = test::WmfToSvg(Home.Path(), WriteWmf(Game.MetaFile));
  // libwmf puts shapes on pixel centres: half a unit before our whole coordinates.
  const auto Rects = test::Elements(Svg, "rect");
  ASSERT_EQ(Rects.size(), 2u);
  EXPECT_EQ(test::Attribute(Rects[0], "x"), 3.5);
  EXPECT_EQ(test::Attribute(Rects[1], "x"), 0.5);
  EXPECT_NEAR(test::Attribute(Rects[1], "height"), 81, 1);
  const auto Lines = test::Elements(Svg, "line");
  ASSERT_EQ(Lines.size(), 8u);
  EXPECT_EQ(test::Attribute(Lines[0], "x1"), 16.5);
  EXPECT_EQ(test::Attribute(Lines[7], "y1"), 64.5);
  // Each character at its own advance: Q of cell (2, 1) at 21.
  bool SawQ = false;
  for (const std::string& Text : test::Elements(Svg, "text")) {
    if (test::Content(Text) != "Q") continue;
    SawQ = true;
    EXPECT_NE(Text.find(" 20.500000 "), std::string::npos) << Text;
  }
  EXPECT_TRUE(SawQ);
}

}  // namespace
}  // namespace vornic
