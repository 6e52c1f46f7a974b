#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "base/CodePage.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/labyrinth/LabyrinthDrawing.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "games/labyrinth/LabyrinthFallbackPath.h"
#include "games/labyrinth/LabyrinthInput.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using Result = LabyrinthBuilder::Result;

// 150 letters: as many as the cells of the default 15 x 10 grid.
const std::string Text150 = [] {
  std::string Text;
  for (int i = 0; i < 150; ++i) Text += static_cast<char>('A' + (i * 7) % 26);
  return Text;
}();

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

std::string Letters(int Length) {
  std::string Text;
  for (int i = 0; i < Length; ++i) Text += static_cast<char>('A' + (i * 11 + i / 26) % 26);
  return Text;
}

TEST_F(LabyrinthBuilderTest, ManySeededBuildsKeepEveryPromiseOfMainPathAndTraps) {
  // Short texts that the random walk lays, and texts of two fifths of the cells, the largest
  // that every grid holds, which the fallback lays.
  struct Case {
    std::string Text;
    int W, H;
    std::uint64_t Seeds;
  };
  const std::vector<Case> Cases{
      {"THE QUICK BROWN FOX JUMPS", 15, 10, 10},
      {"LABYRINTH", 5, 5, 10},
      {"A LONGER TEXT THAT WINDS THROUGH A WIDER GRID OF LETTERS", 20, 12, 10},
      {Letters(90), 15, 15, 6},
      {Letters(60), 3, 50, 4},
      {Letters(1000), 50, 50, 2}};
  int Full = 0;
  for (const auto& [Text, W, H, Seeds] : Cases)
    for (std::uint64_t Seed = 1; Seed <= Seeds; ++Seed) {
      RandomGenerator::Seed(Seed);
      const Result Outcome = Build(Text, W, H);
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
  EXPECT_GT(Full, 42 / 2);
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

TEST_F(LabyrinthBuilderTest, TheTryThatLaidTheMainPathWithTheFewestFreeCellsStands) {
  int KeptAnEarlierTry = 0;
  for (std::uint64_t Seed = 1; Seed <= 3; ++Seed) {
    RandomGenerator::Seed(Seed);
    // On 50 x 50 many tries lay no main path and few fill the grid.
    const Result Outcome = Build(Text150, 50, 50);
    std::vector<int> Laid;  // the free cells of the tries that laid the main path
    std::copy_if(Builder.FreeCellsPerTry().begin(), Builder.FreeCellsPerTry().end(),
                 std::back_inserter(Laid), [](int Free) { return Free >= 0; });
    ASSERT_FALSE(Laid.empty());
    const int Fewest = *std::min_element(Laid.begin(), Laid.end());
    EXPECT_EQ(Outcome, Fewest == 0 ? Result::Full : Result::NotFull);
    EXPECT_EQ(std::count(Game.Grid.begin(), Game.Grid.end(), EmptyChar), Fewest);
    KeptAnEarlierTry += Laid.back() != Fewest;
    // The kept try is whole: its entries, grid and start cell belong together.
    EXPECT_EQ(StartCellFromDocument(Game), Builder.StartCell());
    for (const std::string& Bytes : Game.Words) {
      const LabyrinthEntry Entry = LabyrinthEntry::Parse(Bytes);
      for (std::size_t k = 0; k < Entry.Cells.size(); ++k)
        EXPECT_EQ(Game.GetCell(Entry.Cells[k].X, Entry.Cells[k].Y), Entry.Item[k]);
    }
  }
  EXPECT_GT(KeptAnEarlierTry, 0) << "the last try was always the best: the rule went untested";
}

TEST_F(LabyrinthBuilderTest, NoPathIsToldOnlyWhenNoTryLaidTheMainPath) {
  RandomGenerator::Seed(2);
  ASSERT_NE(Build("KEEP ME", 15, 10), Result::NoMainPath);
  Game.Modified = false;
  const std::string Grid = Game.Grid;
  const std::vector<std::string> Words = Game.Words.Items();
  EXPECT_EQ(Builder.BuildLabyrinth(Text150 + "X", Game), Result::NoMainPath);
  EXPECT_EQ(Builder.FreeCellsPerTry(), std::vector<int>(LabyrinthBuilder::MaxTries, -1));
  // The labyrinth the text would have replaced stays, unmodified.
  EXPECT_EQ(Game.Grid, Grid);
  EXPECT_EQ(Game.Words.Items(), Words);
  EXPECT_FALSE(Game.Modified);
  EXPECT_EQ(LabyrinthNoPathMessage(151, 15, 10),
            "The text of 151 letters found no path from border to border in the 15 x 10 grid. A "
            "15 x 10 grid holds texts of up to 60 letters: use a shorter text or a larger grid.");
  EXPECT_EQ(LabyrinthCapacityText(3, 3), "A 3 x 3 grid holds texts of up to 3 letters");
}

// The path that always exists: on grids from one cell across to the largest, narrow and wide,
// for the largest text and shorter ones, a path of neighbouring cells, none twice, from border to
// border.
TEST(LabyrinthFallbackPath, EverySizeHoldsItsLargestTextAlongTheComb) {
  RandomGenerator::Seed(3);
  const std::vector<int> Sides{1, 2, 3, 4, 5, 6, 7, 10, 15, 24, 33, 49, 50};
  for (int W : Sides)
    for (int H : Sides) {
      const int Largest = LargestLabyrinthText(W, H);
      for (const int Length : {Largest, (Largest + 1) / 2, 1}) {
        const std::vector<GridCell> Path = CombPath(W, H, Length);
        SCOPED_TRACE(std::to_string(W) + " x " + std::to_string(H) + ", " + std::to_string(Length) +
                     " letters");
        ASSERT_EQ(Path.size(), static_cast<std::size_t>(Length));
        ASSERT_TRUE(OnBorder(Path.front(), W, H) && OnBorder(Path.back(), W, H));
        std::vector<bool> Seen(static_cast<std::size_t>(W * H), false);
        bool Sound = true;
        for (std::size_t k = 0; k < Path.size() && Sound; ++k) {
          const GridCell C = Path[k];
          Sound = C.X >= 1 && C.Y >= 1 && C.X <= W && C.Y <= H &&
                  !Seen[static_cast<std::size_t>((C.Y - 1) * W + C.X - 1)] &&
                  (k == 0 || Adjacent(C, Path[k - 1]));
          if (Sound) Seen[static_cast<std::size_t>((C.Y - 1) * W + C.X - 1)] = true;
        }
        ASSERT_TRUE(Sound);
      }
    }
}

TEST_F(LabyrinthBuilderTest, TheStartIsAnyBorderCellAlikeAndNeverAnInnerOne) {
  Game.SetSize(4, 3);
  std::map<std::pair<int, int>, int> Starts;
  RandomGenerator::Seed(5);
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(Builder.LayMainPath("Q", Game));
    ++Starts[{Builder.StartCell().X, Builder.StartCell().Y}];
  }
  ASSERT_EQ(Starts.size(), 10u);
  EXPECT_EQ(Starts.count({2, 2}) + Starts.count({3, 2}), 0u);
  for (const auto& [Cell, Count] : Starts) EXPECT_NEAR(Count, 100, 40);
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

// What the recording draws: word lines (two-unit pens) by colour, and filled cells.
struct Drawn {
  std::map<TColor, int> Lines;
  int Fills = 0;
};

Drawn Play(const TDrawMetaFile& Picture) {
  Drawn Seen;
  TPen Pen;
  for (const DrawOperation& Operation : Picture.Operations()) {
    if (const auto* P = std::get_if<draw::SelectPen>(&Operation)) Pen = P->Pen;
    const bool Line = std::holds_alternative<draw::LineTo>(Operation) ||
                      std::holds_alternative<draw::Polyline>(Operation);
    if (Line && Pen.Width == 2) ++Seen.Lines[Pen.Color];
    Seen.Fills += std::holds_alternative<draw::FillRect>(Operation);
  }
  return Seen;
}

class LabyrinthDrawingTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  TVornicGame Game;
  LabyrinthBuilder Builder;

  void SetUp() override {
    Game.Init("WordLabirint", nullptr);
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
  EXPECT_EQ(Play(Game.MetaFile).Fills, 0);
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
  const Drawn Lines = Play(Game.MetaFile);
  EXPECT_EQ(Lines.Lines.at(clRed), 1);
  EXPECT_EQ(Lines.Lines.at(clGreen), 1);
}

}  // namespace
}  // namespace vornic
