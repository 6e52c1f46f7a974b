// The jumble's and the lost letters' pictures, played onto a raster with GDI's rules: which
// colour shows where, and which letters are drawn in which order.
#include <gtest/gtest.h>

#include "base/RandomGenerator.h"
#include "core/games/support/PictureRaster.h"
#include "document/TVornicGame.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleDrawing.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "games/lostletters/LostLettersDrawing.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::Ascii;
using test::PictureRaster;

constexpr TColor Back = 0xF0F0F0, LineC = 0x302010, MarkBack = 0x00FFFF, MarkFont = 0x0000AA,
                 FontC = 0x00AA00;

template <typename Builder, typename Drawing>
class DrawingTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  Builder Build{Game};
  Drawing Draw{Game};

  void Start(const char* Type) {
    Game.Init(Type, &Ui);
    Game.Settings.BackColor = Back;
    Game.Settings.LineColor = LineC;
    Game.Settings.MarkBackColor = MarkBack;
    Game.Settings.MarkFontColor = MarkFont;
    Game.Settings.FontColor = FontC;
    Game.Settings.Bold = 1;
    RandomGenerator::Seed(3);
  }
  PictureRaster Drawn(bool Solution) {
    Draw.Solution = Solution;
    EXPECT_TRUE(Draw.DrawTheGame());
    return PictureRaster(Game.MetaFile);
  }
};

class JumbleDrawingTest : public DrawingTest<JumbleBuilder, JumbleDrawing> {
 protected:
  // THE CAT SAT ON THE MAT: 10 x 3 cells, a picture of 165 x 53; the second word column's
  // hint boxes cover columns 6 to 7 (ON: 6 to 8), x from 81.
  void SetUp() override {
    Start("JumbledUp");
    Build.Mix = false;
    ASSERT_TRUE(Build.Build("THE CAT SAT ON THE MAT"));
  }
};

TEST_F(JumbleDrawingTest, HintBoxesHideVerticalGridLinesButNotHorizontalOnes) {
  const PictureRaster Picture = Drawn(false);
  EXPECT_EQ(Game.MetaFile.Height(), 53);
  EXPECT_EQ(Picture.At(49, 5), LineC);      // vertical line between answer cells
  EXPECT_EQ(Picture.At(17, 5), MarkBack);   // inside THE's box: hidden
  EXPECT_EQ(Picture.At(113, 5), MarkBack);  // inside ON's box (columns 6 to 8)
  EXPECT_EQ(Picture.At(113, 20), LineC);    // row 2's box ends before column 8
  EXPECT_EQ(Picture.At(90, 17), LineC);     // horizontal lines lie over the boxes
}

TEST_F(JumbleDrawingTest, MixedLettersSitInTheirBoxesAndTheSolutionInTheAnswerCells) {
  const PictureRaster Picture = Drawn(true);
  ASSERT_EQ(Picture.Texts.size(), 12u);  // six hint texts, then one run per answer word
  const std::vector<TPoint> Hints{{5, 2}, {5, 18}, {5, 34}, {85, 2}, {85, 18}, {85, 34}};
  for (std::size_t i = 0; i < 6; ++i) {
    const auto& Text = Picture.Texts[i];
    EXPECT_EQ(Text.At, Hints[i]) << i;
    EXPECT_EQ(Text.Color, MarkFont);
    EXPECT_FALSE(Text.Bold) << "hint letters stay regular";
    const std::string Word = Game.Words[i + 1].substr(0, Game.Words[i + 1].find(EmptyChar));
    EXPECT_EQ(Text.Characters, Ascii(Word));
    EXPECT_GT(static_cast<long>(Text.Order), Picture.Layer(Text.At.X + 2, Text.At.Y + 8));
  }
  EXPECT_EQ(Picture.Texts[6].At, (TPoint{37, 2}));  // THE in columns 3 to 5 of row 1
  EXPECT_EQ(Picture.Texts[6].Characters, Ascii("T H E"));
  EXPECT_EQ(Picture.Texts[6].Color, FontC);
  EXPECT_TRUE(Picture.Texts[6].Bold);
  EXPECT_EQ(Picture.Texts[7].At, (TPoint{133, 2}));  // ON in columns 9 and 10
  // The frame and the horizontal lines are drawn after every letter.
  EXPECT_GT(Picture.Layer(60, 17), static_cast<long>(Picture.Texts.back().Order));
}

TEST_F(JumbleDrawingTest, PunctuationAndDigitsStandInTheAnswerCellsOfThePuzzle) {
  ASSERT_TRUE(Build.Build("IT'S 42"));  // 7 x 2: IT'S in columns 4 to 7, 42 in 6 and 7
  const PictureRaster Picture = Drawn(false);
  ASSERT_EQ(Picture.Texts.size(), 4u);  // two hints, then what is given
  EXPECT_EQ(Picture.Texts[2].Characters + Picture.Texts[3].Characters, Ascii("'4 2"));
}

TEST_F(JumbleDrawingTest, DamagedRecordsAreSkippedAndNoRecordsDrawNothing) {
  ASSERT_TRUE(Build.Build("AB CD"));  // 4 x 2 cells
  std::vector<std::string> Words{Game.Words[0], Game.Words[1]};
  for (const char* Path :
       {"\x65", "\x65\x65\x64\x66", "\xC8\x65\x67", "\x65\x68\x66", "\x65\x66\x65"})
    Words.push_back(std::string("XY") + EmptyChar + Path);  // short, A = 0, row 100, past, B < A
  Words.push_back("NOSEPARATOR");
  Game.Words.Assign(Words);
  const PictureRaster Picture = Drawn(false);
  ASSERT_EQ(Picture.Texts.size(), 1u);
  EXPECT_EQ(Picture.Texts[0].At, (TPoint{5, 2}));
  const std::size_t Before = Game.MetaFile.Operations().size();
  Game.ClearGrid();
  Game.Words.Assign({"   "});  // only line 0, as a file may hold
  EXPECT_FALSE(Draw.DrawTheGame());
  EXPECT_EQ(Game.MetaFile.Operations().size(), Before);
}

class LostLettersDrawingTest : public DrawingTest<LostLettersBuilder, LostLettersDrawing> {
 protected:
  // HELLO WORLD in 2 lines: 6 x 2 cells, a picture of 101 x 74, the answer block 37 lower.
  void SetUp() override {
    Start("LostLetters");
    ASSERT_TRUE(Build.Build("HELLO WORLD", 2));
  }
};

TEST_F(LostLettersDrawingTest, TwoBlocksWithSpacesHighlightedAndAStripBetween) {
  const PictureRaster Picture = Drawn(false);
  EXPECT_EQ(Game.MetaFile.Height(), 74);
  EXPECT_EQ(Draw.BlockOffset(), 37);
  for (int Y : {5, 21, 5 + 37, 21 + 37}) EXPECT_EQ(Picture.At(88, Y), MarkBack) << Y;
  for (int Y = 34; Y <= 37; ++Y) EXPECT_EQ(Picture.At(17, Y), Back) << "lines skip the strip";
  EXPECT_EQ(Picture.At(88, 17), LineC);  // drawn over the highlighted cells
}

TEST_F(LostLettersDrawingTest, MixedLettersAboveAndTheSolutionInTheAnswerBlock) {
  const PictureRaster Puzzle = Drawn(false);
  for (const auto& Text : Puzzle.Texts) {
    EXPECT_LT(Text.At.Y, 37) << "no solution in the answer block";
    EXPECT_EQ(Text.Color, clBlack);
    EXPECT_FALSE(Text.Bold);
  }
  std::vector<PictureRaster::TextCall> Answer;
  const PictureRaster Solved = Drawn(true);
  for (const auto& Text : Solved.Texts)
    if (Text.At.Y > 37) Answer.push_back(Text);
  ASSERT_EQ(Answer.size(), 2u);
  EXPECT_EQ(Answer[0].At, (TPoint{5, 39}));
  EXPECT_EQ(Answer[0].Characters, Ascii("H E L L O"));
  EXPECT_EQ(Answer[1].Characters, Ascii("W O R L D"));
}

TEST_F(LostLettersDrawingTest, PunctuationAndDigitsStandInTheAnswerBlockOfThePuzzle) {
  ASSERT_TRUE(Build.Build("HI, 2 YOU", 3));  // 3 x 3: "HI,", " 2 ", "YOU"
  const auto Texts = Drawn(false).Texts;
  ASSERT_GE(Texts.size(), 2u);
  EXPECT_EQ(Texts[Texts.size() - 2].Characters + Texts.back().Characters, Ascii(",2"));
}

TEST_F(LostLettersDrawingTest, DamagedSolutionsAndCellsDrawOnlyWhatIsValid) {
  ASSERT_TRUE(Build.Build("AB CD EF", 2));  // 4 x 2
  Game.Words.Assign({std::string("AB ")});  // shorter than the grid
  Game.SetCell(4, 2, EmptyChar);
  PictureRaster Picture = Drawn(true);
  EXPECT_EQ(Picture.At(40, 5), MarkBack);  // cell (3, 1) is the one space
  EXPECT_EQ(Picture.At(56, 21), Back);     // past the solution: nothing to highlight
  for (const auto& Text : Picture.Texts)
    EXPECT_EQ(Text.Characters.find(U'\x19'), std::u32string::npos);
  Game.Words.Assign({std::string("AB CD EFTOO LONG")});  // longer than the grid
  Picture = Drawn(true);
  for (const auto& Text : Picture.Texts) EXPECT_LT(Text.At.Y, 74 - 10);
  Game.Words.Assign(std::vector<std::string>{});
  EXPECT_FALSE(Draw.DrawTheGame());
}

}  // namespace
}  // namespace vornic
