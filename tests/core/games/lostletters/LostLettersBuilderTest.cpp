#include <gtest/gtest.h>

#include <algorithm>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "support/DocumentTest.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

std::string Column(const std::string& Cells, int Cols, int Rows, int X) {
  std::string Result;
  for (int Y = 1; Y <= Rows; ++Y) Result += Cells[static_cast<std::size_t>(X - 1 + Cols * (Y - 1))];
  return Result;
}

std::string Sorted(std::string Text) {
  std::sort(Text.begin(), Text.end());
  return Text;
}

class LostLettersBuilderTest : public test::DocumentTest {
 protected:
  LostLettersBuilder Builder{Game};

  void SetUp() override {
    Game.Init("LostLetters", &Ui);
    RandomGenerator::Seed(11);
  }
  // Every column of the grid holds the characters of the same column of the solution.
  void ExpectColumnsMixedOnly() {
    const int Cols = Game.Settings.Cols;
    const int Rows = Game.Settings.Rows;
    const std::string& Solution = Game.Words[0];
    ASSERT_EQ(Solution.size(), Game.Grid.size());
    for (int X = 1; X <= Cols; ++X)
      EXPECT_EQ(Sorted(Column(Game.Grid, Cols, Rows, X)), Sorted(Column(Solution, Cols, Rows, X)))
          << "column " << X;
  }
};

TEST_F(LostLettersBuilderTest, WorkedExamplePadsOneSpaceAndKeepsColumns) {
  ASSERT_TRUE(Builder.Build("HELLO WORLD", 2));
  EXPECT_EQ(Game.Settings.Cols, 6);
  EXPECT_EQ(Game.Settings.Rows, 2);
  ASSERT_EQ(Game.Words.size(), 1u);
  EXPECT_EQ(Game.Words[0], "HELLO WORLD ");
  EXPECT_EQ(Sorted(Column(Game.Grid, 6, 2, 1)), "HW");
  EXPECT_EQ(Column(Game.Grid, 6, 2, 6), "  ");
  ExpectColumnsMixedOnly();
  EXPECT_TRUE(Game.Modified);
}

TEST_F(LostLettersBuilderTest, LineCountIsBroughtIntoItsRange) {
  for (auto [Lines, Rows] : std::initializer_list<std::pair<int, int>>{{0, 2}, {-3, 2}, {41, 40}}) {
    ASSERT_TRUE(Builder.Build("ABCDEFGHIJ", Lines));
    EXPECT_EQ(Game.Settings.Rows, Rows) << Lines;
  }
  ASSERT_TRUE(Builder.Build(std::string(2 * 4095, 'X'), 2));  // the widest picture still fits
  EXPECT_EQ(Game.Settings.Cols, 4095);
}

TEST_F(LostLettersBuilderTest, RefusedTextsLeaveThePuzzleAsItWas) {
  ASSERT_TRUE(Builder.Build("KEEP ME", 2));
  Game.Modified = false;
  const std::string Grid = Game.Grid;
  const std::string Solution = Game.Words[0];

  EXPECT_FALSE(Builder.Build("", 2));
  EXPECT_TRUE(Ui.Messages.empty());  // an empty text is ignored silently
  EXPECT_FALSE(Builder.Build("TAB\tHERE", 2));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("control character"), std::string::npos);
  // Pictures beyond the limits: more lines help against the width, not against the area.
  for (const auto& [Length, Helps] : {std::pair<std::size_t, const char*>{8200, "Choose 3 lines"},
                                      {2 * 65535 + 1, "Shorten the text."}}) {
    EXPECT_FALSE(Builder.Build(std::string(Length, 'X'), 2));
    EXPECT_NE(Ui.Messages.back().Text.find(Helps), std::string::npos) << Ui.Messages.back().Text;
  }

  EXPECT_EQ(Game.Grid, Grid);
  ASSERT_EQ(Game.Words.size(), 1u);
  EXPECT_EQ(Game.Words[0], Solution);
  EXPECT_EQ(Game.Settings.Cols, 4);
  EXPECT_FALSE(Game.Modified);
}

// Over many seeded builds: every column keeps its characters, so the non-blank count of each
// mixed column equals the answer block's cells that are not highlighted (not spaces).
TEST_F(LostLettersBuilderTest, SeededBuildsOnlyMixWithinColumns) {
  for (int Seed = 1; Seed <= 300; ++Seed) {
    RandomGenerator::Seed(static_cast<std::uint64_t>(Seed));
    std::string Text;
    const int Length = 1 + RandomGenerator::Uniform(120);
    for (int i = 0; i < Length; ++i)
      Text += RandomGenerator::Uniform(5) == 0
                  ? ' '
                  : static_cast<char>('A' + RandomGenerator::Uniform(26));
    const int Lines = 2 + RandomGenerator::Uniform(39);
    ASSERT_TRUE(Builder.Build(Text, Lines));
    EXPECT_EQ(Game.Settings.Rows, Lines);
    EXPECT_EQ(Game.Settings.Cols, (Length + Lines - 1) / Lines);
    EXPECT_EQ(Game.Words[0].substr(0, Text.size()), Text);
    ExpectColumnsMixedOnly();
  }
}

}  // namespace
}  // namespace vornic
