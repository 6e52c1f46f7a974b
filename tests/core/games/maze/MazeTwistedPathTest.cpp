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

bool Adjacent(GridCell A, GridCell B) {
  return std::abs(A.X - B.X) + std::abs(A.Y - B.Y) == 1;
}

// Words of 3 to 8 letters (some repeated, one of a single letter) after a phrase, filling
// W x H exactly.
MazeInput Filling(int W, int H) {
  MazeInput Input{"FAIR", {"Q"}};
  int Left = W * H - static_cast<int>(Input.Phrase.size()) - 1;
  for (int i = 0; Left > 0; ++i) {
    int Length = 3 + i % 6;
    if (Left - Length < 3) Length = Left;
    Input.Words.push_back(
        std::string(static_cast<std::size_t>(Length), static_cast<char>('A' + i % 26)));
    Left -= Length;
  }
  return Input;
}

class MazeTwistedPathTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  TVornicGame Game;
  MazeBuilder Builder;
  void SetUp() override { Game.Init("WordMaze", nullptr); }

  // Everything a built maze promises, read back from the document's entries and grid; adds
  // the words' turns to Tally.
  void ExpectComplete(const MazeInput& Input, int W, int H, TurnTally& Tally) {
    ASSERT_EQ(Game.Grid.size(), static_cast<std::size_t>(W * H));
    ASSERT_EQ(Game.Words.size(), Input.Words.size() + 1);
    std::set<std::pair<int, int>> Named;
    for (std::size_t i = 0; i < Game.Words.size(); ++i) {
      const SplitWordEntry Entry = SplitEntry(Game.Words[i]);
      const std::string Item(Entry.Item);
      EXPECT_EQ(Item, i == 0 ? Input.Phrase : Input.Words[i - 1]);
      ASSERT_EQ(Entry.After.size(), 2 * Item.size()) << "entry " << i;
      const std::vector<GridCell> Cells = DecodePath(Entry.After, Item.size());
      std::string Laid;
      for (std::size_t k = 0; k < Cells.size(); ++k) {
        ASSERT_TRUE(Game.InGrid(Cells[k].X, Cells[k].Y));
        EXPECT_TRUE(Named.insert({Cells[k].X, Cells[k].Y}).second) << "a cell is used twice";
        Laid += Game.GetCell(Cells[k].X, Cells[k].Y);
        if (i > 0 && k > 0) {
          EXPECT_TRUE(Adjacent(Cells[k - 1], Cells[k])) << Item;
        }
      }
      EXPECT_TRUE(Laid == Item || (i > 0 && Laid == std::string(Item.rbegin(), Item.rend())))
          << "entry " << i << " laid as " << Laid;
      if (i > 0) CountTurns(Cells, Tally);
    }
    EXPECT_EQ(Named.size(), static_cast<std::size_t>(W * H)) << "a cell is left free";
  }
};

TEST_F(MazeTwistedPathTest, MazesLaidAlongTheTwistedPathUseEveryCellOnceAndBendLikeWalkedOnes) {
  Builder.WalkBudget = 0;  // every maze along the twisted path
  TurnTally Tally;
  for (const auto& [W, H] : {std::pair{3, 3}, {3, 50}, {50, 3}, {7, 11}, {20, 20}, {50, 50}}) {
    SCOPED_TRACE(FormatSize({W, H}));
    RandomGenerator::Seed(static_cast<std::uint64_t>(W * 100 + H));
    const MazeInput Input = Filling(W, H);
    ASSERT_TRUE(BuildMazeGame(Game, Builder, Input, {W, H}));
    EXPECT_EQ(Builder.LastMethod(), MazeBuilder::Method::TwistedPath);
    ExpectComplete(Input, W, H, Tally);
    if (HasFatalFailure()) return;
  }
  // The walk turns at half to three quarters of the words' inner letters.
  EXPECT_GT(Tally.Share(), 0.55);
  EXPECT_LT(Tally.Share(), 0.85);
}

TEST_F(MazeTwistedPathTest, AnEmptyPhraseOrAnEmptyLineStillGetsItsEntry) {
  Builder.WalkBudget = 0;
  RandomGenerator::Seed(4);
  const MazeInput Input{"", {"ABCD", "", "EFGHI"}};
  ASSERT_TRUE(BuildMazeGame(Game, Builder, Input, {3, 3}));
  EXPECT_EQ(Game.Words[0], std::string(1, EmptyChar));
  EXPECT_EQ(Game.Words[2], std::string(1, EmptyChar));
  TurnTally Tally;
  ExpectComplete(Input, 3, 3, Tally);
}

TEST_F(MazeTwistedPathTest, ALargeMazeSwitchesFromTheWalkToTheTwistedPathAndIsBuilt) {
  RandomGenerator::Seed(1);
  Builder.WalkBudget = 1'000'000;  // a few attempts: the walk fills no grid of this size
  const MazeInput Input = Filling(45, 50);
  ASSERT_TRUE(BuildMazeGame(Game, Builder, Input, {45, 50}));
  EXPECT_EQ(Builder.LastMethod(), MazeBuilder::Method::TwistedPath);
  EXPECT_GE(Builder.Attempts(), 1);
  TurnTally Tally;
  ExpectComplete(Input, 45, 50, Tally);
}

TEST_F(MazeTwistedPathTest, ABuildThatCannotSucceedIsRefusedAtOnceAndToldWithSizeAndRemedy) {
  const MazeInput Input{"TITLE", {"PEAR", "APPLE", "FIGS", "KIWI", "LIME", "PLUMS"}};  // 31
  Game.SetSize(5, 6);
  Game.ClearGrid();
  Game.AddWord("KEEP", {});
  EXPECT_FALSE(Builder.BuildMaze(Input.Words, Input.Phrase, 5, 6, Game));
  EXPECT_EQ(Builder.LastMethod(), MazeBuilder::Method::None);
  EXPECT_EQ(Builder.Attempts(), 0);
  EXPECT_EQ(Game.Words.size(), 1u);
  const std::string TooMany = MazeBuildFailure(Input, {5, 6});
  EXPECT_NE(TooMany.find("5 x 6"), std::string::npos) << TooMany;
  EXPECT_NE(TooMany.find("31 letters"), std::string::npos) << TooMany;
  EXPECT_NE(TooMany.find("Remove 1 letter "), std::string::npos) << TooMany;
  const std::string Control = MazeBuildFailure({"TI\tTLE", {"A"}}, {3, 3});
  EXPECT_NE(Control.find("3 x 3"), std::string::npos);
  EXPECT_NE(Control.find("title phrase"), std::string::npos);
  EXPECT_NE(MazeBuildFailure(Input, {0, 31}).find("3 to 50"), std::string::npos);
  // What can be built is no failure.
  EXPECT_EQ(MazeBuildFailure({"TITLE", {"PEAR"}}, {3, 3}), "");
}

TEST_F(MazeTwistedPathTest, TypedInputIsUpperCasedAndRefusedByTheNameOfWhatHoldsTheCharacter) {
  const CodePage& Latin = CodePage::ForCharset(0);
  const TypedMazeInput Good = ReadMazeInput(Latin, "title", {"pear", "", "figs"});
  ASSERT_TRUE(Good.Ok()) << Good.Refusal;
  EXPECT_EQ(Good.Input.Phrase, "TITLE");
  EXPECT_EQ(Good.Input.Words, (std::vector<std::string>{"PEAR", "", "FIGS"}));
  const TypedMazeInput Greek = ReadMazeInput(Latin, "title", {"pear", "\xCE\xB1"});
  EXPECT_FALSE(Greek.Ok());
  EXPECT_NE(Greek.Refusal.find("The word \"\xCE\xB1\""), std::string::npos) << Greek.Refusal;
  const TypedMazeInput Tab = ReadMazeInput(Latin, "ti\ttle", {"pear"});
  EXPECT_NE(Tab.Refusal.find("The title phrase"), std::string::npos) << Tab.Refusal;
  EXPECT_TRUE(Tab.Input.Words.empty());
}

}  // namespace
}  // namespace vornic
