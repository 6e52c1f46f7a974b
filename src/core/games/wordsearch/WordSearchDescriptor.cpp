#include "games/wordsearch/WordSearchDescriptor.h"

#include "document/TVornicGame.h"
#include "games/GameTable.h"
#include "games/wordsearch/WordListText.h"
#include "games/wordsearch/WordSearchPlacer.h"

namespace vornic {

const GameInfo& WordSearchDescriptor::Info() const {
  return *FindGameByTypeName(GameTypeName::WordSearch);
}

bool WordSearchDescriptor::Draw(TVornicGame& Game, const GameView& View) const {
  if (!HighlightFits(Game, View.Highlight)) return false;
  ResizeImage(Game);
  if (View.Highlight < 0)
    Game.DrawGrid(true);
  else
    static_cast<void>(Game.ShowWord(View.Highlight));  // refuses only a negative index
  return true;
}

std::optional<std::string> WordSearchDescriptor::CopyWords(const TVornicGame& Game) const {
  // The list as it stands, in entry order; an entry without a path copies whole.
  std::vector<std::string> Words;
  for (const std::string& Entry : Game.Words) Words.emplace_back(SplitEntry(Entry).Item);
  return WordListText(Words);
}

bool WordSearchDescriptor::Build(TVornicGame& Game, const GameInput& Input) const {
  if (!Game.SetSize(Input.Cols.value_or(StartCols), Input.Rows.value_or(StartRows)) || !Game.New())
    return false;
  WordSearchPlacer Placer(Game);
  Placer.PlaceEditedList(Input.Words);
  if (Input.Fill) Placer.FillBlanks();
  return Placer.ListBox1.size() == Input.Words.size();
}

}  // namespace vornic
