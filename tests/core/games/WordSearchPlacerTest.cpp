#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

#include "base/RandomGenerator.h"
#include "games/wordsearch/WordReadings.h"
#include "games/wordsearch/WordRepeats.h"
#include "games/wordsearch/WordSearchPlacer.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic {
namespace {

struct Cell {
  int X, Y;
  auto operator<=>(const Cell&) const = default;
};

// The cells of a word entry's path, checked to be well formed.
std::vector<Cell> PathOf(const std::string& Entry) {
  const auto Separator = Entry.find(EmptyChar);
  EXPECT_NE(Separator, std::string::npos);
  const std::string Path = Entry.substr(Separator + 1);
  EXPECT_EQ(Path.size(), 2 * Separator);
  std::vector<Cell> Cells;
  for (std::size_t i = 0; i + 1 < Path.size(); i += 2)
    Cells.push_back(
        {static_cast<std::uint8_t>(Path[i]) - 100, static_cast<std::uint8_t>(Path[i + 1]) - 100});
  return Cells;
}

class WordSearchTest : public ::testing::Test {
 protected:
  test::TempHome Home;
  test::ScriptedUserInterface Ui;
  TVornicGame Game;
  std::unique_ptr<WordSearchPlacer> Placer;

  void SetUp() override {
    RandomGenerator::Seed(1234);
    Game.Init("VornicGame", &Ui);
    Game.SetSize(15, 10);
    ASSERT_TRUE(Game.New());
    Placer = std::make_unique<WordSearchPlacer>(Game);
  }
  void OnlyDirections(std::initializer_list<int> Tags) {
    for (int Tag = 1; Tag <= 8; ++Tag)
      Placer->SetEnabled(WordSearchPlacer::DirectionOfTag(Tag), false);
    for (int Tag : Tags) Placer->SetEnabled(WordSearchPlacer::DirectionOfTag(Tag), true);
  }
  // Every entry's letters lie on its path in the grid, along one straight enabled line.
  void ExpectEntriesMatchGrid() {
    for (const std::string& Entry : Game.Words) {
      const std::vector<Cell> Cells = PathOf(Entry);
      for (std::size_t i = 0; i < Cells.size(); ++i) {
        EXPECT_EQ(Game.GetCell(Cells[i].X, Cells[i].Y), Entry[i]) << Entry;
        if (i > 0) {
          const Direction Step{Cells[i].X - Cells[i - 1].X, Cells[i].Y - Cells[i - 1].Y};
          EXPECT_TRUE(Placer->IsEnabled(Step)) << Entry;
          if (i > 1) {
            EXPECT_EQ(Step.Dx, Cells[1].X - Cells[0].X);
            EXPECT_EQ(Step.Dy, Cells[1].Y - Cells[0].Y);
          }
        }
      }
    }
  }
};

TEST_F(WordSearchTest, PlacedWordIsUpperCasedListedAndRecordedWithoutSpaces) {
  // A space would take a cell that the fill leaves blank, which gives the word away.
  EXPECT_TRUE(Placer->EnterWord("  ice cream ", true));
  EXPECT_EQ(Placer->PlacedWords, std::vector<std::string>{"ICECREAM"});
  ASSERT_EQ(Game.Words.size(), 1u);
  EXPECT_TRUE(Game.Words[0].starts_with("ICECREAM\x19"));
  EXPECT_EQ(std::count(Game.Grid.begin(), Game.Grid.end(), EmptyChar), 150 - 8);
  EXPECT_TRUE(Game.Modified);
  ExpectEntriesMatchGrid();
}

TEST_F(WordSearchTest, WordThatFitsNowhereIsToldAndChangesNothing) {
  OnlyDirections({1, 2});  // up and down only: 11 letters cannot fit 10 rows
  const std::string GridBefore = Game.Grid;
  EXPECT_FALSE(Placer->EnterWord("abcdefghijk", true));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text,
            "Could not insert word ABCDEFGHIJK\nThe word is longer than the grid in every enabled "
            "direction: enable more directions or make the grid larger in Grid settings.");
  EXPECT_EQ(Game.Grid, GridBefore);
  EXPECT_TRUE(Placer->PlacedWords.empty());
  EXPECT_TRUE(Game.Words.empty());
  // No directions is told first, even for an empty word.
  Ui.Messages.clear();
  OnlyDirections({});
  EXPECT_FALSE(Placer->EnterWord("", true));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, "No directions specified");
}

// Whether the placer follows its own list or the window changed it, a word listed already,
// either way round, is refused by name; a word that found no place is not listed.
TEST_F(WordSearchTest, AWordListedAlreadyEitherWayIsRefusedButOneThatFoundNoPlaceIsTriedAgain) {
  OnlyDirections({1, 2});
  ASSERT_TRUE(Placer->EnterWord("cat", true));
  for (int Try = 0; Try < 2; ++Try) EXPECT_FALSE(Placer->EnterWord("abcdefghijk", true));
  EXPECT_FALSE(Placer->EnterWord("CAT", true));
  Placer->PlacedWords.push_back("DOG");  // as the window lists the words of an opened file
  EXPECT_FALSE(Placer->EnterWord("god", true));
  ASSERT_EQ(Ui.Messages.size(), 4u);
  EXPECT_TRUE(Ui.Messages[1].Text.starts_with("Could not insert word ABCDEFGHIJK"));
  EXPECT_NE(Ui.Messages[2].Text.find("\"CAT\" is listed twice"), std::string::npos);
  EXPECT_NE(Ui.Messages[3].Text.find("\"GOD\" is the listed word \"DOG\" backwards"),
            std::string::npos);
}

TEST_F(WordSearchTest, ARepeatedWordNeverLiesWhollyOnItsFirstCopy) {
  for (int Seed = 0; Seed < 30; ++Seed) {
    RandomGenerator::Seed(static_cast<std::uint64_t>(Seed));
    Placer->DeleteAll();
    ASSERT_TRUE(Placer->EnterWord("LEVEL", true));
    ASSERT_TRUE(Placer->EnterWord("LEVEL", false));  // as Shuffle places a list
    const auto First = PathOf(Game.Words[0]), Second = PathOf(Game.Words[1]);
    const std::set<Cell> A(First.begin(), First.end()), B(Second.begin(), Second.end());
    EXPECT_NE(A, B) << "seed " << Seed;
  }
  Game.SetSize(3, 3);
  Game.ClearGrid();
  for (int i = 0; i < 9; ++i) ASSERT_TRUE(Placer->EnterWord("A", false));
  EXPECT_FALSE(Placer->EnterWord("A", false)) << "nine one-letter words fill nine cells";
}

TEST_F(WordSearchTest, WithoutIntersectionsWordsShareNoCellAndCrossNoFill) {
  Placer->Intersect = false;
  Game.SetSize(12, 12);
  Game.ClearGrid();
  for (const char* Word :
       {"ALPHA", "BRAVO", "CHARLIE", "DELTA", "ECHO", "FOXTROT", "GOLF", "HOTEL"})
    ASSERT_TRUE(Placer->EnterWord(Word, true));
  std::set<Cell> Used;
  std::size_t Letters = 0;
  for (const std::string& Entry : Game.Words)
    for (const Cell& C : PathOf(Entry)) {
      Used.insert(C);
      ++Letters;
    }
  EXPECT_EQ(Used.size(), Letters);
  ExpectEntriesMatchGrid();
  Placer->FillBlanks();
  EXPECT_FALSE(Placer->EnterWord("ZZZZZZZZZZZZ", true))
      << "a full grid takes nothing without intersections";
  EXPECT_NE(Ui.Messages.back().Text.find("\nEvery cell is taken since Fill Blanks"),
            std::string::npos);
}

TEST_F(WordSearchTest, ShuffleStopsAtTheFirstFailureAndClearsFill) {
  for (const char* Word : {"CAT", "DOG", "EMU"}) ASSERT_TRUE(Placer->EnterWord(Word, true));
  Placer->FillBlanks();
  OnlyDirections({4});
  Placer->PlacedWords.insert(Placer->PlacedWords.begin() + 1,
                             "ABCDEFGHIJKLMNOPQ");  // 17 letters, 15 columns
  Placer->Reord();
  EXPECT_EQ(Game.Words.size(), 1u) << "words after the failing one are not tried";
  EXPECT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(std::count(Game.Grid.begin(), Game.Grid.end(), EmptyChar), 150 - 3);
  EXPECT_EQ(Placer->PlacedWords.size(), 4u);
}

TEST_F(WordSearchTest, ControlCharactersAreRefusedByName) {
  EXPECT_FALSE(Placer->EnterWord("CA\tT", true));
  EXPECT_FALSE(Placer->EnterWordBytes("DO\x19G", true));
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_NE(Ui.Messages[0].Text.find("U+0009"), std::string::npos);
  EXPECT_NE(Ui.Messages[1].Text.find("U+0019"), std::string::npos);
  EXPECT_TRUE(Game.Words.empty());
  EXPECT_TRUE(Placer->PlacedWords.empty());
}

TEST_F(WordSearchTest, NoPlaceLeftSuggestsWhatHelps) {
  Game.SetSize(3, 3);
  Game.Grid =
      "\x19"
      "BCDEFGHI";  // one free cell: no room for three new letters
  EXPECT_FALSE(Placer->EnterWord("QRS", false));
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_NE(Ui.Messages[0].Text.find("\nNo free place remains for it: try Shuffle"),
            std::string::npos);
}

// Real words, not random letters: short ones turn up by chance in a random fill.
const std::vector<std::string> Animals{
    "ANT",  "BAT",  "BEE",  "CAT",  "COW",   "DOG",   "EEL",   "ELK",   "EMU",   "FOX",
    "GNU",  "HEN",  "OWL",  "PIG",  "RAT",   "YAK",   "APE",   "BEAR",  "CRAB",  "DEER",
    "DOVE", "DUCK", "FROG", "GOAT", "HARE",  "LION",  "MOLE",  "MULE",  "NEWT",  "SEAL",
    "SWAN", "TOAD", "WOLF", "WORM", "CAMEL", "EAGLE", "HORSE", "MOUSE", "OTTER", "SHEEP"};

TEST_F(WordSearchTest, FillAndPlacementNeverLetAListedWordBeReadTwice) {
  Game.SetSize(20, 20);
  for (int Seed = 0; Seed < 12; ++Seed) {
    RandomGenerator::Seed(static_cast<std::uint64_t>(Seed));
    Placer->PlaceEditedList(Animals);
    ASSERT_EQ(Game.Words.size(), Animals.size()) << "seed " << Seed;
    EXPECT_EQ(Placer->FillBlanks(), 0);
    for (int Count : CountEntryReadings(Game)) ASSERT_EQ(Count, 1) << "seed " << Seed;
    ExpectEntriesMatchGrid();
  }
}

TEST_F(WordSearchTest, PlacementDoesNotSpellAnEarlierWordAgain) {
  // In a 4 x 4 grid the A of a new word lands beside an earlier B easily: AB a second time.
  Game.SetSize(4, 4);
  for (int Seed = 0; Seed < 40; ++Seed) {
    RandomGenerator::Seed(static_cast<std::uint64_t>(Seed));
    Placer->PlaceEditedList({"AB", "AC", "AD", "AE"});
    for (int Count : CountEntryReadings(Game)) ASSERT_EQ(Count, 1) << "seed " << Seed;
  }
}

TEST_F(WordSearchTest, WordsEnteredOneByOneDoNotSpellAnEarlierWordAgain) {
  // As above, one Enter at a time; midway the document is emptied from outside (as Open or
  // Undo would), which the placer notices.
  Game.SetSize(4, 4);
  for (int Seed = 0; Seed < 40; ++Seed) {
    RandomGenerator::Seed(static_cast<std::uint64_t>(Seed));
    Placer->DeleteAll();
    for (const char* Word : {"AB", "AC", "AD"}) static_cast<void>(Placer->EnterWord(Word, true));
    Game.ClearGrid();
    Placer->PlacedWords.clear();
    for (const char* Word : {"AD", "AB", "AC"}) static_cast<void>(Placer->EnterWord(Word, true));
    EXPECT_EQ(Placer->FillBlanks(), 0) << "seed " << Seed;
    for (int Count : CountEntryReadings(Game)) ASSERT_EQ(Count, 1) << "seed " << Seed;
  }
}

TEST_F(WordSearchTest, AWordEarlierWordsSpellMovesThereWhenTheFillCannotHideIt) {
  // C, A and T head three words down: the first row reads CAT. CAT entered after them is placed
  // elsewhere; the fill moves its entry onto the row, where the directions allow it, and hides
  // its old letters. Across disabled, one of the three words moves instead, and the row no
  // longer reads CAT.
  for (const bool Across : {true, false}) {
    Game.SetSize(5, 4);
    Game.ClearGrid();
    Game.Words.Clear();
    Placer->PlacedWords.clear();
    if (Across)
      Placer->EnableAll();
    else
      OnlyDirections({1, 2, 3, 5, 6, 7, 8});
    for (const auto& [Word, X] : {std::pair{"CX", 1}, {"AY", 2}, {"TZ", 3}}) {
      Game.SetCell(X, 1, Word[0]);
      Game.SetCell(X, 2, Word[1]);
      Game.Words.Add(std::string(Word) + EmptyChar + PathBytes(X, 1) + PathBytes(X, 2));
      Placer->PlacedWords.push_back(Word);
    }
    ASSERT_TRUE(Placer->EnterWord("CAT", true));
    EXPECT_EQ(Placer->FillBlanks(), 0);
    ExpectEntriesMatchGrid();
    const std::vector<Cell> Row{{1, 1}, {2, 1}, {3, 1}};
    EXPECT_EQ(PathOf(Game.Words.Items().back()) == Row, Across);
    for (int Count : CountEntryReadings(Game)) EXPECT_EQ(Count, 1);
  }
}

TEST_F(WordSearchTest, AReadingWhollyOfOtherWordsMovesOneOfThemWhenTheWordCannotMove) {
  // Row 1 reads CAT across the heads of CX, AY and TZ; CAT's own entry on row 4 lies wholly on
  // the feet of QC, RA and ST, so moving CAT frees nothing. One of the words under row 1 moves.
  Game.SetSize(5, 4);
  Game.ClearGrid();
  const auto Add = [&](const std::string& Word, std::vector<Cell> Cells) {
    std::string Entry = Word + EmptyChar;
    for (std::size_t i = 0; i < Cells.size(); ++i) {
      Game.SetCell(Cells[i].X, Cells[i].Y, Word[i]);
      Entry += PathBytes(Cells[i].X, Cells[i].Y);
    }
    Game.Words.Add(Entry);
    Placer->PlacedWords.push_back(Word);
  };
  for (const auto& [Head, Foot, X] :
       {std::tuple{"CX", "QC", 1}, {"AY", "RA", 2}, {"TZ", "ST", 3}}) {
    Add(Head, {{X, 1}, {X, 2}});
    Add(Foot, {{X, 3}, {X, 4}});
  }
  Add("CAT", {{1, 4}, {2, 4}, {3, 4}});
  EXPECT_EQ(Placer->FillBlanks(), 0);
  EXPECT_TRUE(Game.Modified);
  ASSERT_EQ(Game.Words.size(), 7u);
  ExpectEntriesMatchGrid();
  for (int Count : CountEntryReadings(Game)) EXPECT_EQ(Count, 1);
  EXPECT_EQ(Game.Grid.find(EmptyChar), std::string::npos);
}

TEST(WordReadings, WordsAddedOneByOneFindWhatTheWholeListFinds) {
  std::mt19937 Engine(5);
  std::uniform_int_distribution<int> Letter('A', 'D');
  std::string Grid(30 * 30, EmptyChar);
  for (char& C : Grid) C = static_cast<char>(Letter(Engine));
  std::vector<std::string> Words;
  for (int i = 0; i < 200; ++i) {
    std::string Word(static_cast<std::size_t>(1 + i % 5), 'A');
    for (char& C : Word) C = static_cast<char>(Letter(Engine));
    Words.push_back(Word);
  }
  const WordReadings Whole(Words, 30, 30);
  WordReadings Added({}, 30, 30);
  for (const std::string& Word : Words) Added.Add(Word);
  ASSERT_EQ(Added.WordCount(), Whole.WordCount());
  EXPECT_EQ(Added.Counts(Grid), Whole.Counts(Grid));
}

TEST_F(WordSearchTest, AOneLetterSetFillsAsBeforeAndCountsTheRepeats) {
  Game.SetSize(6, 6);
  Game.ClearGrid();
  ASSERT_TRUE(Placer->EnterWord("AA", true));
  ASSERT_TRUE(Placer->EnterWord("BB", true));
  Game.Letters = "A";
  EXPECT_EQ(Placer->FillBlanks(), 1) << "AA reads all over a grid of A";
  EXPECT_EQ(Game.Grid.find(EmptyChar), std::string::npos);
  EXPECT_GT(CountEntryReadings(Game)[0], 1);
  EXPECT_EQ(CountEntryReadings(Game)[1], 1);
}

TEST_F(WordSearchTest, AGridWiderThanAPathCanRecordTakesNoWordAndAnUnheldSetFillsNothing) {
  // Column 166 would be recorded as a line feed. Such a grid only comes from a file.
  Game.SetSize(200, 3);
  Game.ClearGrid();
  EXPECT_FALSE(Placer->EnterWord("cat", true));
  Placer->PlaceEditedList({"cat", "dog"});
  EXPECT_TRUE(Game.Words.empty());
  ASSERT_EQ(Ui.Messages.size(), 2u) << "the list is refused once";
  EXPECT_NE(Ui.Messages[1].Text.find("200 x 3 is too large"), std::string::npos);

  Game.SetSize(5, 5);
  Game.ClearGrid();
  Game.Letters.clear();  // what a Greek set leaves in code page 1252
  EXPECT_EQ(Placer->FillBlanks(), 0);
  EXPECT_NE(Ui.Messages.back().Text.find("\"English\" has no letter"), std::string::npos);
  EXPECT_EQ(Game.Grid, std::string(25, EmptyChar));
}

}  // namespace
}  // namespace vornic
