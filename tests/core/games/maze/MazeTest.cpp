#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "base/CodePage.h"
#include "base/EmptyChar.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/EntryPath.h"
#include "games/maze/MazeBuilder.h"
#include "games/maze/MazeGame.h"
#include "games/maze/MazeGrid.h"
#include "games/maze/MazeSizes.h"
#include "games/maze/MazeTwistedPath.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

// The sizes offered for a letter total: W x H = total, both sides 3 to 50, width first.
TEST(MazeSizes, WorkedTotals) {
  const std::vector<std::pair<long long, std::vector<std::string>>> Cases{
      {30, {"3 x 10", "5 x 6", "6 x 5", "10 x 3"}},
      {9, {"3 x 3"}},
      {2500, {"50 x 50"}},
      {2400, {"48 x 50", "50 x 48"}},
      {13, {}},
      {8, {}},
      {2550, {}},
      {1'000'000'007LL, {}}};
  for (const auto& [Total, Expected] : Cases) {
    std::vector<std::string> Texts;
    for (const MazeSize Size : OfferedSizes(Total)) Texts.push_back(FormatSize(Size));
    EXPECT_EQ(Texts, Expected) << Total;
  }
  EXPECT_EQ(NearestToSquare(OfferedSizes(30)), (MazeSize{5, 6}));
  EXPECT_FALSE(NearestToSquare({}).has_value());
}

TEST(MazeSizes, WithoutAnOfferedSizeTheHintGivesTheCountAndTheNearestCountsThatFit) {
  const std::vector<std::pair<long long, std::string>> Cases{
      {53,
       "53 letters: no grid from 3 x 3 to 50 x 50 holds exactly 53; remove 1 letter for "
       "4 x 13 or add 1 for 6 x 9"},
      {106,
       "106 letters: no grid from 3 x 3 to 50 x 50 holds exactly 106; remove 1 letter for "
       "7 x 15 or add 2 for 9 x 12"},
      {1, "1 letter: no grid from 3 x 3 to 50 x 50 holds exactly 1; add 8 letters for 3 x 3"},
      {10,
       "10 letters: no grid from 3 x 3 to 50 x 50 holds exactly 10; remove 1 letter for "
       "3 x 3 or add 2 for 3 x 4"},
      {2501,
       "2501 letters: no grid from 3 x 3 to 50 x 50 holds exactly 2501; remove 1 letter "
       "for 50 x 50"},
      {30, ""},
      {0, ""}};
  for (const auto& [Total, Expected] : Cases) EXPECT_EQ(NoSizeHint(Total), Expected) << Total;
}

// A grid from rows of '.' (free) and any other character (a letter).
MazeGrid GridOf(const std::vector<std::string>& Rows) {
  MazeGrid Grid;
  Grid.Reset(static_cast<int>(Rows[0].size()), static_cast<int>(Rows.size()));
  for (std::size_t Y = 0; Y < Rows.size(); ++Y)
    for (std::size_t X = 0; X < Rows[Y].size(); ++X)
      if (Rows[Y][X] != '.') Grid.Set(static_cast<int>(X + 1), static_cast<int>(Y + 1), Rows[Y][X]);
  return Grid;
}

TEST(MazeGridStartCell, ScansColumnsFirstThenRows) {
  // Dead ends at (4, 1) and (1, 5): row order would find (4, 1) first, column order (1, 5).
  const MazeGrid Grid = GridOf({"..#.#", ".....", ".....", ".....", ".#..."});
  EXPECT_EQ(Grid.FindStartCell(), (GridCell{1, 5}));
}

TEST(MazeGridRegion, ALongWindingRegionOfTheLargestGridIsCountedWhole) {
  // A serpentine through 50 x 50 cells: far too deep for a recursive count on a small stack.
  std::vector<std::string> Rows;
  for (int Y = 0; Y < 50; ++Y) {
    if (Y % 2 == 0)
      Rows.push_back(std::string(50, '.'));
    else
      Rows.push_back(Y % 4 == 1 ? std::string(49, '#') + "." : "." + std::string(49, '#'));
  }
  const MazeGrid Grid = GridOf(Rows);
  EXPECT_EQ(Grid.CountFirstFreeRegion(), 25 * 50 + 25);
  EXPECT_TRUE(Grid.FreeCellsConnected(25 * 49));
}

// After the phrase, an empty line, a one-letter word and words of 3 to 8 letters filling W x H.
MazeInput Filling(int W, int H, const std::string& Phrase) {
  MazeInput Input{Phrase, {"", "Q"}};
  int Left = W * H - static_cast<int>(Phrase.size()) - 1;
  for (int i = 0; Left > 0; ++i) {
    const int Length = Left - (3 + i % 6) < 3 ? Left : 3 + i % 6;
    Input.Words.emplace_back(static_cast<std::size_t>(Length), static_cast<char>('A' + i % 26));
    Input.Words.back()[0] = static_cast<char>('A' + i / 26 % 26);  // no word listed twice
    Left -= Length;
  }
  return Input;
}

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

TEST_F(MazeBuilderTest, EveryCellIsUsedOnceAlongTheTwistedPathAndWordsBendLikeWalkedOnes) {
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
    ExpectComplete(Input.Words, Input.Phrase);
    if (HasFatalFailure()) return;
    for (std::size_t i = 1; i < Game.Words.size(); ++i) CountTurns(CellsOf(i), Tally);
  }
  // Walked words turn at half to three quarters of their inner letters.
  EXPECT_GT(Tally.Share(), 0.55);
  EXPECT_LT(Tally.Share(), 0.75);
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

const MazeInput Sample{"TITLE", {"PEAR", "APPLE", "FIGS", "KIWI", "LIME", "PLUM"}};  // 30 letters

TEST_F(MazeBuilderTest, TheHighlightAfterABuildShowsExactlyThePhraseLettersInRedBold) {
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

// A failed build, refused before the builder or by it, leaves the maze it would replace whole.
TEST_F(MazeBuilderTest, AFailedBuildKeepsTheBuiltMazeItsPictureAndItsSavedState) {
  RandomGenerator::Seed(4);
  ASSERT_TRUE(BuildMazeGame(Game, Builder, Sample, {6, 5}));
  Game.DrawGrid(true);
  Game.Modified = false;
  const std::string Grid = Game.Grid;
  const std::vector<std::string> Words = Game.Words.Items();
  const std::size_t Drawn = Game.MetaFile.Operations().size();
  const MazeInput Twice{"AB", {"CAT", "CAT"}};
  const MazeInput TooMany{"TITLE", {"PEAR", "APPLE"}};
  for (const auto& [Input, Size] : {std::pair{Twice, MazeSize{3, 3}}, {TooMany, MazeSize{3, 3}}}) {
    EXPECT_FALSE(BuildMazeGame(Game, Builder, Input, Size));
    EXPECT_EQ(Game.Grid, Grid);
    EXPECT_EQ(Game.Words.Items(), Words);
    EXPECT_EQ(Game.Settings.Cols, 6);
    EXPECT_EQ(Game.MetaFile.Width(), 6 * 16 + 5);
    EXPECT_EQ(Game.MetaFile.Operations().size(), Drawn);
    EXPECT_FALSE(Game.Modified);
  }
}

TEST(MazeGame, WordsTextIsThePhraseAnEmptyLineAndTheSortedWords) {
  EXPECT_EQ(MazeWordsText({"TITLE", {"PEAR", "APPLE"}}, 1), "TITLE\r\n\r\nAPPLE\r\nPEAR\r\n");
  // Letter case does not order; equal words keep their order.
  EXPECT_EQ(MazeWordsText({"", {"banana", "APRICOT", "Apple", "apple"}}, 1),
            "\r\n\r\nApple\r\napple\r\nAPRICOT\r\nbanana\r\n");
  EXPECT_EQ(MazeWordsText({"X", {}}, 1), "X\r\n\r\n");
}

TEST(MazeGame, ControlCharactersAreRefusedWithAMessageNamingWhere) {
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

}  // namespace
}  // namespace vornic
