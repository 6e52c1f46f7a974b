#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/labyrinth/LabyrinthDrawing.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "games/labyrinth/LabyrinthInput.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

using Result = LabyrinthBuilder::Result;

class LabyrinthBestTryTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  TVornicGame Game;
  LabyrinthBuilder Builder;
  const std::string Text150 = [] {
    std::string Text;
    for (int i = 0; i < 150; ++i) Text += static_cast<char>('A' + (i * 7) % 26);
    return Text;
  }();
  void SetUp() override { Game.Init("WordLabirint", nullptr); }
  Result Build(const std::string& Text, int W, int H) {
    Game.SetSize(W, H);
    Game.ClearGrid();
    return Builder.BuildLabyrinth(Text, Game);
  }
};

TEST_F(LabyrinthBestTryTest, TheTryThatLaidTheMainPathWithTheFewestFreeCellsStands) {
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

TEST_F(LabyrinthBestTryTest, NoPathIsToldOnlyWhenNoTryLaidTheMainPath) {
  RandomGenerator::Seed(2);
  // As many letters as cells: a random walk never covers the grid from border to border.
  EXPECT_EQ(Build(Text150, 15, 10), Result::NoMainPath);
  EXPECT_EQ(Builder.FreeCellsPerTry(), std::vector<int>(LabyrinthBuilder::MaxTries, -1));
  EXPECT_TRUE(Game.Words.empty());
  EXPECT_EQ(LabyrinthNoPathMessage(150, 15, 10),
            "The text of 150 letters found no path from border to border in the 15 x 10 grid. "
            "Use a shorter text or a larger grid.");
}

TEST_F(LabyrinthBestTryTest, TheStartIsAnyBorderCellAlikeAndNeverAnInnerOne) {
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

TEST(ReadLabyrinthText, RefusesAnEmptyTextAndCharactersThePuzzleCannotHold) {
  const CodePage& Latin = CodePage::ForCharset(0);
  EXPECT_EQ(ReadLabyrinthText(Latin, "follow me").Bytes, "FOLLOW ME");
  EXPECT_NE(ReadLabyrinthText(Latin, "").Refusal.find("empty"), std::string::npos);
  EXPECT_NE(ReadLabyrinthText(Latin, "a\x01").Refusal.find("U+0001"), std::string::npos);
  EXPECT_NE(ReadLabyrinthText(Latin, "\xCE\xB1").Refusal.find("\xCE\xB1"), std::string::npos);
}

}  // namespace
}  // namespace vornic
