#include "worksheet/SolverNotes.h"

#include "document/TVornicGame.h"
#include "games/GameTable.h"
#include "games/maze/MazeGame.h"

namespace vornic {
namespace {

// The words in the maze's clipboard order (the user's locale, letter case ignored), taken from
// the clipboard text so that both lists always sort alike.
std::vector<std::string> SortedWords(const MazeInput& Input, const TVornicGame& Game) {
  const std::string Text = MazeWordsText(Input, Game.Settings.Charset);
  std::vector<std::string> Words;
  std::size_t Start = Text.find("\r\n\r\n");
  if (Start == std::string::npos) return Words;
  for (Start += 4; Start < Text.size();) {
    const std::size_t End = Text.find("\r\n", Start);
    if (End == std::string::npos) break;
    // An entry without a word (a damaged one) has nothing to look for.
    if (End > Start) Words.push_back(Game.Codes().Decode(Text.substr(Start, End - Start)));
    Start = End + 2;
  }
  return Words;
}

std::string Blanks(const std::string& Phrase) {
  std::string Result;
  for (const char C : Phrase) Result += C == ' ' ? "  " : "_ ";
  while (!Result.empty() && Result.back() == ' ') Result.pop_back();
  return Result;
}

}  // namespace

SolverNotes NotesFor(const TVornicGame& Game) {
  SolverNotes Notes;
  if (Game.GameName == GameTypeName::WordSearch) {
    MazeInput Input;
    Game.ListWords(Input.Words);
    Notes.Words = SortedWords(Input, Game);
  } else if (Game.GameName == GameTypeName::WordMaze) {
    const MazeInput Input = MazeInputFromDocument(Game);
    Notes.Words = SortedWords(Input, Game);
    Notes.PhraseBlanks = Blanks(Input.Phrase);
  }
  return Notes;
}

}  // namespace vornic
