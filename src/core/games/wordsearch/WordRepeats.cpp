#include "games/wordsearch/WordRepeats.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <set>
#include <utility>

#include "base/FastDivider.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/wordsearch/WordReadings.h"

namespace vornic {
namespace {

std::vector<std::string> EntryWords(const TVornicGame& Game) {
  std::vector<std::string> Words;
  Game.ListWords(Words);
  return Words;
}

// Gives Cell another letter of Choices through which no listed word reads a second time;
// false (the cell as it was) when every letter would. The letters are tried in random order,
// drawn one by one as they are needed.
bool DrawAgain(std::string& Grid, int Cell, std::vector<char>& Choices,
               const WordReadings& Readings) {
  char& Letter = Grid[static_cast<std::size_t>(Cell)];
  const char Was = Letter;
  const int Count = static_cast<int>(Choices.size());
  for (int i = 0; i < Count; ++i) {
    std::swap(Choices[static_cast<std::size_t>(i)],
              Choices[static_cast<std::size_t>(i + RandomGenerator::Uniform(Count - i))]);
    const char Choice = Choices[static_cast<std::size_t>(i)];
    if (Choice == Was) continue;
    Letter = Choice;
    if (!Readings.RepeatThrough(Grid, Cell)) return true;
  }
  Letter = Was;
  return false;
}

// Each letter of the set once.
std::vector<char> DistinctLetters(const std::string& Letters) {
  std::vector<char> Choices;
  std::array<bool, 256> Seen{};
  for (char Letter : Letters)
    if (!std::exchange(Seen[static_cast<std::uint8_t>(Letter)], true)) Choices.push_back(Letter);
  return Choices;
}

// How many listed words the readings are of.
int DistinctWords(const std::vector<WordReadings::Reading>& Readings) {
  std::set<int> Words;
  for (const WordReadings::Reading& Reading : Readings) Words.insert(Reading.Word);
  return static_cast<int>(Words.size());
}

// Draws each empty cell's letter from Letters, every position of it equally likely, as Fill
// Blanks always did; one draw of the generator gives several letters (its range is the number
// of letters to the power of how many fit in it), which keeps the fill of a large grid cheap.
void FillEmptyCells(std::string& Grid, const std::string& Letters) {
  const int Count = static_cast<int>(Letters.size());
  if (Count == 0) return;
  int PerDraw = 1;
  int Range = Count;
  while (PerDraw < 16 && Range <= std::numeric_limits<int>::max() / Count) {
    Range *= Count;
    ++PerDraw;
  }
  const FastDivider ByCount(static_cast<std::uint32_t>(Count));
  int Left = 0;
  std::uint32_t Drawn = 0;
  for (char& Cell : Grid) {
    if (Cell != EmptyChar) continue;
    if (Left == 0) {
      Drawn = static_cast<std::uint32_t>(RandomGenerator::Uniform(Range));
      Left = PerDraw;
    }
    const std::uint32_t Rest = ByCount.Quotient(Drawn);
    Cell = Letters[Drawn - Rest * static_cast<std::uint32_t>(Count)];
    Drawn = Rest;
    --Left;
  }
}

}  // namespace

int FillHidingWords(TVornicGame& Game, const WordReadings& Readings,
                    std::vector<WordReadings::Reading>& Left) {
  Left.clear();
  const int Cols = Game.Settings.Cols;
  if (Game.Grid.size() != std::size_t{Game.Settings.Cols} * Game.Settings.Rows) {
    Game.FillBlanks();  // a grid of another size than the settings is not one to read words in
    return 0;
  }
  const std::string Before = Game.Grid;
  FillEmptyCells(Game.Grid, Game.Letters);

  std::vector<char> Choices = DistinctLetters(Game.Letters);
  // A repair draws a letter through which nothing repeats, so no repair makes a new reading:
  // what is left are the readings that could not be repaired and still read.
  std::vector<int> Filled;
  for (const WordReadings::Reading& Repeat : Readings.Repeats(Game.Grid)) {
    // An earlier repair may have taken this one away already.
    if (!Readings.Reads(Game.Grid, Repeat)) continue;
    // The fill letters of the reading, tried in random order.
    const int Dx = Repeat.Last % Cols - Repeat.First % Cols;
    const int Dy = Repeat.Last / Cols - Repeat.First / Cols;
    const int Length = std::max(std::abs(Dx), std::abs(Dy)) + 1;
    const int Step = Length > 1 ? (Repeat.Last - Repeat.First) / (Length - 1) : 0;
    Filled.clear();
    for (int k = 0; k < Length; ++k) {
      const int Cell = Repeat.First + k * Step;
      if (Before[static_cast<std::size_t>(Cell)] == EmptyChar) Filled.push_back(Cell);
    }
    bool Repaired = false;
    for (int i = static_cast<int>(Filled.size()); i > 0 && !Repaired; --i) {
      std::swap(Filled[static_cast<std::size_t>(i - 1)],
                Filled[static_cast<std::size_t>(RandomGenerator::Uniform(i))]);
      Repaired = DrawAgain(Game.Grid, Filled[static_cast<std::size_t>(i - 1)], Choices, Readings);
    }
    if (!Repaired) Left.push_back(Repeat);
  }
  std::erase_if(Left, [&](const WordReadings::Reading& Repeat) {
    return !Readings.Repeats(Game.Grid, Repeat);
  });
  return DistinctWords(Left);
}

int FillCellsHidingWords(TVornicGame& Game, const WordReadings& Readings,
                         const std::vector<int>& Cells, std::vector<WordReadings::Reading>& Left) {
  std::vector<char> Choices = DistinctLetters(Game.Letters);
  // As in FillHidingWords, a letter drawn again makes no new reading; only where no letter
  // would do can one be made, and then the whole grid is read again.
  bool Unhidden = Choices.empty();
  for (std::size_t i = 0; i < Cells.size() && !Choices.empty(); ++i) {
    const int Cell = Cells[i];
    Game.Grid[static_cast<std::size_t>(Cell)] = Choices[static_cast<std::size_t>(
        RandomGenerator::Uniform(static_cast<int>(Choices.size())))];
    if (Readings.RepeatThrough(Game.Grid, Cell) && !DrawAgain(Game.Grid, Cell, Choices, Readings))
      Unhidden = true;
  }
  if (Unhidden)
    Left = Readings.Repeats(Game.Grid);
  else
    std::erase_if(Left, [&](const WordReadings::Reading& Repeat) {
      return !Readings.Repeats(Game.Grid, Repeat);
    });
  return DistinctWords(Left);
}

std::string RepeatNotice(int Repeating) {
  if (Repeating <= 0) return {};
  return std::to_string(Repeating) +
         (Repeating == 1 ? " word can be read more than once, and the fill cannot hide it"
                         : " words can be read more than once, and the fill cannot hide them") +
         ": a word lies inside another, is spelled by other words along a direction that is not "
         "enabled, or the character set has too few letters.";
}

std::vector<int> CountEntryReadings(const TVornicGame& Game) {
  const std::vector<std::string> Words = EntryWords(Game);
  const WordReadings Readings(Words, Game.Settings.Cols, Game.Settings.Rows);
  const bool Whole = Game.Grid.size() == std::size_t{Game.Settings.Cols} * Game.Settings.Rows;
  const std::vector<int> ByWord = Whole ? Readings.Counts(Game.Grid) : std::vector<int>{};
  std::vector<int> Counts;
  for (const std::string& Word : Words) {
    const int W = Readings.Find(Word);
    Counts.push_back(W >= 0 && Whole ? ByWord[static_cast<std::size_t>(W)] : 0);
  }
  return Counts;
}

}  // namespace vornic
