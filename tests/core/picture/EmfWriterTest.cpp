#include "picture/EmfWriter.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "MetafileReaders.h"
#include "document/TVornicGame.h"
#include "support/DocumentTest.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

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

struct Record {
  std::uint32_t Type;
  std::size_t At;
  std::size_t Size;
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

constexpr std::uint32_t EmrHeader = 1, EmrEof = 14, EmrSelectObject = 37, EmrCreatePen = 38,
                        EmrCreateBrush = 39, EmrDeleteObject = 40, EmrExtCreateFont = 82,
                        EmrExtTextOutW = 84, EmrExtCreatePen = 95;

class EmfWriterTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
    const std::string Word = "CAT";
    for (int i = 0; i < 3; ++i) Game.SetCell(2 + i, 3, Word[static_cast<std::size_t>(i)]);
    Game.AddWord(Word, PathBytes(2, 3) + PathBytes(3, 3) + PathBytes(4, 3));
    Game.DrawGrid(true);
  }
};

TEST_F(EmfWriterTest, HeaderHoldsBoundsFrameAndDescription) {
  const Bytes Data = WriteEmf(Game.MetaFile);
  ASSERT_GE(Data.size(), 108u);
  EXPECT_EQ(U32(Data, 0), EmrHeader);
  EXPECT_EQ(I32(Data, 8), 0);  // bounds, inclusive
  EXPECT_EQ(I32(Data, 16), 84);
  EXPECT_EQ(I32(Data, 20), 84);
  EXPECT_EQ(I32(Data, 32), 85 * 2540 / 96);  // frame in 0.01 mm at 96 pixels per inch
  EXPECT_EQ(I32(Data, 36), 85 * 2540 / 96);
  EXPECT_EQ(U32(Data, 40), 0x464D4520u);  // " EMF"
  EXPECT_EQ(U32(Data, 48), Data.size());
  EXPECT_EQ(U32(Data, 52), Records(Data).size());
  ASSERT_EQ(U32(Data, 60), 23u);
  std::u16string Found;
  for (std::size_t i = 0; i < 23; ++i) {
    const std::size_t At = U32(Data, 64) + 2 * i;
    Found += static_cast<char16_t>(Data[At] | Data[At + 1] << 8);
  }
  EXPECT_EQ(Found, std::u16string(u"VornicPack\0VornicGame\0\0", 23));
}

TEST_F(EmfWriterTest, RecordsAreWellFormedAndEveryCreatedObjectIsDeleted) {
  const Bytes Data = WriteEmf(Game.MetaFile);
  const std::vector<Record> All = Records(Data);
  ASSERT_FALSE(All.empty());
  EXPECT_EQ(All.back().Type, EmrEof);
  std::set<std::uint32_t> Alive;
  for (const Record& R : All) {
    const std::uint32_t Handle = R.Size >= 12 ? U32(Data, R.At + 8) : 0;
    switch (R.Type) {
      case EmrCreatePen:
      case EmrCreateBrush:
      case EmrExtCreateFont:
      case EmrExtCreatePen:
        EXPECT_TRUE(Alive.insert(Handle).second) << "handle " << Handle << " reused while alive";
        break;
      case EmrSelectObject:
        EXPECT_TRUE((Handle & 0x80000000u) || Alive.count(Handle)) << "selects unknown " << Handle;
        break;
      case EmrDeleteObject:
        EXPECT_EQ(Alive.erase(Handle), 1u) << "deletes unknown " << Handle;
        break;
      default:
        break;
    }
  }
  EXPECT_TRUE(Alive.empty()) << Alive.size() << " objects never deleted";
}

TEST_F(EmfWriterTest, LettersAreExtTextOutWithAnAdvanceForEveryCharacter) {
  const Bytes Data = WriteEmf(Game.MetaFile);
  std::vector<Record> Texts;
  for (const Record& R : Records(Data))
    if (R.Type == EmrExtTextOutW) Texts.push_back(R);
  ASSERT_EQ(Texts.size(), 1u);
  const std::size_t Text = Texts[0].At + 36;  // the EMRTEXT after bounds, mode and scales
  EXPECT_EQ(I32(Data, Text), 21);             // reference point: cell (2, 3)
  EXPECT_EQ(I32(Data, Text + 4), 34);
  const std::uint32_t Count = U32(Data, Text + 8);
  ASSERT_EQ(Count, 5u);  // "C A T"
  std::u16string Characters;
  for (std::uint32_t i = 0; i < Count; ++i) {
    const std::size_t At = Texts[0].At + U32(Data, Text + 12) + 2 * i;
    Characters += static_cast<char16_t>(Data[At] | Data[At + 1] << 8);
  }
  EXPECT_EQ(Characters, u"C A T");
  const std::size_t Dx = Texts[0].At + U32(Data, Text + 36);
  for (std::uint32_t i = 0; i < Count; ++i) EXPECT_EQ(U32(Data, Dx + 4 * i), 8u);
}

TEST_F(EmfWriterTest, FontIsCourierNewWithTheDocumentsCharacterSet) {
  Game.Settings.Charset = 238;
  Game.Settings.Bold = 1;
  Game.DrawGrid(true);
  const Bytes Data = WriteEmf(Game.MetaFile);
  std::vector<Record> Fonts;
  for (const Record& R : Records(Data))
    if (R.Type == EmrExtCreateFont) Fonts.push_back(R);
  ASSERT_EQ(Fonts.size(), 1u);
  const std::size_t Logical = Fonts[0].At + 12;
  EXPECT_EQ(I32(Data, Logical), -13);
  EXPECT_EQ(I32(Data, Logical + 16), 700);
  EXPECT_EQ(Data[Logical + 23], 238);
  std::string Face;
  for (std::size_t At = Logical + 28; Data[At] != 0; At += 2) Face += static_cast<char>(Data[At]);
  EXPECT_EQ(Face, "Courier New");
}

TEST_F(EmfWriterTest, SamePictureGivesTheSameBytes) {
  // Catches record fields left uninitialised (a font record read past its LOGFONT did).
  EXPECT_EQ(WriteEmf(Game.MetaFile), WriteEmf(Game.MetaFile));
  for (const Record& R : Records(WriteEmf(Game.MetaFile)))
    if (R.Type == EmrExtCreateFont) {
      EXPECT_EQ(R.Size, 12u + 92u);
    }
}

TEST_F(EmfWriterTest, WidePensAreGeometric) {
  Game.MetaFile.BeginDraw();
  Game.DrawWordLine(0, clRed);
  Game.MetaFile.EndDraw();
  const Bytes Data = WriteEmf(Game.MetaFile);
  int Wide = 0;
  for (const Record& R : Records(Data)) {
    if (R.Type != EmrExtCreatePen) continue;
    ++Wide;
    const std::size_t Pen = R.At + 28;  // EXTLOGPEN after handle and bitmap offsets
    EXPECT_EQ(U32(Data, Pen) & 0x000F0000u, 0x00010000u);  // PS_GEOMETRIC
    EXPECT_EQ(U32(Data, Pen + 4), 2u);
    EXPECT_EQ(U32(Data, Pen + 12), 0x0000FFu);
  }
  EXPECT_EQ(Wide, 1);
}

// emf2svg-conv reads what we write, and the shapes land where the design puts them.
class EmfReaderTest : public EmfWriterTest {
 protected:
  std::string Svg;
  void SetUp() override {
    EmfWriterTest::SetUp();
    ASSERT_TRUE(test::ReaderInstalled("emf2svg-conv"));
    Svg = test::EmfToSvg(Home.Path(), WriteEmf(Game.MetaFile));
    ASSERT_FALSE(Svg.empty());
  }
};

TEST_F(EmfReaderTest, ShadowAndFrameRectanglesLandOnTheirCoordinates) {
  const auto Rects = test::Elements(Svg, "rect");
  ASSERT_EQ(Rects.size(), 2u);
  EXPECT_EQ(test::Attribute(Rects[0], "x"), 4);
  EXPECT_EQ(test::Attribute(Rects[0], "y"), 4);
  EXPECT_NEAR(test::Attribute(Rects[0], "width"), 81, 1);
  EXPECT_EQ(test::TextAttribute(Rects[0], "fill"), "#808080");
  EXPECT_EQ(test::Attribute(Rects[1], "x"), 1);
  EXPECT_NEAR(test::Attribute(Rects[1], "width"), 81, 1);  // right edge at 81 or 82
  EXPECT_EQ(test::TextAttribute(Rects[1], "fill"), "#FFFFFF");
  EXPECT_EQ(test::TextAttribute(Rects[1], "stroke"), "#000000");
}

TEST_F(EmfReaderTest, GridLinesLandOnTheirCoordinates) {
  const auto Paths = test::Elements(Svg, "path");
  std::vector<std::string> Found;
  for (const std::string& Path : Paths) Found.push_back(test::TextAttribute(Path, "d"));
  const std::vector<std::string> Expected{
      "M 17.0000,1.0000 L 17.0000,81.0000 ", "M 33.0000,1.0000 L 33.0000,81.0000 ",
      "M 49.0000,1.0000 L 49.0000,81.0000 ", "M 65.0000,1.0000 L 65.0000,81.0000 ",
      "M 1.0000,17.0000 L 81.0000,17.0000 ", "M 1.0000,33.0000 L 81.0000,33.0000 ",
      "M 1.0000,49.0000 L 81.0000,49.0000 ", "M 1.0000,65.0000 L 81.0000,65.0000 "};
  EXPECT_EQ(Found, Expected);
}

TEST_F(EmfReaderTest, LettersLandInTheirCells) {
  const auto Texts = test::Elements(Svg, "text");
  ASSERT_EQ(Texts.size(), 1u);
  EXPECT_EQ(test::Content(Texts[0]), "C A T");
  EXPECT_EQ(test::Attribute(Texts[0], "x"), 21);
  // The baseline lies inside row 3 (y 33 to 49), below the text's top at 34.
  const double Baseline = test::Attribute(Texts[0], "y");
  EXPECT_GT(Baseline, 42);
  EXPECT_LT(Baseline, 49);
  EXPECT_EQ(test::TextAttribute(Texts[0], "font-family"), "Courier New");
}

TEST_F(EmfReaderTest, WordLineIsATwoUnitStrokeThroughTheCentres) {
  Game.MetaFile.BeginDraw();
  Game.DrawWordLine(0, clRed);
  Game.MetaFile.EndDraw();
  const std::string LineSvg = test::EmfToSvg(Home.Path(), WriteEmf(Game.MetaFile));
  const auto Paths = test::Elements(LineSvg, "path");
  ASSERT_EQ(Paths.size(), 2u);
  EXPECT_EQ(test::TextAttribute(Paths[0], "d"), "M 25.0000,41.0000 L 41.0000,41.0000 ");
  EXPECT_EQ(test::TextAttribute(Paths[1], "d"), "M 41.0000,41.0000 L 57.0000,41.0000 ");
  for (const std::string& Path : Paths) {
    EXPECT_EQ(test::Attribute(Path, "stroke-width"), 2);
    EXPECT_EQ(test::TextAttribute(Path, "stroke"), "#FF0000");
  }
}

TEST(EmfWriterEmptyTest, AnEmptyPictureIsAValidMetafile) {
  test::TempHome Home;
  TDrawMetaFile Picture;
  const Bytes Data = WriteEmf(Picture);
  const auto All = Records(Data);
  ASSERT_GE(All.size(), 2u);
  EXPECT_EQ(All.front().Type, EmrHeader);
  EXPECT_EQ(All.back().Type, EmrEof);
  ASSERT_TRUE(test::ReaderInstalled("emf2svg-conv"));
  EXPECT_NE(test::EmfToSvg(Home.Path(), Data).find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace vornic
