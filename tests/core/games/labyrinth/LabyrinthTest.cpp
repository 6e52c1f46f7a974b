#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/labyrinth/LabyrinthDrawing.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using Result = LabyrinthBuilder::Result;

bool OnBorder(GridCell Cell, int W, int H) {
  return Cell.X == 1 || Cell.Y == 1 || Cell.X == W || Cell.Y == H;
}
bool Adjacent(GridCell A, GridCell B) {
  return std::abs(A.X - B.X) + std::abs(A.Y - B.Y) == 1;
}

class LabyrinthBuilderTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  TVornicGame Game;
  LabyrinthBuilder Builder;

  void SetUp() override { Game.Init("WordLabirint", nullptr); }

  Result Build(const std::string& Text, int W, int H) {
    Game.SetSize(W, H);
    Game.ClearGrid();
    return Builder.BuildLabyrinth(Text, Game);
  }
  std::vector<LabyrinthEntry> Entries() const {
    std::vector<LabyrinthEntry> All;
    for (const std::string& Entry : Game.Words) All.push_back(LabyrinthEntry::Parse(Entry));
    return All;
  }

  // Every promise of a build whose main path was laid, checked on the document.
  void ExpectSound(const std::string& Text) {
    const int W = Game.Settings.Cols, H = Game.Settings.Rows;
    const std::vector<LabyrinthEntry> All = Entries();
    ASSERT_FALSE(All.empty());
    const LabyrinthEntry& Main = All[0];
    const int Len = static_cast<int>(Text.size());
    EXPECT_EQ(Main.Item, Text);
    EXPECT_EQ(Main.Offset, 0);
    ASSERT_EQ(Main.Cells.size(), Text.size());
    EXPECT_TRUE(OnBorder(Main.Cells.front(), W, H));
    EXPECT_TRUE(OnBorder(Main.Cells.back(), W, H));
    EXPECT_EQ(Main.Cells.front(), Builder.StartCell());
    EXPECT_EQ(Game.Grid, Builder.LabGridText());

    // Every cell is owned by exactly one entry; a trap's first cell is its parent's.
    std::map<std::pair<int, int>, std::pair<std::size_t, int>> Owner;  // cell -> entry, k
    for (std::size_t i = 0; i < All.size(); ++i) {
      const LabyrinthEntry& Entry = All[i];
      ASSERT_TRUE(Entry.Offset.has_value());
      const int Offset = *Entry.Offset;
      ASSERT_EQ(Entry.Cells.size(), Entry.Item.size()) << "entry " << i;
      EXPECT_EQ(Entry.Item, Text.substr(static_cast<std::size_t>(Offset), Entry.Item.size()));
      for (std::size_t k = 0; k < Entry.Cells.size(); ++k) {
        const GridCell Cell = Entry.Cells[k];
        ASSERT_TRUE(Game.InGrid(Cell.X, Cell.Y));
        EXPECT_EQ(Game.GetCell(Cell.X, Cell.Y), Text[static_cast<std::size_t>(Offset) + k]);
        if (k > 0) {
          EXPECT_TRUE(Adjacent(Cell, Entry.Cells[k - 1])) << "entry " << i;
        }
        if (i > 0 && k == 0) continue;
        EXPECT_TRUE(Owner.insert({{Cell.X, Cell.Y}, {i, static_cast<int>(k) + 1}}).second)
            << "cell " << Cell.X << "," << Cell.Y << " laid twice";
      }
      if (i == 0) continue;
      // Traps: at least two cells, never the text's last letter.
      EXPECT_GE(Entry.Item.size(), 2u);
      EXPECT_LE(Offset + static_cast<int>(Entry.Item.size()), Len - 1);
      const auto Parent = Owner.find({Entry.Cells[0].X, Entry.Cells[0].Y});
      ASSERT_NE(Parent, Owner.end()) << "trap " << i << " starts on no earlier cell";
      const auto [ParentIndex, K] = Parent->second;
      EXPECT_LT(ParentIndex, i);
      EXPECT_EQ(Offset, *All[ParentIndex].Offset + K - 1) << "trap " << i;
      if (ParentIndex > 0) {
        EXPECT_GE(K, 2) << "a trap never branches from a trap's first cell";
      }
      // A cell holding letter m + 1 never touches the main path's cell of letter m + 2.
      for (std::size_t k = 1; k < Entry.Cells.size(); ++k) {
        const std::size_t Letter = static_cast<std::size_t>(Offset) + k + 1;  // 1-based
        EXPECT_FALSE(Adjacent(Entry.Cells[k], Main.Cells[Letter]))
            << "trap " << i << " rejoins the text at letter " << Letter + 1;
      }
    }
    std::size_t Letters = 0;
    for (char C : Game.Grid) Letters += C != EmptyChar;
    EXPECT_EQ(Owner.size(), Letters) << "a letter in the grid belongs to no entry";
  }
};

TEST_F(LabyrinthBuilderTest, ManySeededBuildsKeepEveryPromiseOfMainPathAndTraps) {
  const std::vector<std::pair<std::string, std::pair<int, int>>> Cases{
      {"THE QUICK BROWN FOX JUMPS", {15, 10}},
      {"LABYRINTH", {5, 5}},
      {"A LONGER TEXT THAT WINDS THROUGH A WIDER GRID OF LETTERS", {20, 12}}};
  int Full = 0;
  for (const auto& [Text, Size] : Cases)
    for (std::uint64_t Seed = 1; Seed <= 10; ++Seed) {
      RandomGenerator::Seed(Seed);
      const Result Outcome = Build(Text, Size.first, Size.second);
      ASSERT_NE(Outcome, Result::NoMainPath) << Text;
      SCOPED_TRACE(Text + ", seed " + std::to_string(Seed));
      ExpectSound(Text);
      if (HasFatalFailure()) return;
      if (Outcome == Result::Full) {
        ++Full;
        EXPECT_EQ(Game.Grid.find(EmptyChar), std::string::npos);
      }
    }
  // Full grids are the common outcome; a generous bound only guards against traps that no
  // longer grow.
  EXPECT_GT(Full, 30 / 2);
}

TEST_F(LabyrinthBuilderTest, NothingIsBuiltFromAnEmptyTextOrOneWithAControlCharacter) {
  Game.SetSize(5, 5);
  Game.ClearGrid();
  Game.AddWord("KEEP", "");
  EXPECT_EQ(Builder.BuildLabyrinth("", Game), Result::NothingToBuild);
  EXPECT_EQ(Builder.BuildLabyrinth(std::string("AB") + EmptyChar, Game), Result::NothingToBuild);
  EXPECT_EQ(Builder.BuildLabyrinth("A\x05"
                                   "1",
                                   Game),
            Result::NothingToBuild);
  ASSERT_EQ(Game.Words.size(), 1u);
  EXPECT_EQ(Game.Words[0], std::string("KEEP") + EmptyChar);
}

TEST(LabyrinthEntry, ReadsWhatItWritesAndToleratesDamage) {
  const std::string Bytes = LabyrinthEntry::Encode({{1, 2}, {2, 2}, {2, 3}}, 17);
  const LabyrinthEntry Entry = LabyrinthEntry::Parse(std::string("ABC") + EmptyChar + Bytes);
  EXPECT_EQ(Entry.Item, "ABC");
  EXPECT_EQ(Entry.Cells, (std::vector<GridCell>{{1, 2}, {2, 2}, {2, 3}}));
  EXPECT_EQ(Entry.Offset, 17);
  // Too few pairs, no marker, no number: shorter fields.
  const LabyrinthEntry Short = LabyrinthEntry::Parse(std::string("ABC") + EmptyChar + "ef");
  EXPECT_EQ(Short.Cells.size(), 1u);
  EXPECT_FALSE(Short.Offset.has_value());
  EXPECT_FALSE(
      LabyrinthEntry::Parse(std::string("AB") + EmptyChar + "efeg\x05").Offset.has_value());
  EXPECT_TRUE(LabyrinthEntry::Parse("NOSEPARATOR").Cells.empty());
}

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
