#include <gtest/gtest.h>

#include <map>
#include <variant>

#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/maze/MazeGame.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

class MazeGameTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  TVornicGame Game;
  MazeBuilder Builder;
  void SetUp() override {
    Game.Init("WordMaze", nullptr);
    Game.SetSize(15, 10);
    Game.ClearGrid();
  }
};

const MazeInput Sample{"TITLE", {"PEAR", "APPLE", "FIGS", "KIWI", "LIME", "PLUM"}};  // 30 letters

TEST_F(MazeGameTest, ABuildStoresTheSizeTheGridAndTheEntriesInLineOrder) {
  RandomGenerator::Seed(5);
  ASSERT_TRUE(BuildMazeGame(Game, Builder, Sample, {5, 6}));
  EXPECT_EQ(Game.Settings.Cols, 5);
  EXPECT_EQ(Game.Settings.Rows, 6);
  EXPECT_EQ(Game.MetaFile.Width(), 85);
  EXPECT_EQ(Game.MetaFile.Height(), 101);
  EXPECT_EQ(Game.Grid, Builder.MazeGridText());
  EXPECT_TRUE(Game.Modified);
  std::vector<std::string> Items;
  Game.ListWords(Items);
  EXPECT_EQ(Items,
            (std::vector<std::string>{"TITLE", "PEAR", "APPLE", "FIGS", "KIWI", "LIME", "PLUM"}));
}

TEST_F(MazeGameTest, AFailedBuildLeavesAnEmptyGridAndNoEntries) {
  RandomGenerator::Seed(5);
  // A phrase of more letters than cells, and a size no grid has.
  EXPECT_FALSE(BuildMazeGame(Game, Builder, {"ABCDEFGHIJKL", {}}, {3, 3}));
  EXPECT_EQ(Game.Grid, std::string(9, EmptyChar));
  EXPECT_TRUE(Game.Words.empty());
  EXPECT_FALSE(BuildMazeGame(Game, Builder, Sample, {0, 30}));
  EXPECT_TRUE(Game.Words.empty());
}

TEST_F(MazeGameTest, TheHighlightAfterABuildShowsExactlyThePhraseLettersInRedBold) {
  RandomGenerator::Seed(9);
  ASSERT_TRUE(BuildMazeGame(Game, Builder, Sample, {6, 5}));
  Game.DrawGrid(true);
  ASSERT_TRUE(Game.ShowWord(0));
  // Play the recording: every letter drawn in red bold, by cell.
  std::map<std::pair<int, int>, char32_t> Red;
  TFont Font;
  for (const DrawOperation& Operation : Game.MetaFile.Operations()) {
    if (const auto* Select = std::get_if<draw::SelectFont>(&Operation)) Font = Select->Font;
    const auto* Text = std::get_if<draw::Text>(&Operation);
    if (!Text || Font.Color != clRed || !Font.Bold) continue;
    for (std::size_t i = 0; i < Text->Characters.size(); ++i)
      if (Text->Characters[i] != U' ')
        Red[{(Text->At.X + static_cast<int>(i) * Text->Advance - 5) / 16 + 1,
             (Text->At.Y - 2) / 16 + 1}] = Text->Characters[i];
  }
  std::map<std::pair<int, int>, char32_t> Phrase;
  const std::string& Entry0 = Game.Words[0];
  for (std::size_t k = 0; k < 5; ++k)
    Phrase[{static_cast<std::uint8_t>(Entry0[6 + 2 * k]) - PathOffset,
            static_cast<std::uint8_t>(Entry0[7 + 2 * k]) - PathOffset}] =
        static_cast<char32_t>(Entry0[k]);
  EXPECT_EQ(Red, Phrase);
}

TEST_F(MazeGameTest, AnOpenedMazeGivesBackThePhraseAndTheWords) {
  Game.AddWord("TITLE", "");
  Game.AddWord("PEAR", "");
  Game.AddWord("APPLE", "");
  const MazeInput Input = MazeInputFromDocument(Game);
  EXPECT_EQ(Input.Phrase, "TITLE");
  EXPECT_EQ(Input.Words, (std::vector<std::string>{"PEAR", "APPLE"}));
  Game.ClearGrid();
  EXPECT_EQ(MazeInputFromDocument(Game).Phrase, "");
  EXPECT_TRUE(MazeInputFromDocument(Game).Words.empty());
}

TEST_F(MazeGameTest, WordsTextIsThePhraseAnEmptyLineAndTheSortedWords) {
  EXPECT_EQ(MazeWordsText({"TITLE", {"PEAR", "APPLE"}}, 1), "TITLE\r\n\r\nAPPLE\r\nPEAR\r\n");
  // Letter case does not order; equal words keep their order.
  EXPECT_EQ(MazeWordsText({"", {"banana", "APRICOT", "Apple", "apple"}}, 1),
            "\r\n\r\nApple\r\napple\r\nAPRICOT\r\nbanana\r\n");
  EXPECT_EQ(MazeWordsText({"X", {}}, 1), "X\r\n\r\n");
}

TEST_F(MazeGameTest, WordsOfOtherScriptsSortByTheirOwnLetters) {
  // Windows-1251: 0xC0 А, 0xC1 Б, 0xE0 а; bytes in code-point order would put а last.
  EXPECT_EQ(MazeWordsText({"", {"\xC1", "\xE0", "\xC0\xC1"}}, 204),
            "\r\n\r\n\xE0\r\n\xC0\xC1\r\n\xC1\r\n");
}

TEST_F(MazeGameTest, ControlCharactersAreRefusedWithAMessageNamingWhere) {
  EXPECT_FALSE(CheckMazeInput(Sample).has_value());
  const auto InPhrase = CheckMazeInput({"A\tB", {"CD"}});
  ASSERT_TRUE(InPhrase.has_value());
  EXPECT_NE(InPhrase->find("phrase"), std::string::npos);
  EXPECT_NE(InPhrase->find("code 9"), std::string::npos);
  const auto InWord = CheckMazeInput({"AB", {"CD", std::string("E") + EmptyChar}});
  ASSERT_TRUE(InWord.has_value());
  EXPECT_NE(InWord->find("Word 2"), std::string::npos);
  // One rule for every game: DEL is a control too, 0x80 to 0x9F are letters of the code page.
  EXPECT_TRUE(CheckMazeInput({"A\x7F", {"CD"}}).has_value());
  EXPECT_FALSE(CheckMazeInput({"A\x80\x9F", {"CD"}}).has_value());
}

}  // namespace
}  // namespace vornic
