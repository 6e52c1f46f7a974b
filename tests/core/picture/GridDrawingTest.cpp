#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "support/DocumentTest.h"

namespace vornic {
namespace {

// The operations of one kind in a picture's content, in order.
template <typename Op>
std::vector<Op> OpsOf(const std::vector<DrawOperation>& Ops) {
  std::vector<Op> Found;
  for (const DrawOperation& Each : Ops)
    if (const Op* Match = std::get_if<Op>(&Each)) Found.push_back(*Match);
  return Found;
}

// The letters drawn, each with the top-left corner of its own place (texts with an advance are
// split into characters, spaces left out).
struct PlacedLetter {
  char32_t Letter;
  int X, Y;
  bool operator==(const PlacedLetter&) const = default;
};

std::vector<PlacedLetter> PlacedLetters(const std::vector<DrawOperation>& Ops) {
  std::vector<PlacedLetter> Letters;
  for (const draw::Text& Text : OpsOf<draw::Text>(Ops)) {
    for (std::size_t i = 0; i < Text.Characters.size(); ++i) {
      if (Text.Characters[i] == U' ') continue;
      Letters.push_back(
          {Text.Characters[i], Text.At.X + static_cast<int>(i) * Text.Advance, Text.At.Y});
    }
  }
  return Letters;
}

int Boxes(const TDrawMetaFile& Picture) {
  return static_cast<int>(OpsOf<draw::Rectangle>(Picture.Operations()).size());
}

// Told: how often the picture said that its content changed.
TEST(TDrawMetaFileTest, ContentChangesOnlyWhenTheOutermostRecordingCloses) {
  TDrawMetaFile Picture;
  int Told = 0;
  Picture.OnContentChanged = [&Told] { ++Told; };
  Picture.BeginDraw();
  Picture.Canvas()->Rectangle(1, 0, 10, 10);
  EXPECT_TRUE(Picture.Empty()) << "still recording";
  Picture.BeginDraw();  // keeps the open canvas
  Picture.Canvas()->Rectangle(20, 0, 30, 10);
  Picture.EndDraw();
  EXPECT_EQ(Boxes(Picture), 2);
  EXPECT_EQ(Picture.Canvas(), nullptr);
  EXPECT_EQ(Told, 1);
  Picture.EndDraw();  // not drawing: nothing happens
  EXPECT_EQ(Boxes(Picture), 2);
  EXPECT_EQ(Told, 1);
  // Restart commits what was drawn and starts an empty recording; only its end is told.
  Picture.BeginDraw();
  Picture.Canvas()->Rectangle(40, 0, 50, 10);
  Picture.Restart();
  EXPECT_EQ(Boxes(Picture), 1);
  EXPECT_EQ(Told, 1);
  Picture.Canvas()->Rectangle(60, 0, 70, 10);
  Picture.EndDraw();
  EXPECT_EQ(OpsOf<draw::Rectangle>(Picture.Operations()).at(0).Left, 60);
  EXPECT_EQ(Told, 2);
  Picture.Clear();
  EXPECT_TRUE(Picture.Empty());
  EXPECT_EQ(Told, 3);
}

TEST(TDrawMetaFileTest, LettersLandInTheirCellsAsRunsOfLetterAndSpace) {
  TDrawMetaFile Picture;
  Picture.SetSize(3 * 16 + 5, 2 * 16 + 5);  // three cells to a line
  Picture.BeginDraw();
  Picture.Canvas()->Brush.Color = clRed;
  Picture.DrawLetters("AB CEF");
  Picture.DrawLettersAt(100, " B");  // spaces keep later letters in their columns
  EXPECT_EQ(Picture.Canvas()->Brush.Style, TBrushStyle::Solid) << "brush style restored";
  Picture.EndDraw();
  const std::vector<PlacedLetter> Expected{{U'A', 5, 2},   {U'B', 21, 2},  {U'C', 5, 18},
                                           {U'E', 21, 18}, {U'F', 37, 18}, {U'B', 21, 102}};
  EXPECT_EQ(PlacedLetters(Picture.Operations()), Expected);
  const auto Texts = OpsOf<draw::Text>(Picture.Operations());
  EXPECT_EQ(Texts[0].Characters, U"A B");
  EXPECT_EQ(Texts[0].Advance, 8);
  EXPECT_EQ(OpsOf<draw::SelectBrush>(Picture.Operations()).at(0).Brush.Style, TBrushStyle::Clear);
  Picture.DrawLetters("ABC");  // no canvas open: nothing
  EXPECT_EQ(OpsOf<draw::Text>(Picture.Operations()).size(), Texts.size());
}

// What the document draws beyond the plain grid (whose pixels and metafile records are checked
// by the readers): the highlighted word, the word line, and the text table.
class GridDrawingTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
  }
  const std::vector<DrawOperation>& Ops() const { return Game.MetaFile.Operations(); }
  void PlaceAcross(const std::string& Word, int X, int Y) {
    std::string Path;
    for (std::size_t i = 0; i < Word.size(); ++i) {
      Game.SetCell(X + static_cast<int>(i), Y, Word[i]);
      Path += PathBytes(X + static_cast<int>(i), Y);
    }
    Game.AddWord(Word, Path);
  }
};

// A window's preview follows these: every drawing is told, and a new or opened puzzle has no
// picture until its game draws one.
TEST_F(GridDrawingTest, EveryDrawingIsToldAndNewAndOpenEmptyThePicture) {
  int Told = 0;
  Game.OnPictureChanged = [&Told] { ++Told; };
  PlaceAcross("CAT", 1, 1);
  Game.DrawGrid(true);
  EXPECT_EQ(Told, 1);
  EXPECT_TRUE(Game.ShowWord(0));
  EXPECT_EQ(Told, 2);
  Game.FileName = (Home / "cat.gm").string();
  Game.SaveToFile();
  ASSERT_TRUE(Game.Open(Game.FileName));
  EXPECT_EQ(Told, 3);
  EXPECT_TRUE(Game.MetaFile.Empty());
  Game.DrawGrid(true);
  ASSERT_TRUE(Game.New());
  EXPECT_EQ(Told, 5);
  EXPECT_TRUE(Game.MetaFile.Empty());
}

TEST_F(GridDrawingTest, ShowWordDrawsTheWordLastInBoldRedWithoutTouchingTheGrid) {
  PlaceAcross("DOG", 1, 2);
  PlaceAcross("CAT", 3, 4);
  const std::string Before = Game.Grid;
  ASSERT_TRUE(Game.ShowWord(1));
  EXPECT_EQ(Game.Grid, Before);
  EXPECT_FALSE(Game.MetaFile.Drawing());
  const auto Fonts = OpsOf<draw::SelectFont>(Ops());
  EXPECT_EQ(Fonts.back().Font.Color, clRed);
  EXPECT_TRUE(Fonts.back().Font.Bold);
  const std::vector<PlacedLetter> Expected{{U'D', 5, 18},  {U'O', 21, 18}, {U'G', 37, 18},
                                           {U'C', 37, 50}, {U'A', 53, 50}, {U'T', 69, 50}};
  EXPECT_EQ(PlacedLetters(Ops()), Expected);
  // Red letters are highlighted in blue; an index past the end draws the plain grid, a
  // negative one nothing.
  Game.Settings.FontColor = clRed;
  ASSERT_TRUE(Game.ShowWord(0));
  EXPECT_EQ(OpsOf<draw::SelectFont>(Ops()).back().Font.Color, clBlue);
  ASSERT_TRUE(Game.ShowWord(7));
  EXPECT_EQ(OpsOf<draw::SelectFont>(Ops()).size(), 1u);
  const std::size_t Count = Ops().size();
  EXPECT_FALSE(Game.ShowWord(-1));
  EXPECT_EQ(Ops().size(), Count);
}

TEST_F(GridDrawingTest, DamagedPathsDrawOnlyTheirValidCells) {
  PlaceAcross("DO", 1, 1);
  Game.AddWord("LONG", PathBytes(2, 1) + PathBytes(9, 9));  // short, second cell outside
  ASSERT_TRUE(Game.ShowWord(1));
  const auto Letters = PlacedLetters(Ops());
  ASSERT_EQ(Letters.size(), 2u);
  EXPECT_EQ(Letters[1], (PlacedLetter{U'O', 21, 2}));  // highlighted, drawn last
  Game.ClearGrid();
  Game.AddWord("ABCD", PathBytes(1, 1) + PathBytes(2, 2) + PathBytes(0, 3));  // leaves the grid
  Game.AddWord("XYZ", PathBytes(1, 1));                                       // path too short
  Game.AddWord("NOPATH", "");
  Game.MetaFile.BeginDraw();
  for (int Index : {0, 1, 2, -1, 3}) Game.DrawWordLine(Index, clRed);
  Game.MetaFile.EndDraw();
  ASSERT_EQ(OpsOf<draw::LineTo>(Ops()).size(), 1u);
  EXPECT_EQ(OpsOf<draw::LineTo>(Ops())[0].To, (TPoint{25, 25}));
}

TEST_F(GridDrawingTest, CopyAsTextIsATabTableInUtf8WithEmptyCellsKept) {
  Game.Settings.Charset = 204;
  Game.SetSize(3, 2);
  Game.ClearGrid();
  Game.SetCell(1, 1, '\xC0');  // U+0410 in Windows-1251
  Game.SetCell(3, 2, 'B');
  Game.CopyAsText();
  ASSERT_EQ(Ui.Clipboard.size(), 1u);
  EXPECT_EQ(Ui.Clipboard[0].Picture, nullptr);
  EXPECT_EQ(Ui.Clipboard[0].Text, "\xD0\x90\t\x19\t\x19\r\n\x19\t\x19\tB\r\n");
}

}  // namespace
}  // namespace vornic
