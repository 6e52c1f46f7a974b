#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/maze/MazeGame.h"
#include "games/maze/MazeTwistedPath.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

// After the phrase, an empty line, a one-letter word and words of 3 to 8 letters filling W x H.
MazeInput Filling(int W, int H, const std::string& Phrase) {
  MazeInput Input{Phrase, {"", "Q"}};
  int Left = W * H - static_cast<int>(Phrase.size()) - 1;
  for (int i = 0; Left > 0; ++i) {
    const int Length = Left - (3 + i % 6) < 3 ? Left : 3 + i % 6;
    Input.Words.emplace_back(static_cast<std::size_t>(Length), static_cast<char>('A' + i % 26));
    Left -= Length;
  }
  return Input;
}

TEST(MazeTwistedPath, EveryCellIsUsedOnceAlongAdjacentCellsAndWordsBendLikeWalkedOnes) {
  test::TempHome Home;
  TVornicGame Game;
  Game.Init("WordMaze", nullptr);
  MazeBuilder Builder;
  TurnTally Tally;
  // Budget 0: the twisted path alone; 1e6: a few walks fail at 45 x 50, then the switch.
  for (const auto& [W, H, Budget] : {std::tuple{3, 3, 0},
                                     {3, 50, 0},
                                     {50, 3, 0},
                                     {7, 11, 0},
                                     {50, 50, 0},
                                     {45, 50, 1'000'000}}) {
    SCOPED_TRACE(FormatSize({W, H}));
    RandomGenerator::Seed(static_cast<std::uint64_t>(W * 100 + H));
    Builder.WalkBudget = static_cast<std::uint64_t>(Budget);
    const MazeInput Input = Filling(W, H, W == 3 && H == 3 ? "" : "FAIR");
    ASSERT_TRUE(BuildMazeGame(Game, Builder, Input, {W, H}));
    EXPECT_EQ(Builder.LastMethod(), MazeBuilder::Method::TwistedPath);
    ASSERT_EQ(Game.Words.size(), Input.Words.size() + 1);
    std::set<std::pair<int, int>> Used;
    for (std::size_t i = 0; i < Game.Words.size(); ++i) {
      const SplitWordEntry Entry = SplitEntry(Game.Words[i]);
      const std::string Item(Entry.Item);
      EXPECT_EQ(Item, i == 0 ? Input.Phrase : Input.Words[i - 1]);
      ASSERT_EQ(Entry.After.size(), 2 * Item.size()) << "entry " << i;
      const std::vector<GridCell> Cells = DecodePath(Entry.After, Item.size());
      std::string Laid;
      for (std::size_t k = 0; k < Cells.size(); ++k) {
        EXPECT_TRUE(Used.insert({Cells[k].X, Cells[k].Y}).second) << "a cell is used twice";
        Laid += Game.GetCell(Cells[k].X, Cells[k].Y);
        if (i > 0 && k > 0) {
          EXPECT_EQ(std::abs(Cells[k].X - Cells[k - 1].X) + std::abs(Cells[k].Y - Cells[k - 1].Y),
                    1);
        }
      }
      EXPECT_TRUE(Laid == Item || (i > 0 && Laid == std::string(Item.rbegin(), Item.rend())));
      if (i > 0) CountTurns(Cells, Tally);
    }
    EXPECT_EQ(Used.size(), static_cast<std::size_t>(W * H)) << "a cell is left free";
    EXPECT_EQ(*Used.begin(), std::make_pair(1, 1));
    EXPECT_EQ(*Used.rbegin(), std::make_pair(W, H));
  }
  // Walked words turn at half to three quarters of their inner letters.
  EXPECT_GT(Tally.Share(), 0.55);
  EXPECT_LT(Tally.Share(), 0.75);
}

TEST(MazeBuildFailure, NamesTheSizeAndWhatToChangeAndIsEmptyForWhatCanBeBuilt) {
  const MazeInput Input{"TITLE", {"PEAR", "APPLE", "FIGS", "KIWI", "LIME", "PLUMS"}};  // 31
  EXPECT_EQ(MazeBuildFailure(Input, {5, 6}),
            "The maze cannot be built in 5 x 6: the title phrase and the words hold 31 letters, "
            "but the grid has 30 cells, one for each letter. Remove 1 letter or choose a size of "
            "as many cells as there are letters.");
  EXPECT_NE(MazeBuildFailure({"TI\tTLE", {"A"}}, {3, 3}).find("3 x 3: The title phrase"),
            std::string::npos);
  EXPECT_NE(MazeBuildFailure(Input, {0, 31}).find("3 to 50"), std::string::npos);
  EXPECT_EQ(MazeBuildFailure({"TITLE", {"PEAR"}}, {3, 3}), "");
}

TEST(ReadMazeInput, UpperCasesAndRefusesByTheNameOfWhatHoldsTheCharacter) {
  const CodePage& Latin = CodePage::ForCharset(0);
  const TypedMazeInput Good = ReadMazeInput(Latin, "title", {"pear", "", "figs"});
  EXPECT_EQ(Good.Input.Phrase, "TITLE");
  EXPECT_EQ(Good.Input.Words, (std::vector<std::string>{"PEAR", "", "FIGS"}));
  const TypedMazeInput Greek = ReadMazeInput(Latin, "title", {"pear", "\xCE\xB1"});
  EXPECT_EQ(Greek.Refusal.rfind("The word \"\xCE\xB1\": ", 0), 0u) << Greek.Refusal;
  EXPECT_EQ(ReadMazeInput(Latin, "ti\ttle", {}).Refusal.rfind("The title phrase: ", 0), 0u);
}

}  // namespace
}  // namespace vornic
