#include <gtest/gtest.h>

#include "base/RandomGenerator.h"
#include "core/games/support/PictureRaster.h"
#include "document/TVornicGame.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleDrawing.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using test::Ascii;
using test::PictureRaster;

constexpr TColor Back = 0xF0F0F0;
constexpr TColor LineC = 0x302010;
constexpr TColor MarkBack = 0x00FFFF;
constexpr TColor MarkFont = 0x0000AA;
constexpr TColor FontC = 0x00AA00;

class JumbleDrawingTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  JumbleBuilder Builder{Game};
  JumbleDrawing Drawing{Game};

  void SetUp() override {
    Game.Init("JumbledUp", &Ui);
    Game.Settings.BackColor = Back;
    Game.Settings.LineColor = LineC;
    Game.Settings.MarkBackColor = MarkBack;
    Game.Settings.MarkFontColor = MarkFont;
    Game.Settings.FontColor = FontC;
    Builder.Mix = false;
    RandomGenerator::Seed(3);
  }
  // THE CAT SAT ON THE MAT: 10 x 3 cells, a picture of 165 x 53; the second word column's
  // hint boxes cover columns 6 to 7 (ON: 6 to 8), x from 81.
  PictureRaster DrawExample(bool Solution) {
    EXPECT_TRUE(Builder.Build("THE CAT SAT ON THE MAT"));
    Drawing.Solution = Solution;
    EXPECT_TRUE(Drawing.DrawTheGame());
    return PictureRaster(Game.MetaFile);
  }
};

TEST_F(JumbleDrawingTest, ShadowBackgroundAndFrame) {
  const PictureRaster Picture = DrawExample(false);
  EXPECT_EQ(Game.MetaFile.Width(), 165);
  EXPECT_EQ(Game.MetaFile.Height(), 53);
  EXPECT_EQ(Picture.At(163, 30), clGray);  // shadow band right of the frame
  EXPECT_EQ(Picture.At(80, 51), clGray);   // and below it
  EXPECT_EQ(Picture.At(2, 51), PictureRaster::Unpainted);
  EXPECT_EQ(Picture.At(1, 40), LineC);  // frame, left and right
  EXPECT_EQ(Picture.At(161, 40), LineC);
  EXPECT_EQ(Picture.At(40, 40), Back);  // an answer cell
}

TEST_F(JumbleDrawingTest, HintBoxesHideVerticalGridLinesButNotHorizontalOnes) {
  const PictureRaster Picture = DrawExample(false);
  EXPECT_EQ(Picture.At(49, 5), LineC);      // vertical line between answer cells
  EXPECT_EQ(Picture.At(17, 5), MarkBack);   // inside THE's box: hidden
  EXPECT_EQ(Picture.At(113, 5), MarkBack);  // inside ON's box (columns 6 to 8)
  EXPECT_EQ(Picture.At(113, 20), LineC);    // row 2's box ends before column 8
  EXPECT_EQ(Picture.At(90, 17), LineC);     // horizontal lines lie over the boxes
  EXPECT_EQ(Picture.At(90, 33), LineC);
  // Both edges of ON's box.
  EXPECT_EQ(Picture.At(81, 8), LineC);
  EXPECT_EQ(Picture.At(129, 8), LineC);
  EXPECT_EQ(Picture.At(128, 8), MarkBack);
  EXPECT_EQ(Picture.At(130, 8), Back);
}

TEST_F(JumbleDrawingTest, MixedLettersSitFourUnitsIntoTheirBoxInTheMarkFontColour) {
  Game.Settings.Bold = 1;  // the hint letters stay regular
  const PictureRaster Picture = DrawExample(false);
  ASSERT_EQ(Picture.Texts.size(), 6u);
  const std::vector<TPoint> Expected{{5, 2}, {5, 18}, {5, 34}, {85, 2}, {85, 18}, {85, 34}};
  for (std::size_t i = 0; i < 6; ++i) {
    const auto& Text = Picture.Texts[i];
    EXPECT_EQ(Text.At, Expected[i]) << i;
    EXPECT_EQ(Text.Color, MarkFont);
    EXPECT_FALSE(Text.Bold);
    EXPECT_TRUE(Text.Transparent);
    const std::string Word = Game.Words[i + 1].substr(0, Game.Words[i + 1].find(EmptyChar));
    EXPECT_EQ(Text.Characters, Ascii(Word));
    // Each text lies over its box's fill.
    EXPECT_GT(static_cast<long>(Text.Order), Picture.Layer(Text.At.X + 2, Text.At.Y + 8));
  }
}

TEST_F(JumbleDrawingTest, SolutionLettersComeInTheirAnswerCellsBelowFrameAndLines) {
  Game.Settings.Bold = 1;
  const PictureRaster Picture = DrawExample(true);
  ASSERT_EQ(Picture.Texts.size(), 12u);  // six hint texts, then one run per answer word
  const auto& First = Picture.Texts[6];
  EXPECT_EQ(First.At, (TPoint{37, 2}));  // THE in columns 3 to 5 of row 1
  EXPECT_EQ(First.Characters, Ascii("T H E"));
  EXPECT_EQ(First.Color, FontC);
  EXPECT_TRUE(First.Bold);
  EXPECT_EQ(Picture.Texts[7].At, (TPoint{133, 2}));  // ON in columns 9 and 10
  EXPECT_GT(Picture.Texts[6].Order, Picture.Texts[5].Order);
  // The frame and the horizontal lines are drawn after every letter.
  EXPECT_GT(Picture.Layer(1, 20), static_cast<long>(Picture.Texts.back().Order));
  EXPECT_GT(Picture.Layer(60, 17), static_cast<long>(Picture.Texts.back().Order));
}

TEST_F(JumbleDrawingTest, WithoutGridLinesOnlyBoxEdgesAndFrameRemain) {
  Game.Settings.GridLines = 0;
  Game.Settings.Shadow = 0;
  const PictureRaster Picture = DrawExample(false);
  EXPECT_EQ(Picture.At(49, 5), Back);
  EXPECT_EQ(Picture.At(90, 17), MarkBack);  // no horizontal line over row 2's box
  EXPECT_EQ(Picture.At(81, 8), LineC);
  EXPECT_EQ(Picture.At(129, 8), LineC);
  EXPECT_EQ(Picture.At(1, 40), LineC);
  EXPECT_EQ(Picture.At(163, 30), PictureRaster::Unpainted);
}

TEST_F(JumbleDrawingTest, OneRowHasNoHorizontalGridLines) {
  ASSERT_TRUE(Builder.Build("WORD"));
  ASSERT_TRUE(Drawing.DrawTheGame());
  const PictureRaster Picture(Game.MetaFile);
  for (const auto& [From, To] : Picture.Lines) EXPECT_EQ(From.X, To.X) << "only vertical lines";
  EXPECT_EQ(Picture.At(17, 8), MarkBack);  // box of columns 1 to 3 hides its lines
  EXPECT_EQ(Picture.At(65, 8), LineC);     // answer cells show them
}

TEST_F(JumbleDrawingTest, OneCellBoxHoldsItsLetterFourUnitsFromItsEdge) {
  ASSERT_TRUE(Builder.Build("A B"));
  ASSERT_TRUE(Drawing.DrawTheGame());
  const PictureRaster Picture(Game.MetaFile);
  ASSERT_EQ(Picture.Texts.size(), 2u);
  EXPECT_EQ(Picture.Texts[0].At, (TPoint{5, 2}));
  EXPECT_EQ(Picture.Texts[1].At, (TPoint{5, 18}));
  EXPECT_EQ(Picture.At(16, 8), MarkBack);
  EXPECT_EQ(Picture.At(17, 8), LineC);
}

TEST_F(JumbleDrawingTest, NothingIsDrawnWithoutHintRecords) {
  DrawExample(false);
  const std::size_t Before = Game.MetaFile.Operations().size();
  Game.ClearGrid();
  Game.Words.Add("   ");  // only line 0, as a file may hold
  EXPECT_FALSE(Drawing.DrawTheGame());
  EXPECT_EQ(Game.MetaFile.Operations().size(), Before);
  EXPECT_FALSE(Game.MetaFile.Drawing());
}

TEST_F(JumbleDrawingTest, TogglingTheSolutionTwiceGivesTheSamePictureAndKeepsModified) {
  const PictureRaster Plain = DrawExample(false);
  Game.Modified = false;
  Drawing.Solution = true;
  ASSERT_TRUE(Drawing.DrawTheGame());
  Drawing.Solution = false;
  ASSERT_TRUE(Drawing.DrawTheGame());
  const PictureRaster Again(Game.MetaFile);
  for (int Y = 0; Y < 53; Y += 3)
    for (int X = 0; X < 165; X += 3) ASSERT_EQ(Again.At(X, Y), Plain.At(X, Y)) << X << "," << Y;
  EXPECT_EQ(Again.Texts.size(), Plain.Texts.size());
  EXPECT_FALSE(Game.Modified);
}

TEST_F(JumbleDrawingTest, DamagedRecordsAreSkippedAndTheRestDrawn) {
  ASSERT_TRUE(Builder.Build("AB CD"));  // 4 x 2 cells
  const std::string Good = Game.Words[1];
  std::vector<std::string> Words{Game.Words[0], Good};
  Words.push_back(std::string("XY") + EmptyChar + "\x65");              // too short
  Words.push_back("NOSEPARATOR");                                       // no EmptyChar
  Words.push_back(std::string("XY") + EmptyChar + "\x65\x65\x64\x66");  // A = 0
  Words.push_back(std::string("XY") + EmptyChar + "\xC8\x65\x67");      // row 100
  Words.push_back(std::string("XY") + EmptyChar + "\x65\x68\x66");      // B past the grid
  Words.push_back(std::string("XY") + EmptyChar + "\x65\x66\x65");      // B before A
  Game.Words.Assign(Words);
  ASSERT_TRUE(Drawing.DrawTheGame());
  const PictureRaster Picture(Game.MetaFile);
  ASSERT_EQ(Picture.Texts.size(), 1u);
  EXPECT_EQ(Picture.Texts[0].At, (TPoint{5, 2}));
}

}  // namespace
}  // namespace vornic
