#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/labyrinth/LabyrinthDrawing.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

constexpr TColor Lines = 0x112233, Back = 0x445566, Letters = 0x778899;

// The recording as a sequence of layers: what was drawn, in which colour, in order.
struct Layer {
  enum Kind { Line, Fill, Text } What;
  TColor Color;
  std::u32string Characters;
  TPoint At;
  bool Transparent = false;
};

std::vector<Layer> Play(const TDrawMetaFile& Picture) {
  std::vector<Layer> Layers;
  TPen Pen;
  TBrush Brush;
  TFont Font;
  for (const DrawOperation& Operation : Picture.Operations()) {
    if (const auto* P = std::get_if<draw::SelectPen>(&Operation)) Pen = P->Pen;
    if (const auto* B = std::get_if<draw::SelectBrush>(&Operation)) Brush = B->Brush;
    if (const auto* F = std::get_if<draw::SelectFont>(&Operation)) Font = F->Font;
    if (const auto* L = std::get_if<draw::LineTo>(&Operation)) {
      if (Pen.Width == 2) Layers.push_back({Layer::Line, Pen.Color, {}, L->To});
    }
    if (std::holds_alternative<draw::Polyline>(Operation) && Pen.Width == 2)
      Layers.push_back({Layer::Line, Pen.Color, {}, {}});
    if (const auto* R = std::get_if<draw::FillRect>(&Operation))
      Layers.push_back({Layer::Fill, Brush.Color, {}, {R->Left, R->Top}});
    if (const auto* T = std::get_if<draw::Text>(&Operation))
      Layers.push_back(
          {Layer::Text, Font.Color, T->Characters, T->At, Brush.Style == TBrushStyle::Clear});
  }
  return Layers;
}

class LabyrinthDrawingTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  TVornicGame Game;
  LabyrinthBuilder Builder;

  void SetUp() override {
    Game.Init("WordLabirint", nullptr);
    Game.Settings.LineColor = Lines;
    Game.Settings.BackColor = Back;
    Game.Settings.FontColor = Letters;
    Game.SetSize(15, 10);
    Game.ClearGrid();
    Game.ResizeImage();
    RandomGenerator::Seed(12);
    ASSERT_NE(
        Builder.BuildLabyrinth("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG AND RUNS AWAY", Game),
        LabyrinthBuilder::Result::NoMainPath);
    ASSERT_GT(Game.Words.size(), 1u) << "the sample needs traps";
  }
};

TEST_F(LabyrinthDrawingTest, TheRedMainPathLiesOverTheGreenTrapsThenLettersThenTheStartMark) {
  DoPaint(Game, LabyrinthView::All(), Builder.StartCell());
  const std::vector<Layer> Layers = Play(Game.MetaFile);
  std::vector<Layer::Kind> Order;
  std::vector<TColor> LineColours;
  for (const Layer& L : Layers) {
    if (Order.empty() || Order.back() != L.What ||
        (L.What == Layer::Line && L.Color != LineColours.back()))
      Order.push_back(L.What);
    if (L.What == Layer::Line && (LineColours.empty() || LineColours.back() != L.Color))
      LineColours.push_back(L.Color);
  }
  EXPECT_EQ(LineColours, (std::vector<TColor>{clGreen, clRed}));
  EXPECT_EQ(Order, (std::vector<Layer::Kind>{Layer::Line, Layer::Line, Layer::Text, Layer::Fill,
                                             Layer::Text}));
}

TEST_F(LabyrinthDrawingTest, TheStartCellIsFilledInTheLineColourWithItsLetterInTheBackColour) {
  const GridCell Start = Builder.StartCell();
  DoPaint(Game, LabyrinthView::Puzzle(), Start);
  const std::vector<Layer> Layers = Play(Game.MetaFile);
  ASSERT_GE(Layers.size(), 2u);
  const Layer& Fill = Layers[Layers.size() - 2];
  const Layer& Letter = Layers.back();
  EXPECT_EQ(Fill.What, Layer::Fill);
  EXPECT_EQ(Fill.Color, Lines);
  EXPECT_EQ(Fill.At, (TPoint{Start.X * 16 - 15, Start.Y * 16 - 15}));
  EXPECT_EQ(Letter.What, Layer::Text);
  EXPECT_EQ(Letter.Color, Back);
  EXPECT_TRUE(Letter.Transparent);
  EXPECT_EQ(Letter.Characters, U"T");
  EXPECT_EQ(Letter.At, (TPoint{Start.X * 16 - 11, Start.Y * 16 - 14}));
  // The puzzle shows no lines, and its letters in the letter colour.
  for (const Layer& L : Layers) EXPECT_NE(L.What, Layer::Line);
  EXPECT_EQ(Layers.front().What, Layer::Text);
  EXPECT_EQ(Layers.front().Color, Letters);
}

TEST_F(LabyrinthDrawingTest, EachSwitchLeavesOutItsLayer) {
  DoPaint(Game, {false, true, false, false}, Builder.StartCell());
  for (const Layer& L : Play(Game.MetaFile)) EXPECT_EQ(L.Color, clGreen);
  DoPaint(Game, {true, false, false, false}, Builder.StartCell());
  for (const Layer& L : Play(Game.MetaFile)) EXPECT_EQ(L.Color, clRed);
  DoPaint(Game, {false, false, false, false}, Builder.StartCell());
  EXPECT_TRUE(Play(Game.MetaFile).empty());
  EXPECT_FALSE(Game.MetaFile.Empty()) << "the background is always drawn";
}

TEST_F(LabyrinthDrawingTest, AnOpenedFileGivesTheStartCellFromEntryZero) {
  EXPECT_EQ(StartCellFromDocument(Game), Builder.StartCell());
  // Damaged files: no pair, a cell outside the grid, no entries.
  Game.ClearGrid();
  Game.AddWord("ABC", "");
  EXPECT_FALSE(StartCellFromDocument(Game).has_value());
  DoPaint(Game, LabyrinthView::All(), StartCellFromDocument(Game));
  for (const Layer& L : Play(Game.MetaFile)) EXPECT_NE(L.What, Layer::Fill);
  Game.ClearGrid();
  Game.AddWord("ABC", PathBytes(16, 1) + PathBytes(15, 1) +
                          "\x05"
                          "0");
  EXPECT_FALSE(StartCellFromDocument(Game).has_value());
  Game.ClearGrid();
  EXPECT_FALSE(StartCellFromDocument(Game).has_value());
}

TEST_F(LabyrinthDrawingTest, EntriesWithTooFewPairsOrCellsOutsideDrawWhatIsValid) {
  Game.ClearGrid();
  Game.AddWord("ABCD", PathBytes(1, 1) + PathBytes(2, 1) +
                           "\x05"
                           "0");
  Game.AddWord("BCD", PathBytes(2, 1) + PathBytes(2, 2) + PathBytes(99, 2) +
                          "\x05"
                          "1");
  DoPaint(Game, LabyrinthView::All(), StartCellFromDocument(Game));
  int Red = 0, Green = 0;
  for (const Layer& L : Play(Game.MetaFile)) {
    Red += L.What == Layer::Line && L.Color == clRed;
    Green += L.What == Layer::Line && L.Color == clGreen;
  }
  EXPECT_EQ(Red, 1);
  EXPECT_EQ(Green, 1);
}

}  // namespace
}  // namespace vornic
