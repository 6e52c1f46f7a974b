#include "picture/EmfWriter.h"

#include <gtest/gtest.h>

#include <set>

#include "MetafileReaders.h"
#include "support/DocumentTest.h"

namespace vornic {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(const Bytes& Data, std::size_t At) {
  return std::uint32_t{Data[At]} | std::uint32_t{Data[At + 1]} << 8 |
         std::uint32_t{Data[At + 2]} << 16 | std::uint32_t{Data[At + 3]} << 24;
}
std::int32_t I32(const Bytes& Data, std::size_t At) {
  return static_cast<std::int32_t>(U32(Data, At));
}
std::u16string Utf16(const Bytes& Data, std::size_t At, std::size_t Count) {
  std::u16string Text;
  for (std::size_t i = 0; i < Count; ++i)
    Text += static_cast<char16_t>(Data[At + 2 * i] | Data[At + 2 * i + 1] << 8);
  return Text;
}

struct Record {
  std::uint32_t Type;
  std::size_t At, Size;
};

std::vector<Record> Records(const Bytes& Data) {
  std::vector<Record> Found;
  for (std::size_t At = 0; At + 8 <= Data.size();) {
    const std::uint32_t Size = U32(Data, At + 4);
    if (Size < 8 || Size % 4 != 0 || At + Size > Data.size()) {
      ADD_FAILURE() << "bad record size " << Size << " at " << At;
      break;
    }
    Found.push_back({U32(Data, At), At, Size});
    At += Size;
  }
  return Found;
}

std::vector<Record> RecordsOf(const Bytes& Data, std::uint32_t Type) {
  std::vector<Record> Found;
  for (const Record& R : Records(Data))
    if (R.Type == Type) Found.push_back(R);
  return Found;
}

constexpr std::uint32_t EmrHeader = 1, EmrEof = 14, EmrSelectObject = 37, EmrDeleteObject = 40,
                        EmrExtCreateFont = 82, EmrExtCreatePen = 95;

// A 5 x 5 grid with CAT across row 3 from column 2.
class EmfWriterTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
    for (int i = 0; i < 3; ++i) Game.SetCell(2 + i, 3, "CAT"[i]);
    Game.AddWord("CAT", PathBytes(2, 3) + PathBytes(3, 3) + PathBytes(4, 3));
    Game.Settings.Charset = 238;
    Game.Settings.Bold = 1;
    Game.DrawGrid(true);
  }
  std::string Svg() {
    EXPECT_TRUE(test::ReaderInstalled("emf2svg-conv"));
    return test::EmfToSvg(Home.Path(), WriteEmf(Game.MetaFile));
  }
};

TEST_F(EmfWriterTest, HeaderRecordsAndObjectsAreWellFormed) {
  const Bytes Data = WriteEmf(Game.MetaFile);
  EXPECT_EQ(Data, WriteEmf(Game.MetaFile)) << "no field left uninitialised";
  EXPECT_EQ(U32(Data, 0), EmrHeader);
  EXPECT_EQ(I32(Data, 16), 84);              // inclusive bounds
  EXPECT_EQ(I32(Data, 32), 85 * 2540 / 96);  // frame in 0.01 mm at 96 pixels per inch
  EXPECT_EQ(U32(Data, 40), 0x464D4520u);     // " EMF"
  EXPECT_EQ(U32(Data, 48), Data.size());
  const std::vector<Record> All = Records(Data);
  EXPECT_EQ(U32(Data, 52), All.size());
  EXPECT_EQ(Utf16(Data, U32(Data, 64), U32(Data, 60)),
            std::u16string(u"VornicPack\0VornicGame\0\0", 23));
  EXPECT_EQ(All.back().Type, EmrEof);
  // Every object is created on a free handle, selected while alive and deleted once.
  std::set<std::uint32_t> Alive;
  for (const Record& R : All) {
    const std::uint32_t Handle = R.Size >= 12 ? U32(Data, R.At + 8) : 0;
    if (R.Type == 38 || R.Type == 39 || R.Type == EmrExtCreateFont || R.Type == EmrExtCreatePen) {
      EXPECT_TRUE(Alive.insert(Handle).second) << "handle " << Handle << " reused while alive";
    } else if (R.Type == EmrSelectObject) {
      EXPECT_TRUE((Handle & 0x80000000u) || Alive.count(Handle));
    } else if (R.Type == EmrDeleteObject) {
      EXPECT_EQ(Alive.erase(Handle), 1u);
    }
  }
  EXPECT_TRUE(Alive.empty()) << Alive.size() << " objects never deleted";
}

TEST_F(EmfWriterTest, Emf2svgSeesShadowFrameGridAndLettersWhereTheyWereDrawn) {
  const std::string Drawn = Svg();
  const auto Rects = test::Elements(Drawn, "rect");
  ASSERT_EQ(Rects.size(), 2u);
  EXPECT_EQ(test::Attribute(Rects[0], "x"), 4);
  EXPECT_EQ(test::TextAttribute(Rects[0], "fill"), "#808080");
  EXPECT_EQ(test::Attribute(Rects[1], "x"), 1);
  EXPECT_NEAR(test::Attribute(Rects[1], "width"), 81, 1);
  EXPECT_EQ(test::TextAttribute(Rects[1], "stroke"), "#000000");
  std::vector<std::string> Lines;
  for (const std::string& Path : test::Elements(Drawn, "path"))
    Lines.push_back(test::TextAttribute(Path, "d"));
  ASSERT_EQ(Lines.size(), 8u);
  EXPECT_EQ(Lines[0], "M 17.0000,1.0000 L 17.0000,81.0000 ");
  EXPECT_EQ(Lines[7], "M 1.0000,65.0000 L 81.0000,65.0000 ");
  const auto Texts = test::Elements(Drawn, "text");
  ASSERT_EQ(Texts.size(), 1u);
  EXPECT_EQ(test::Content(Texts[0]), "C A T");
  EXPECT_EQ(test::Attribute(Texts[0], "x"), 21);
  // The baseline lies inside row 3 (y 33 to 49), below the text's top at 34.
  EXPECT_GT(test::Attribute(Texts[0], "y"), 42);
  EXPECT_LT(test::Attribute(Texts[0], "y"), 49);
}

TEST_F(EmfWriterTest, AWordLineIsAGeometricTwoUnitPenThroughTheCentres) {
  Game.MetaFile.BeginDraw();
  Game.DrawWordLine(0, clRed);
  Game.MetaFile.EndDraw();
  const Bytes Data = WriteEmf(Game.MetaFile);
  const auto Pens = RecordsOf(Data, EmrExtCreatePen);
  ASSERT_EQ(Pens.size(), 1u);
  const std::size_t Pen = Pens[0].At + 28;  // EXTLOGPEN after handle and bitmap offsets
  EXPECT_EQ(U32(Data, Pen) & 0x000F0000u, 0x00010000u);  // PS_GEOMETRIC
  EXPECT_EQ(U32(Data, Pen + 4), 2u);
  const auto Paths = test::Elements(Svg(), "path");
  ASSERT_EQ(Paths.size(), 2u);
  EXPECT_EQ(test::TextAttribute(Paths[0], "d"), "M 25.0000,41.0000 L 41.0000,41.0000 ");
  EXPECT_EQ(test::Attribute(Paths[1], "stroke-width"), 2);
  EXPECT_EQ(test::TextAttribute(Paths[1], "stroke"), "#FF0000");
}

}  // namespace
}  // namespace vornic
