#include "games/wordsearch/WordRepeats.h"

#include <array>
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

template <typename T>
void Shuffle(std::vector<T>& Items) {
  for (int i = static_cast<int>(Items.size()) - 1; i > 0; --i)
    std::swap(Items[static_cast<std::size_t>(i)],
              Items[static_cast<std::size_t>(RandomGenerator::Uniform(i + 1))]);
}

// Gives Cell another letter of Choices through which no listed word reads a second time;
// false (the cell as it was) when every letter would.
bool DrawAgain(std::string& Grid, int Cell, std::vector<char> Choices,
               const WordReadings& Readings) {
  char& Letter = Grid[static_cast<std::size_t>(Cell)];
  const char Was = Letter;
  Shuffle(Choices);
  for (char Choice : Choices) {
    if (Choice == Was) continue;
    Letter = Choice;
    if (!Readings.RepeatThrough(Grid, Cell)) return true;
  }
  Letter = Was;
  return false;
}

}  // namespace

int FillHidingWords(TVornicGame& Game, const std::vector<std::string>& Words) {
  const std::string Before = Game.Grid;
  Game.FillBlanks();
  std::vector<std::string> Listed = Words;
  for (std::string& Word : EntryWords(Game)) Listed.push_back(std::move(Word));
  WordReadings Readings(Listed, Game.Settings.Cols, Game.Settings.Rows);
  Readings.AllowEntries(Game.Words);

  std::vector<char> Choices;
  std::array<bool, 256> Seen{};
  for (char Letter : Game.Letters)
    if (!std::exchange(Seen[static_cast<std::uint8_t>(Letter)], true)) Choices.push_back(Letter);
  const int Cols = Game.Settings.Cols;
  for (const WordReadings::Reading& Repeat : Readings.Repeats(Game.Grid)) {
    // An earlier repair may have taken this one away already.
    if (!Readings.Reads(Game.Grid, Repeat)) continue;
    // The fill letters of the reading, tried in random order.
    const int Dx = Repeat.Last % Cols - Repeat.First % Cols;
    const int Dy = Repeat.Last / Cols - Repeat.First / Cols;
    const int Length = std::max(std::abs(Dx), std::abs(Dy)) + 1;
    const int Step = Length > 1 ? (Repeat.Last - Repeat.First) / (Length - 1) : 0;
    std::vector<int> Filled;
    for (int k = 0; k < Length; ++k) {
      const int Cell = Repeat.First + k * Step;
      if (Before[static_cast<std::size_t>(Cell)] == EmptyChar) Filled.push_back(Cell);
    }
    Shuffle(Filled);
    for (int Cell : Filled)
      if (DrawAgain(Game.Grid, Cell, Choices, Readings)) break;
  }

  std::set<int> Repeating;
  for (const WordReadings::Reading& Repeat : Readings.Repeats(Game.Grid))
    Repeating.insert(Repeat.Word);
  return static_cast<int>(Repeating.size());
}

std::string RepeatNotice(int Repeating) {
  if (Repeating <= 0) return {};
  return std::to_string(Repeating) + (Repeating == 1 ? " word" : " words") +
         " can be read more than once: the character set has too few letters to hide every "
         "second reading.";
}

std::vector<int> CountEntryReadings(const TVornicGame& Game) {
  const std::vector<std::string> Words = EntryWords(Game);
  const WordReadings Readings(Words, Game.Settings.Cols, Game.Settings.Rows);
  std::vector<int> Counts;
  for (const std::string& Word : Words)
    Counts.push_back(Game.Grid.size() == std::size_t{Game.Settings.Cols} * Game.Settings.Rows
                         ? Readings.Count(Game.Grid, Word)
                         : 0);
  return Counts;
}

}  // namespace vornic
