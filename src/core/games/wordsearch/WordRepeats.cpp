#include "games/wordsearch/WordRepeats.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <set>
#include <utility>

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

// How many listed words can be read more than once.
int RepeatingWords(const WordReadings& Readings, const std::string& Grid) {
  std::set<int> Repeating;
  for (const WordReadings::Reading& Repeat : Readings.Repeats(Grid)) Repeating.insert(Repeat.Word);
  return static_cast<int>(Repeating.size());
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
  int Left = 0, Drawn = 0;
  for (char& Cell : Grid) {
    if (Cell != EmptyChar) continue;
    if (Left == 0) {
      Drawn = RandomGenerator::Uniform(Range);
      Left = PerDraw;
    }
    Cell = Letters[static_cast<std::size_t>(Drawn % Count)];
    Drawn /= Count;
    --Left;
  }
}

}  // namespace

int FillHidingWords(TVornicGame& Game, const WordReadings& Readings) {
  const int Cols = Game.Settings.Cols;
  if (Game.Grid.size() != std::size_t{Game.Settings.Cols} * Game.Settings.Rows) {
    Game.FillBlanks();  // a grid of another size than the settings is not one to read words in
    return 0;
  }
  const std::string Before = Game.Grid;
  FillEmptyCells(Game.Grid, Game.Letters);

  std::vector<char> Choices = DistinctLetters(Game.Letters);
  // A repair draws a letter through which nothing repeats, so only a reading that could not be
  // repaired can be left: without one, no second scan is needed.
  bool Unrepaired = false;
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
    Unrepaired = Unrepaired || !Repaired;
  }
  return Unrepaired ? RepeatingWords(Readings, Game.Grid) : 0;
}

int FillCellsHidingWords(TVornicGame& Game, const WordReadings& Readings,
                         const std::vector<int>& Cells) {
  std::vector<char> Choices = DistinctLetters(Game.Letters);
  if (Choices.empty()) return RepeatingWords(Readings, Game.Grid);
  for (int Cell : Cells) {
    Game.Grid[static_cast<std::size_t>(Cell)] = Choices[static_cast<std::size_t>(
        RandomGenerator::Uniform(static_cast<int>(Choices.size())))];
    if (Readings.RepeatThrough(Game.Grid, Cell)) DrawAgain(Game.Grid, Cell, Choices, Readings);
  }
  return RepeatingWords(Readings, Game.Grid);
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
