#include <gtest/gtest.h>

#include "base/RandomGenerator.h"
#include "core/games/support/PictureRaster.h"
#include "document/TVornicGame.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "games/lostletters/LostLettersDrawing.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::Ascii;
using test::PictureRaster;

constexpr TColor Back = 0xF0F0F0;
constexpr TColor LineC = 0x302010;
constexpr TColor MarkBack = 0x00FFFF;

class LostLettersDrawingTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  LostLettersBuilder Builder{Game};
  LostLettersDrawing Drawing{Game};

  void SetUp() override {
    Game.Init("LostLetters", &Ui);
    Game.Settings.BackColor = Back;
    Game.Settings.LineColor = LineC;
    Game.Settings.MarkBackColor = MarkBack;
    RandomGenerator::Seed(5);
  }
  // HELLO WORLD in 2 lines: 6 x 2 cells, a picture of 101 x 74, the answer block 37 lower.
  PictureRaster DrawExample(bool Solution) {
    EXPECT_TRUE(Builder.Build("HELLO WORLD", 2));
    Drawing.Solution = Solution;
    EXPECT_TRUE(Drawing.DrawTheGame());
    return PictureRaster(Game.MetaFile);
  }
};

TEST_F(LostLettersDrawingTest, PictureHoldsTwoBlocks) {
  DrawExample(false);
  EXPECT_EQ(Game.MetaFile.Width(), 101);
  EXPECT_EQ(Game.MetaFile.Height(), 74);
  EXPECT_EQ(Drawing.BlockOffset(), 37);
}

TEST_F(LostLettersDrawingTest, SpaceCellsAreHighlightedInBothBlocks) {
  const PictureRaster Picture = DrawExample(false);
  for (int Y : {5, 21, 5 + 37, 21 + 37}) EXPECT_EQ(Picture.At(88, Y), MarkBack) << Y;
  EXPECT_EQ(Picture.At(8, 5), Back);
  EXPECT_EQ(Picture.At(72, 42), Back);
}

TEST_F(LostLettersDrawingTest, StripSeparatesTheBlocksAndGridLinesSkipIt) {
  const PictureRaster Picture = DrawExample(false);
  EXPECT_EQ(Picture.At(50, 33), LineC);  // bottom edge of the mixed block
  EXPECT_EQ(Picture.At(50, 38), LineC);  // top edge of the answer block
  for (int Y = 34; Y <= 37; ++Y) {
    EXPECT_EQ(Picture.At(50, Y), Back) << Y;
    EXPECT_EQ(Picture.At(17, Y), Back) << Y;  // vertical lines stop at the strip
  }
  EXPECT_EQ(Picture.At(17, 10), LineC);
  EXPECT_EQ(Picture.At(17, 50), LineC);
  EXPECT_EQ(Picture.At(50, 17), LineC);  // row lines of both blocks
  EXPECT_EQ(Picture.At(50, 54), LineC);
  EXPECT_EQ(Picture.At(88, 17), LineC);  // drawn over the highlighted cells
  EXPECT_EQ(Picture.At(1, 35), LineC);   // frame
  EXPECT_EQ(Picture.At(97, 35), LineC);
  EXPECT_EQ(Picture.At(99, 35), clGray);  // shadow
}

TEST_F(LostLettersDrawingTest, MixedCharactersInTheTopBlockInThePictureFont) {
  Game.Settings.Bold = 1;
  Game.Settings.FontColor = 0x0000FF;
  Game.Settings.MarkFontColor = 0x00FF00;
  const PictureRaster Picture = DrawExample(false);
  ASSERT_FALSE(Picture.Texts.empty());
  for (const auto& Text : Picture.Texts) {
    EXPECT_LT(Text.At.Y, 37) << "no solution in the answer block";
    EXPECT_EQ(Text.Color, clBlack);
    EXPECT_FALSE(Text.Bold);
    EXPECT_GT(static_cast<long>(Text.Order), Picture.Layer(50, 17));  // above the grid lines
  }
  EXPECT_EQ(Picture.Texts.front().At, (TPoint{5, 2}));
}

TEST_F(LostLettersDrawingTest, SolutionShowsThePaddedTextInTheAnswerBlock) {
  const PictureRaster Picture = DrawExample(true);
  std::vector<PictureRaster::TextCall> Answer;
  for (const auto& Text : Picture.Texts)
    if (Text.At.Y > 37) Answer.push_back(Text);
  ASSERT_EQ(Answer.size(), 2u);
  EXPECT_EQ(Answer[0].At, (TPoint{5, 39}));
  EXPECT_EQ(Answer[0].Characters, Ascii("H E L L O"));
  EXPECT_EQ(Answer[1].At, (TPoint{5, 55}));
  EXPECT_EQ(Answer[1].Characters, Ascii("W O R L D"));
  EXPECT_GT(Answer[0].Order, Picture.Texts.front().Order);
}

TEST_F(LostLettersDrawingTest, OneColumnHasNoVerticalLinesButFullWidthRows) {
  ASSERT_TRUE(Builder.Build("ABC", 5));
  ASSERT_TRUE(Drawing.DrawTheGame());
  const PictureRaster Picture(Game.MetaFile);
  EXPECT_EQ(Game.MetaFile.Width(), 21);
  int Horizontal = 0;
  for (const auto& [From, To] : Picture.Lines) {
    EXPECT_EQ(From.Y, To.Y) << "only horizontal lines";
    EXPECT_EQ(From.X, 1);
    EXPECT_EQ(To.X, 17);
    ++Horizontal;
  }
  EXPECT_EQ(Horizontal, 2 * 4 + 2);
}

TEST_F(LostLettersDrawingTest, NothingIsDrawnWithoutAWordList) {
  DrawExample(false);
  const std::size_t Before = Game.MetaFile.Operations().size();
  Game.Modified = false;
  ASSERT_TRUE(Game.New());
  EXPECT_FALSE(Drawing.DrawTheGame());
  EXPECT_EQ(Game.MetaFile.Operations().size(), Before);
}

TEST_F(LostLettersDrawingTest, DamagedSolutionAndCellsDrawOnlyWhatIsValid) {
  ASSERT_TRUE(Builder.Build("AB CD EF", 2));  // 4 x 2
  Game.Words.Assign({std::string("AB ")});    // shorter than the grid
  Game.SetCell(4, 2, EmptyChar);
  Drawing.Solution = true;
  ASSERT_TRUE(Drawing.DrawTheGame());
  PictureRaster Picture(Game.MetaFile);
  EXPECT_EQ(Picture.At(40, 5), MarkBack);  // cell (3, 1) is the one space
  EXPECT_EQ(Picture.At(56, 21), Back);     // past the solution: nothing to highlight
  for (const auto& Text : Picture.Texts)
    EXPECT_EQ(Text.Characters.find(U'\x19'), std::u32string::npos);

  Game.Words.Assign({std::string("AB CD EF") + "TOO LONG"});  // longer than the grid
  ASSERT_TRUE(Drawing.DrawTheGame());
  Picture = PictureRaster(Game.MetaFile);
  for (const auto& Text : Picture.Texts) EXPECT_LT(Text.At.Y, 74 - 10);
}

}  // namespace
}  // namespace vornic
