#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/GameText.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleLayout.h"
#include "games/jumble/JumbleText.h"
#include "support/DocumentTest.h"
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

class JumbleBuilderTest : public test::DocumentTest {
 protected:
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

  // Placement order is word column by word column, top to bottom.
  EXPECT_EQ(std::pair(Parse(Game.Words[1]).A, Parse(Game.Words[1]).B), std::pair(1, 3));
  EXPECT_EQ(std::pair(Parse(Game.Words[4]).A, Parse(Game.Words[4]).B), std::pair(6, 9));
  const Record Mat = Parse(Game.Words[6]);
  EXPECT_EQ(std::pair(Mat.A, Mat.B), std::pair(6, 8));
  EXPECT_TRUE(
      std::is_permutation(Mat.Letters.begin(), Mat.Letters.end(), std::string("MAT").begin()));
  EXPECT_TRUE(Game.Modified);
}

// Refused texts are told and leave the puzzle as it was. The limits: 33 letters to a word
// (50 columns) and 20 word columns.
TEST_F(JumbleBuilderTest, RefusedTextsLeaveThePuzzleAsItWas) {
  ASSERT_TRUE(Builder.Build("KEEP THIS"));
  Game.Modified = false;
  const std::string Grid = Game.Grid;
  const std::vector<std::string> Words = Game.Words.Items();
  std::string Ones;
  for (int i = 0; i < 820; ++i) Ones += "A ";  // 21 word columns of 2 cells
  for (const std::string& Text :
       {std::string(34, 'W'), Ones, std::string("CAT\tDOG"), std::string("CAT") + EmptyChar})
    EXPECT_FALSE(Builder.Build(Text)) << Text.substr(0, 10);
  ASSERT_EQ(Ui.Messages.size(), 4u);
  EXPECT_EQ(Ui.Messages[0].Text, "The text is too long. It does not fit to the grid");
  EXPECT_NE(Ui.Messages[2].Text.find("U+0009"), std::string::npos);
  EXPECT_EQ(Game.Grid, Grid);
  EXPECT_EQ(Game.Words.Items(), Words);
  EXPECT_FALSE(Game.Modified);
  ASSERT_TRUE(Builder.Build(std::string(33, 'W')));
  EXPECT_EQ(Game.Settings.Cols, 50);
  ASSERT_TRUE(Builder.Build(Ones.substr(0, 1600)));  // 800 words fill 20 by 40
  EXPECT_EQ(Game.Settings.Cols, 40);
}

// Over many seeded builds of varied texts: every hint record's letters are a permutation of its
// word, each pointing at the answer cell that holds it, and together the records hold every
// word of the text once.
TEST_F(JumbleBuilderTest, BlankTextBuildsNothingAndKeepsThePuzzle) {
  ASSERT_TRUE(Builder.Build("KEEP IT"));
  Game.Modified = false;
  const std::string Grid = Game.Grid;
  for (const std::string Text : {"", "    "}) {
    EXPECT_FALSE(Builder.Build(Text));
    EXPECT_FALSE(Builder.SetMix(false, Text));
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

TEST_F(JumbleBuilderTest, OnlyLettersMixAndAWordWithoutLettersShowsAsItIs) {
  Builder.Mix = false;
  for (std::uint64_t Seed = 1; Seed <= 50; ++Seed) {
    RandomGenerator::Seed(Seed);
    ASSERT_TRUE(Builder.Build(Game.Codes().Encode("DON'T COUNT, É-T-É! 2024").Bytes));
    for (std::size_t k = 1; k <= 4; ++k) {
      const Record Hint = Parse(Game.Words[k]);
      for (std::size_t i = 0; i < Hint.Letters.size(); ++i)  // the others keep their places
        EXPECT_TRUE(Game.Codes().IsLetter(static_cast<std::uint8_t>(Hint.Letters[i])) ||
                    Hint.Cells[i].first == Hint.B + static_cast<int>(i))
            << "seed " << Seed;
    }
    EXPECT_EQ(Parse(Game.Words[4]).Letters, "2024");
  }
}

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

class GameTextTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  void SetUp() override { RandomGenerator::Seed(1); }
};

TEST_F(GameTextTest, JumbleTextIsTheMixedWordsInPlacementOrder) {
  Game.Init("JumbledUp", &Ui);
  JumbleBuilder Builder(Game);
  Builder.Mix = false;
  // One-letter words keep their order of letters, so the export is fixed: word column 1 holds
  // I, A, M and word column 2 holds O, K.
  ASSERT_TRUE(Builder.Build("I A M O K"));
  ASSERT_EQ(Game.Settings.Rows, 3);
  EXPECT_EQ(JumbleAsText(Game), "I\r\nA\r\nM\r\nO\r\nK\r\n");
  EXPECT_EQ(GameAsText(Game), JumbleAsText(Game));
}

TEST_F(GameTextTest, JumbleTextKeepsTheCodePageBytesAndTheClipboardGetsUtf8) {
  Game.Init("JumbledUp", &Ui);
  JumbleBuilder Builder(Game);
  ASSERT_TRUE(Builder.Build("\xC9"));  // É in Windows-1252
  EXPECT_EQ(JumbleAsText(Game), "\xC9\r\n");
  CopyGameAsText(Game);
  ASSERT_EQ(Ui.Clipboard.size(), 1u);
  EXPECT_EQ(Ui.Clipboard[0].Text, "\xC3\x89\r\n");
}

}  // namespace
}  // namespace vornic
