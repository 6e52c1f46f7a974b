#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/EntryPath.h"
#include "games/maze/MazeBuilder.h"
#include "games/maze/MazeSizes.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

class MazeBuilderTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  TVornicGame Game;
  MazeBuilder Builder;

  void SetUp() override { Game.Init("WordMaze", nullptr); }

  bool Build(const std::vector<std::string>& Words, const std::string& Phrase, int W, int H) {
    Game.SetSize(W, H);
    Game.ClearGrid();
    const bool Built = Builder.BuildMaze(Words, Phrase, W, H, Game);
    if (Built) Game.SetGrid(Builder.MazeGridText());
    return Built;
  }

  char At(GridCell Cell) const { return Game.GetCell(Cell.X, Cell.Y); }
  std::vector<GridCell> CellsOf(std::size_t Index) const {
    const SplitWordEntry Entry = SplitEntry(Game.Words[Index]);
    EXPECT_EQ(Entry.After.size(), 2 * Entry.Item.size()) << "entry " << Index;
    return DecodePath(Entry.After, Entry.Item.size());
  }

  // Everything a successful build promises, checked on the document.
  void ExpectComplete(const std::vector<std::string>& Words, const std::string& Phrase) {
    const int W = Game.Settings.Cols, H = Game.Settings.Rows;
    ASSERT_EQ(Game.Grid.size(), static_cast<std::size_t>(W * H));
    EXPECT_EQ(Game.Grid.find(EmptyChar), std::string::npos);
    ASSERT_EQ(Game.Words.size(), Words.size() + 1);
    EXPECT_EQ(SplitEntry(Game.Words[0]).Item, Phrase);
    std::multiset<std::pair<int, int>> Named;
    for (std::size_t i = 0; i < Game.Words.size(); ++i) {
      const std::string Item(SplitEntry(Game.Words[i]).Item);
      if (i > 0) {
        EXPECT_EQ(Item, Words[i - 1]);
      }
      const std::vector<GridCell> Cells = CellsOf(i);
      std::string Laid;
      for (std::size_t k = 0; k < Cells.size(); ++k) {
        ASSERT_TRUE(Game.InGrid(Cells[k].X, Cells[k].Y));
        Named.insert({Cells[k].X, Cells[k].Y});
        Laid += At(Cells[k]);
        if (i > 0 && k > 0) {
          EXPECT_EQ(std::abs(Cells[k].X - Cells[k - 1].X) + std::abs(Cells[k].Y - Cells[k - 1].Y),
                    1)
              << "word " << Item << " jumps at letter " << k + 1;
        }
      }
      if (i == 0) {
        EXPECT_EQ(Laid, Item);
      } else {
        EXPECT_TRUE(Laid == Item || Laid == std::string(Item.rbegin(), Item.rend()))
            << Item << " laid as " << Laid;
      }
    }
    EXPECT_EQ(Named.size(), static_cast<std::size_t>(W * H));
    const std::set<std::pair<int, int>> Distinct(Named.begin(), Named.end());
    EXPECT_EQ(Distinct.size(), Named.size()) << "a cell is named twice";
  }
};

const std::vector<std::string> Fruit{"APPLE", "PEAR", "PLUM", "CHERRY", "FIG", "KIWI"};

TEST_F(MazeBuilderTest, ManySeededBuildsFillTheGridWithEveryItemOnItsOwnChainOfCells) {
  const std::string Phrase = "FRUIT BOWL";  // 10 letters, a space among them: 36 in all
  int Built = 0;
  for (std::uint64_t Seed = 1; Seed <= 60; ++Seed) {
    RandomGenerator::Seed(Seed);
    for (const MazeSize Size : OfferedSizes(LetterTotal(Phrase, Fruit))) {
      if (!Build(Fruit, Phrase, Size.W, Size.H)) continue;
      ++Built;
      SCOPED_TRACE("seed " + std::to_string(Seed) + ", " + FormatSize(Size));
      ExpectComplete(Fruit, Phrase);
      if (HasFatalFailure()) return;
    }
  }
  // Small mazes nearly always succeed; a generous bound only guards against a builder that
  // no longer finishes.
  EXPECT_GT(Built, 60 * 3 / 2);
}

TEST_F(MazeBuilderTest, WordsAreReversedAboutHalfTheTimeAndTheEntryKeepsTheWordAsWritten) {
  int Reversed = 0, Laid = 0;
  for (std::uint64_t Seed = 100; Seed < 300; ++Seed) {
    RandomGenerator::Seed(Seed);
    if (!Build({"ABCDE", "FGHIJ"}, "KL", 3, 4)) continue;
    for (std::size_t i = 1; i <= 2; ++i) {
      const std::vector<GridCell> Cells = CellsOf(i);
      const std::string Item(SplitEntry(Game.Words[i]).Item);
      EXPECT_TRUE(Item == "ABCDE" || Item == "FGHIJ");
      // A reversed word's path begins at the cell of its last letter.
      if (At(Cells.front()) == Item.back()) ++Reversed;
      ++Laid;
    }
  }
  ASSERT_GT(Laid, 200);
  EXPECT_GT(Reversed, Laid * 3 / 10);
  EXPECT_LT(Reversed, Laid * 7 / 10);
}

TEST_F(MazeBuilderTest, AnEmptyPhraseGivesEntryZeroAloneAndTheWordsFillTheGrid) {
  bool Any = false;
  for (std::uint64_t Seed = 1; Seed <= 20 && !Any; ++Seed) {
    RandomGenerator::Seed(Seed);
    if (!Build({"ABCD", "EFGH", "IJKL"}, "", 3, 4)) continue;
    Any = true;
    EXPECT_EQ(Game.Words[0], std::string(1, EmptyChar));
    ExpectComplete({"ABCD", "EFGH", "IJKL"}, "");
  }
  EXPECT_TRUE(Any);
}

TEST_F(MazeBuilderTest, APhraseAsLongAsTheGridNeedsOneAttemptAndNoWords) {
  RandomGenerator::Seed(7);
  ASSERT_TRUE(Build({}, "ABCDEFGHIJKL", 4, 3));
  EXPECT_EQ(Builder.Attempts(), 1);
  ASSERT_EQ(Game.Words.size(), 1u);
  ExpectComplete({}, "ABCDEFGHIJKL");
}

TEST_F(MazeBuilderTest, AOneLetterWordHasOnePairAndADuplicateWordTwoEntries) {
  const std::vector<std::string> Words{"Q", "SUN", "SUN", "MOON"};
  bool Any = false;
  for (std::uint64_t Seed = 1; Seed <= 20 && !Any; ++Seed) {
    RandomGenerator::Seed(Seed);
    if (!Build(Words, "STAR", 3, 5)) continue;
    Any = true;
    ExpectComplete(Words, "STAR");
    EXPECT_EQ(SplitEntry(Game.Words[1]).After.size(), 2u);
    EXPECT_EQ(SplitEntry(Game.Words[2]).Item, "SUN");
    EXPECT_EQ(SplitEntry(Game.Words[3]).Item, "SUN");
    EXPECT_NE(CellsOf(2), CellsOf(3));
  }
  EXPECT_TRUE(Any);
}

TEST_F(MazeBuilderTest, AWordOfMoreThanFiftyLettersIsLaidLikeAnyOther) {
  const std::string Long(64, 'W');
  RandomGenerator::Seed(11);
  // A roomy grid: the word is the only limit being tested, not the fit.
  ASSERT_TRUE(Build({Long + "X"}, "", 20, 20));
  const std::vector<GridCell> Cells = CellsOf(1);
  ASSERT_EQ(Cells.size(), 65u);
  for (std::size_t k = 1; k < Cells.size(); ++k)
    EXPECT_EQ(std::abs(Cells[k].X - Cells[k - 1].X) + std::abs(Cells[k].Y - Cells[k - 1].Y), 1);
}

TEST_F(MazeBuilderTest, MoreLettersThanCellsAreRefusedWithoutAnAttemptAndBusyIsReportedAround) {
  std::vector<bool> Busy;
  Builder.OnBusy = [&Busy](bool On) { Busy.push_back(On); };
  RandomGenerator::Seed(3);
  // Two letters cannot lie in a grid of one cell.
  EXPECT_FALSE(Build({"AB"}, "", 1, 1));
  EXPECT_EQ(Builder.Attempts(), 0);
  EXPECT_EQ(Busy, (std::vector<bool>{true, false}));
  EXPECT_TRUE(Game.Words.empty());
}

TEST_F(MazeBuilderTest, RefusedInputLeavesTheDocumentUntouched) {
  Game.SetSize(3, 3);
  Game.ClearGrid();
  Game.AddWord("KEEP", PathBytes(1, 1));
  EXPECT_FALSE(Builder.BuildMaze({"AB"}, "TOO LONG PHRASE", 3, 3, Game));
  EXPECT_FALSE(Builder.BuildMaze({std::string("A") + EmptyChar}, "X", 3, 3, Game));
  EXPECT_FALSE(Builder.BuildMaze({"A"}, "X\nY", 3, 3, Game));
  EXPECT_FALSE(Builder.BuildMaze({"A"}, "X", 0, 3, Game));
  EXPECT_FALSE(Builder.BuildMaze({"A"}, "X", 3, MazeBuilder::MaxSide + 1, Game));
  ASSERT_EQ(Game.Words.size(), 1u);
  EXPECT_EQ(SplitEntry(Game.Words[0]).Item, "KEEP");
}

}  // namespace
}  // namespace vornic
