#include <gtest/gtest.h>

#include "PictureOps.h"
#include "document/TVornicGame.h"
#include "support/DocumentTest.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::OpsOf;
using test::PlacedLetter;
using test::PlacedLetters;

// A 5 x 5 word search document with letters in some cells.
class GridDrawingTest : public test::DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    ASSERT_TRUE(Game.New());
    Game.ResizeImage();
  }
  const std::vector<DrawOperation>& Ops() const { return Game.MetaFile.Operations(); }
  // A horizontal word in row Y from column X.
  void PlaceAcross(const std::string& Word, int X, int Y) {
    std::string Path;
    for (std::size_t i = 0; i < Word.size(); ++i) {
      Game.SetCell(X + static_cast<int>(i), Y, Word[i]);
      Path += PathBytes(X + static_cast<int>(i), Y);
    }
    Game.AddWord(Word, Path);
  }
};

TEST_F(GridDrawingTest, FiveByFiveGridHasTheDesignedGeometry) {
  EXPECT_EQ(Game.MetaFile.Width(), 85);
  EXPECT_EQ(Game.MetaFile.Height(), 85);
  Game.DrawGrid(true);
  const auto Boxes = OpsOf<draw::Rectangle>(Ops());
  ASSERT_EQ(Boxes.size(), 2u);
  // The shadow first, then the frame over it: a 3-unit grey band right and below.
  EXPECT_EQ(Boxes[0].Left, 4);
  EXPECT_EQ(Boxes[0].Top, 4);
  EXPECT_EQ(Boxes[0].Right, 85);
  EXPECT_EQ(Boxes[0].Bottom, 85);
  EXPECT_EQ(Boxes[1].Left, 1);
  EXPECT_EQ(Boxes[1].Right, 82);  // exclusive: the frame's right edge is at 81
  EXPECT_EQ(Boxes[1].Bottom, 82);

  const auto Moves = OpsOf<draw::MoveTo>(Ops());
  const auto Lines = OpsOf<draw::LineTo>(Ops());
  ASSERT_EQ(Moves.size(), 8u);
  ASSERT_EQ(Lines.size(), 8u);
  const int Positions[] = {17, 33, 49, 65};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Moves[static_cast<std::size_t>(i)].To, (TPoint{Positions[i], 1}));
    EXPECT_EQ(Lines[static_cast<std::size_t>(i)].To, (TPoint{Positions[i], 81}));
    EXPECT_EQ(Moves[static_cast<std::size_t>(i + 4)].To, (TPoint{1, Positions[i]}));
    EXPECT_EQ(Lines[static_cast<std::size_t>(i + 4)].To, (TPoint{81, Positions[i]}));
  }
}

TEST_F(GridDrawingTest, ColoursFollowTheSettings) {
  Game.Settings.LineColor = 0x112233;
  Game.Settings.BackColor = 0x445566;
  Game.Settings.FontColor = 0x778899;
  PlaceAcross("AB", 1, 1);
  Game.DrawGrid(true);
  const auto Pens = OpsOf<draw::SelectPen>(Ops());
  const auto Brushes = OpsOf<draw::SelectBrush>(Ops());
  ASSERT_EQ(Pens.size(), 2u);
  EXPECT_EQ(Pens[0].Pen.Color, clGray);
  EXPECT_EQ(Pens[1].Pen.Color, 0x112233u);
  EXPECT_EQ(Brushes[0].Brush.Color, clGray);
  EXPECT_EQ(Brushes[1].Brush.Color, 0x445566u);
  const auto Fonts = OpsOf<draw::SelectFont>(Ops());
  ASSERT_EQ(Fonts.size(), 1u);
  EXPECT_EQ(Fonts[0].Font.Color, 0x778899u);
}

TEST_F(GridDrawingTest, WithoutShadowAndGridLinesOnlyFrameAndLettersAreDrawn) {
  Game.Settings.Shadow = 0;
  Game.Settings.GridLines = 0;
  PlaceAcross("CAT", 2, 3);
  Game.DrawGrid(true);
  const auto Boxes = OpsOf<draw::Rectangle>(Ops());
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_EQ(Boxes[0].Left, 1);
  EXPECT_TRUE(OpsOf<draw::LineTo>(Ops()).empty());
  const std::vector<PlacedLetter> Expected{{U'C', 21, 34}, {U'A', 37, 34}, {U'T', 53, 34}};
  EXPECT_EQ(PlacedLetters(Ops()), Expected);
}

TEST_F(GridDrawingTest, RecordingOrderIsShadowFrameLinesLetters) {
  PlaceAcross("A", 1, 1);
  Game.DrawGrid(true);
  std::vector<std::size_t> Kinds;
  for (const DrawOperation& Op : Ops()) {
    const std::size_t Kind = Op.index();
    if (std::holds_alternative<draw::Rectangle>(Op) || std::holds_alternative<draw::LineTo>(Op) ||
        std::holds_alternative<draw::Text>(Op))
      if (Kinds.empty() || Kinds.back() != Kind) Kinds.push_back(Kind);
  }
  const std::vector<std::size_t> Expected{DrawOperation(draw::Rectangle{}).index(),
                                          DrawOperation(draw::LineTo{}).index(),
                                          DrawOperation(draw::Text{}).index()};
  EXPECT_EQ(Kinds, Expected);
}

TEST_F(GridDrawingTest, BoldAndCharsetComeFromTheSettings) {
  Game.Settings.Bold = 1;
  Game.Settings.Charset = 204;
  Game.SetCell(1, 1, '\xC6');  // Cyrillic Zhe in Windows-1251
  Game.DrawGrid(true);
  const auto Fonts = OpsOf<draw::SelectFont>(Ops());
  ASSERT_EQ(Fonts.size(), 1u);
  EXPECT_TRUE(Fonts[0].Font.Bold);
  EXPECT_EQ(Fonts[0].Font.Charset, 204);
  EXPECT_EQ(PlacedLetters(Ops()).front().Letter, U'\u0416');
}

TEST_F(GridDrawingTest, DrawGridWithoutCommitLeavesTheRecordingToTheCaller) {
  Game.MetaFile.BeginDraw();
  Game.DrawGrid(false);
  EXPECT_TRUE(Game.MetaFile.Drawing());
  EXPECT_TRUE(Game.MetaFile.Empty());
  Game.DrawWordLine(0, clRed);  // no entry: nothing more
  Game.MetaFile.EndDraw();
  EXPECT_EQ(OpsOf<draw::Rectangle>(Ops()).size(), 2u);
}

TEST_F(GridDrawingTest, ShowWordDrawsTheWordOverTheGridInBoldRed) {
  PlaceAcross("DOG", 1, 2);
  PlaceAcross("CAT", 3, 4);
  Game.SetCell(5, 5, 'X');
  const std::string Before = Game.Grid;
  ASSERT_TRUE(Game.ShowWord(1));
  EXPECT_EQ(Game.Grid, Before);
  EXPECT_FALSE(Game.MetaFile.Drawing());

  const auto Fonts = OpsOf<draw::SelectFont>(Ops());
  ASSERT_EQ(Fonts.size(), 2u);
  EXPECT_EQ(Fonts[1].Font.Color, clRed);
  EXPECT_TRUE(Fonts[1].Font.Bold);
  // Grid letters without the word, then the word alone.
  const std::vector<PlacedLetter> Expected{{U'D', 5, 18},  {U'O', 21, 18}, {U'G', 37, 18},
                                           {U'X', 69, 66}, {U'C', 37, 50}, {U'A', 53, 50},
                                           {U'T', 69, 50}};
  EXPECT_EQ(PlacedLetters(Ops()), Expected);
}

TEST_F(GridDrawingTest, ShowWordUsesBlueWhenTheLettersAreRed) {
  Game.Settings.FontColor = clRed;
  PlaceAcross("DOG", 1, 1);
  ASSERT_TRUE(Game.ShowWord(0));
  EXPECT_EQ(OpsOf<draw::SelectFont>(Ops()).back().Font.Color, clBlue);
  Game.Settings.FontColor = 0x0000FE;  // not exactly red
  ASSERT_TRUE(Game.ShowWord(0));
  EXPECT_EQ(OpsOf<draw::SelectFont>(Ops()).back().Font.Color, clRed);
}

TEST_F(GridDrawingTest, ShowWordWithANegativeIndexLeavesThePictureAlone) {
  PlaceAcross("DOG", 1, 1);
  Game.DrawGrid(true);
  const std::size_t Count = Ops().size();
  EXPECT_FALSE(Game.ShowWord(-1));
  EXPECT_EQ(Ops().size(), Count);
  EXPECT_FALSE(Game.MetaFile.Drawing());
}

TEST_F(GridDrawingTest, ShowWordPastTheLastEntryDrawsThePlainGrid) {
  PlaceAcross("DOG", 1, 1);
  const bool Modified = Game.Modified;
  EXPECT_TRUE(Game.ShowWord(7));
  EXPECT_EQ(PlacedLetters(Ops()).size(), 3u);
  EXPECT_EQ(Game.Modified, Modified);
}

TEST_F(GridDrawingTest, ShowWordSkipsCellsOfADamagedPath) {
  PlaceAcross("DO", 1, 1);
  // Four letters, but a path of two cells of which the second lies outside the grid.
  Game.AddWord("LONG", PathBytes(2, 1) + PathBytes(9, 9));
  ASSERT_TRUE(Game.ShowWord(1));
  const auto Letters = PlacedLetters(Ops());
  ASSERT_EQ(Letters.size(), 2u);
  EXPECT_EQ(Letters[1], (PlacedLetter{U'O', 21, 2}));  // highlighted, drawn last
}

TEST_F(GridDrawingTest, WordLineRunsThroughTheCellCentresWithAWidePen) {
  PlaceAcross("DOG", 2, 3);
  Game.MetaFile.BeginDraw();
  Game.DrawWordLine(0, clGreen);
  Game.MetaFile.EndDraw();
  const auto Pens = OpsOf<draw::SelectPen>(Ops());
  ASSERT_EQ(Pens.size(), 1u);
  EXPECT_EQ(Pens[0].Pen, (TPen{clGreen, 2}));
  const auto Moves = OpsOf<draw::MoveTo>(Ops());
  const auto Lines = OpsOf<draw::LineTo>(Ops());
  ASSERT_EQ(Moves.size(), 1u);
  EXPECT_EQ(Moves[0].To, (TPoint{25, 41}));
  ASSERT_EQ(Lines.size(), 2u);
  EXPECT_EQ(Lines[0].To, (TPoint{41, 41}));
  EXPECT_EQ(Lines[1].To, (TPoint{57, 41}));
}

TEST_F(GridDrawingTest, WordLineStopsWhereADamagedPathEnds) {
  Game.AddWord("ABCD", PathBytes(1, 1) + PathBytes(2, 2) + PathBytes(0, 3));  // leaves the grid
  Game.AddWord("XYZ", PathBytes(1, 1));                                       // path too short
  Game.AddWord("NOPATH", "");
  Game.MetaFile.BeginDraw();
  Game.DrawWordLine(0, clRed);
  Game.DrawWordLine(1, clRed);
  Game.DrawWordLine(2, clRed);
  Game.DrawWordLine(-1, clRed);
  Game.DrawWordLine(3, clRed);
  Game.MetaFile.EndDraw();
  EXPECT_EQ(OpsOf<draw::MoveTo>(Ops()).size(), 2u);
  ASSERT_EQ(OpsOf<draw::LineTo>(Ops()).size(), 1u);
  EXPECT_EQ(OpsOf<draw::LineTo>(Ops())[0].To, (TPoint{25, 25}));
}

TEST_F(GridDrawingTest, CopyAsTextPutsATabTableOnTheClipboard) {
  Game.SetSize(3, 2);
  Game.ClearGrid();
  Game.SetCell(1, 1, 'A');
  Game.SetCell(3, 2, 'B');
  Game.CopyAsText();
  ASSERT_EQ(Ui.Clipboard.size(), 1u);
  EXPECT_EQ(Ui.Clipboard[0].Picture, nullptr);
  ASSERT_TRUE(Ui.Clipboard[0].Text);
  EXPECT_EQ(*Ui.Clipboard[0].Text, "A\t\x19\t\x19\r\n\x19\t\x19\tB\r\n");
}

TEST_F(GridDrawingTest, CopyToClipboardOffersThePictureOnly) {
  Game.DrawGrid(true);
  Game.MetaFile.CopyToClipboard(Ui);
  ASSERT_EQ(Ui.Clipboard.size(), 1u);
  EXPECT_EQ(Ui.Clipboard[0].Picture, &Game.MetaFile);
  EXPECT_FALSE(Ui.Clipboard[0].Text);
}

TEST_F(GridDrawingTest, CopyAsTextDecodesTheDocumentsCodePage) {
  Game.Settings.Charset = 204;
  Game.SetSize(1, 1);
  Game.ClearGrid();
  Game.SetCell(1, 1, '\xC0');
  Game.CopyAsText();
  ASSERT_EQ(Ui.Clipboard.size(), 1u);
  EXPECT_EQ(*Ui.Clipboard[0].Text, "\xD0\x90\r\n");  // U+0410 in UTF-8
}

}  // namespace
}  // namespace vornic
