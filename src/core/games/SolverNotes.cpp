#include "games/SolverNotes.h"

#include "base/TextLines.h"
#include "document/TVornicGame.h"
#include "games/SortedWords.h"

namespace vornic {

std::vector<std::string> NoteWords(std::vector<std::string> Words, const TVornicGame& Game) {
  SortIgnoringCase(Words, Game.Settings.Charset);
  // Split as the clipboard's lines are, so that both lists always read alike.
  const std::string Text = JoinCrLf(Words);
  std::vector<std::string> Lines;
  for (std::size_t Start = 0; Start < Text.size();) {
    const std::size_t End = Text.find("\r\n", Start);
    if (End == std::string::npos) break;
    if (End > Start) Lines.push_back(Game.Codes().Decode(Text.substr(Start, End - Start)));
    Start = End + 2;
  }
  return Lines;
}

}  // namespace vornic
