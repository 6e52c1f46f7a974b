#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleLayout.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

// A hint record taken apart: mixed letters, their answer cells, segment start and word start.
struct Record {
  std::string Letters;
  std::vector<std::pair<int, int>> Cells;
  int A = 0;
  int B = 0;
};

Record Parse(const std::string& Entry) {
  Record Result;
  const auto Separator = Entry.find(EmptyChar);
  EXPECT_NE(Separator, std::string::npos);
  Result.Letters = Entry.substr(0, Separator);
  EXPECT_EQ(Entry.size(), 3 * Result.Letters.size() + 3) << "record of " << Result.Letters;
  auto Byte = [&](std::size_t i) { return static_cast<std::uint8_t>(Entry[i]) - PathOffset; };
  for (std::size_t i = 0; i < Result.Letters.size(); ++i)
    Result.Cells.emplace_back(Byte(Separator + 1 + 2 * i), Byte(Separator + 2 + 2 * i));
  Result.A = Byte(Entry.size() - 2);
  Result.B = Byte(Entry.size() - 1);
  return Result;
}

std::string Row(const TVornicGame& Game, int Y) {
  std::string Cells;
  for (int X = 1; X <= Game.Settings.Cols; ++X) {
    const char C = Game.GetCell(X, Y);
    Cells += C == EmptyChar ? '.' : C;
  }
  return Cells;
}

class JumbleBuilderTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  JumbleBuilder Builder{Game};

  void SetUp() override {
    Game.Init("JumbledUp", &Ui);
    RandomGenerator::Seed(7);
  }
};

TEST_F(JumbleBuilderTest, WorkedExampleWithoutMixLaysOutTwoWordColumns) {
  Builder.Mix = false;
  const std::string Text = "THE CAT SAT ON THE MAT";
  ASSERT_TRUE(Builder.Build(Text));
  EXPECT_EQ(Game.Settings.Cols, 10);
  EXPECT_EQ(Game.Settings.Rows, 3);
  EXPECT_EQ(Row(Game, 1), "..THE...ON");
  EXPECT_EQ(Row(Game, 2), "..CAT..THE");
  EXPECT_EQ(Row(Game, 3), "..SAT..MAT");
  ASSERT_EQ(Game.Words.size(), 7u);
  EXPECT_EQ(Game.Words[0], Text);

  const Record The = Parse(Game.Words[1]);
  EXPECT_EQ(The.A, 1);
  EXPECT_EQ(The.B, 3);
  const Record On = Parse(Game.Words[4]);
  EXPECT_EQ(On.A, 6);
  EXPECT_EQ(On.B, 9);
  // Placement order is word column by word column, top to bottom.
  const Record Mat = Parse(Game.Words[6]);
  EXPECT_EQ(Mat.A, 6);
  EXPECT_EQ(Mat.B, 8);
  EXPECT_TRUE(
      std::is_permutation(Mat.Letters.begin(), Mat.Letters.end(), std::string("MAT").begin()));
  EXPECT_TRUE(Game.Modified);
}

TEST_F(JumbleBuilderTest, OneLetterWordHasATwoCellSegment) {
  ASSERT_TRUE(Builder.Build("A"));
  EXPECT_EQ(Game.Settings.Cols, 2);
  EXPECT_EQ(Game.Settings.Rows, 1);
  EXPECT_EQ(Row(Game, 1), ".A");
  ASSERT_EQ(Game.Words.size(), 2u);
  EXPECT_EQ(Game.Words[1], std::string("A") + EmptyChar + "\x66\x65\x65\x66");
}

TEST_F(JumbleBuilderTest, TwoShortWordsShareOneWordColumn) {
  Builder.Mix = false;
  ASSERT_TRUE(Builder.Build("AB CD"));
  EXPECT_EQ(Game.Settings.Cols, 4);
  EXPECT_EQ(Game.Settings.Rows, 2);
  EXPECT_EQ(Row(Game, 1), "..AB");
  EXPECT_EQ(Row(Game, 2), "..CD");
}

TEST_F(JumbleBuilderTest, ShorterWordsInAColumnGetWiderHintBoxes) {
  Builder.Mix = false;
  // Six words make C = 2 (R = 3): HOUSE, A and TO share word column 1, of width 5 + 2 + 1.
  ASSERT_TRUE(Builder.Build("HOUSE A TO B C D"));
  EXPECT_EQ(Row(Game, 1).substr(0, 8), "...HOUSE");
  EXPECT_EQ(Row(Game, 2).substr(0, 8), ".......A");
  EXPECT_EQ(Row(Game, 3).substr(0, 8), "......TO");
  EXPECT_EQ(Parse(Game.Words[2]).A, 1);
  EXPECT_EQ(Parse(Game.Words[2]).B, 8);
  EXPECT_EQ(Parse(Game.Words[3]).B, 7);
}

TEST_F(JumbleBuilderTest, SpacesSeparateAndEndsAreTrimmedButTheTextIsKept) {
  Builder.Mix = false;
  const std::string Text = "  CAT,   DOG  ";
  ASSERT_TRUE(Builder.Build(Text));
  EXPECT_EQ(Game.Words[0], Text);
  ASSERT_EQ(Game.Words.size(), 3u);
  EXPECT_EQ(Parse(Game.Words[1]).Letters.size(), 4u);  // the comma belongs to CAT
  EXPECT_EQ(Parse(Game.Words[2]).Letters.size(), 3u);
}

TEST_F(JumbleBuilderTest, BlankTextBuildsNothingAndKeepsThePuzzle) {
  ASSERT_TRUE(Builder.Build("KEEP IT"));
  Game.Modified = false;
  const std::string Grid = Game.Grid;
  for (const std::string Text : {"", "    "}) {
    EXPECT_FALSE(Builder.Build(Text));
    EXPECT_FALSE(Builder.MixClick(false, Text));
  }
  EXPECT_EQ(Game.Grid, Grid);
  ASSERT_EQ(Game.Words.size(), 3u);
  EXPECT_EQ(Game.Words[0], "KEEP IT");
  EXPECT_FALSE(Game.Modified);
  EXPECT_TRUE(Ui.Messages.empty());
}

// Over many seeded builds no hint reads as its word, except one whose letters are all the same.
TEST_F(JumbleBuilderTest, AHintNeverGivesTheAnswerAway) {
  Builder.Mix = false;
  const std::vector<std::string> Words{"AB", "ON", "TOO", "BOOK", "AA", "I"};
  for (std::uint64_t Seed = 1; Seed <= 200; ++Seed) {
    RandomGenerator::Seed(Seed);
    ASSERT_TRUE(Builder.Build("AB ON TOO BOOK AA I"));
    for (std::size_t k = 0; k < Words.size(); ++k) {
      const std::string Hint = Parse(Game.Words[k + 1]).Letters;
      const bool AllSame = Words[k].find_first_not_of(Words[k][0]) == std::string::npos;
      EXPECT_EQ(Hint == Words[k], AllSame) << Words[k] << " seed " << Seed;
    }
  }
}

class JumbleRefusalTest : public JumbleBuilderTest {
 protected:
  void SetUp() override {
    JumbleBuilderTest::SetUp();
    ASSERT_TRUE(Builder.Build("KEEP THIS"));
    Game.Modified = false;
    Grid = Game.Grid;
    Words = Game.Words.Items();
    Cols = Game.Settings.Cols;
    Rows = Game.Settings.Rows;
  }
  void ExpectUnchanged() {
    EXPECT_EQ(Game.Grid, Grid);
    EXPECT_EQ(Game.Words.Items(), Words);
    EXPECT_EQ(Game.Settings.Cols, Cols);
    EXPECT_EQ(Game.Settings.Rows, Rows);
    EXPECT_FALSE(Game.Modified);
  }
  std::string Grid;
  std::vector<std::string> Words;
  int Cols = 0;
  int Rows = 0;
};

TEST_F(JumbleRefusalTest, ThirtyThreeLettersFitAndThirtyFourDoNot) {
  EXPECT_FALSE(Builder.Build(std::string(34, 'W')));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, "The text is too long. It does not fit to the grid");
  EXPECT_EQ(Ui.Messages[0].Kind, Icon::None);
  ExpectUnchanged();

  ASSERT_TRUE(Builder.Build(std::string(33, 'W')));
  EXPECT_EQ(Game.Settings.Cols, 50);
}

TEST_F(JumbleRefusalTest, MoreThanTwentyWordColumnsIsTooLong) {
  auto Letters = [](int Count) {
    std::string Text;
    for (int i = 0; i < Count; ++i) Text += "A ";
    return Text;
  };
  // 820 one-letter words would need 21 word columns of 2 cells; 800 fill exactly 20 by 40.
  EXPECT_FALSE(Builder.Build(Letters(820)));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  ExpectUnchanged();
  ASSERT_TRUE(Builder.Build(Letters(800)));
  EXPECT_EQ(Game.Settings.Cols, 40);
  EXPECT_EQ(Game.Settings.Rows, 40);
}

TEST_F(JumbleRefusalTest, ControlCharactersAreRefused) {
  EXPECT_FALSE(Builder.Build("CAT\tDOG"));
  EXPECT_FALSE(Builder.Build(std::string("CAT") + EmptyChar));
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_NE(Ui.Messages[0].Text.find("U+0009"), std::string::npos);
  ExpectUnchanged();
}

TEST_F(JumbleBuilderTest, MixClickBuildsOnlyWhenTheTextHoldsAWord) {
  ASSERT_TRUE(Builder.Build("OLD"));
  EXPECT_FALSE(Builder.MixClick(false, "   "));
  EXPECT_FALSE(Builder.Mix);
  EXPECT_EQ(Game.Words[0], "OLD");
  EXPECT_TRUE(Builder.MixClick(true, "NEW TEXT"));
  EXPECT_TRUE(Builder.Mix);
  EXPECT_EQ(Game.Words[0], "NEW TEXT");
}

// Over many seeded builds of varied texts: every hint record's letters are a permutation of its
// word, each pointing at the answer cell that holds it, and together the records hold every
// word of the text once.
TEST_F(JumbleBuilderTest, SeededBuildsKeepEveryRecordConsistentWithTheGrid) {
  const std::vector<std::string> Pool{"A",     "TO",    "THE",    "BOOK",      "NEVER",
                                      "EAGLE", "ZEBRA", "RABBIT", "SUNFLOWER", "MISSISSIPPI"};
  for (int Seed = 1; Seed <= 300; ++Seed) {
    RandomGenerator::Seed(static_cast<std::uint64_t>(Seed));
    const int Count = 1 + RandomGenerator::Uniform(40);
    std::string Text;
    std::multiset<std::string> Expected;
    for (int i = 0; i < Count; ++i) {
      const std::string& Word = Pool[static_cast<std::size_t>(RandomGenerator::Uniform(10))];
      Text += Word + std::string(static_cast<std::size_t>(1 + RandomGenerator::Uniform(3)), ' ');
      Expected.insert(Word);
    }
    Builder.Mix = Seed % 2 == 0;
    ASSERT_TRUE(Builder.Build(Text)) << Text;
    ASSERT_EQ(Game.Words.size(), static_cast<std::size_t>(Count) + 1);
    EXPECT_GE(Game.Settings.Cols, Game.Settings.Rows);
    std::multiset<std::string> Found;
    for (std::size_t i = 1; i < Game.Words.size(); ++i) {
      const Record Hint = Parse(Game.Words[i]);
      const int L = static_cast<int>(Hint.Letters.size());
      ASSERT_GE(L, 1);
      const int Y = Hint.Cells.front().second;
      std::string Word;
      for (int X = Hint.B; X < Hint.B + L; ++X) Word += Game.GetCell(X, Y);
      Found.insert(Word);
      EXPECT_TRUE(std::is_permutation(Hint.Letters.begin(), Hint.Letters.end(), Word.begin()));
      std::set<std::pair<int, int>> Cells;
      for (int m = 0; m < L; ++m) {
        const auto [X, CellY] = Hint.Cells[static_cast<std::size_t>(m)];
        EXPECT_EQ(CellY, Y);
        EXPECT_GE(X, Hint.B);
        EXPECT_LT(X, Hint.B + L);
        EXPECT_EQ(Game.GetCell(X, CellY), Hint.Letters[static_cast<std::size_t>(m)]);
        Cells.insert({X, CellY});
      }
      EXPECT_EQ(Cells.size(), static_cast<std::size_t>(L));
      // The hint box (A .. B-1) is empty and at least half the word plus one cell wide.
      EXPECT_GE(Hint.B - Hint.A, L / 2 + 1);
      for (int X = Hint.A; X < Hint.B; ++X) EXPECT_EQ(Game.GetCell(X, Y), EmptyChar);
    }
    EXPECT_EQ(Found, Expected);
  }
}

TEST_F(JumbleBuilderTest, MixChangesTheWordOrderMostOfTheTime) {
  Builder.Mix = true;
  int FirstWordMoved = 0;
  for (int Seed = 1; Seed <= 200; ++Seed) {
    RandomGenerator::Seed(static_cast<std::uint64_t>(Seed));
    ASSERT_TRUE(Builder.Build("ONE TWO THREE FOUR FIVE SIX"));
    if (Game.GetCell(Parse(Game.Words[1]).B, 1) != 'O') ++FirstWordMoved;
  }
  // Five times out of six in expectation; a fixed order would give none.
  EXPECT_GT(FirstWordMoved, 100);
}

TEST(JumbleLayoutTest, SplitsOnSpacesOnlyAndTrimsBlanksAtTheEnds) {
  EXPECT_TRUE(SplitJumbleWords("").empty());
  EXPECT_TRUE(SplitJumbleWords("   ").empty());
  EXPECT_EQ(SplitJumbleWords("\t A  B\tC "), (std::vector<std::string>{"A", "B\tC"}));
}

}  // namespace
}  // namespace vornic
