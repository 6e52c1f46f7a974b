#include "games/wordsearch/WordSearchDescriptor.h"

#include "document/TVornicGame.h"
#include "games/wordsearch/WordListText.h"
#include "games/wordsearch/WordRepeats.h"
#include "games/wordsearch/WordSearchPlacer.h"

namespace vornic {

bool WordSearchDescriptor::Draw(TVornicGame& Game, const GameView& View) const {
  const int Highlight = OwnOptions<WordSearchView>(View).Highlight;
  if (!HighlightFits(Game, Highlight)) return false;
  ResizeImage(Game);
  if (Highlight < 0)
    Game.DrawGrid(true);
  else
    static_cast<void>(Game.ShowWord(Highlight));  // refuses only a negative index
  return true;
}

std::optional<std::vector<int>> WordSearchDescriptor::EntryReadings(const TVornicGame& Game) const {
  return CountEntryReadings(Game);
}

std::optional<std::string> WordSearchDescriptor::CopyWords(const TVornicGame& Game) const {
  // The list as it stands, in entry order; an entry without a path copies whole.
  std::vector<std::string> Words;
  for (const std::string& Entry : Game.Words) Words.emplace_back(SplitEntry(Entry).Item);
  return WordListText(Words);
}

bool WordSearchDescriptor::StartPuzzle(TVornicGame& Game, const GameInput& Given) const {
  const WordSearchInput& Input = OwnOptions<WordSearchInput>(Given);
  return Game.SetSize(Input.Cols.value_or(StartCols), Input.Rows.value_or(StartRows)) && Game.New();
}

bool WordSearchDescriptor::BuildInto(TVornicGame& Game, const GameInput& Given) const {
  const WordSearchInput& Input = OwnOptions<WordSearchInput>(Given);
  WordSearchPlacer Placer(Game);
  Placer.PlaceEditedList(Input.Words);
  if (Input.Fill) Placer.FillBlanks();
  return Placer.PlacedWords.size() == Input.Words.size();
}

std::unique_ptr<GameInput> WordSearchDescriptor::InputOfWords(
    const std::vector<std::string>& Words) const {
  auto Input = std::make_unique<WordSearchInput>();
  Input->Words = Words;
  return Input;
}

}  // namespace vornic
