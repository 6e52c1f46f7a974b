#include "games/SheetWords.h"

#include "document/TVornicGame.h"
#include "games/maze/MazeGame.h"

namespace vornic {
namespace {

std::vector<std::string> EntryItems(const TVornicGame& Game, std::size_t From) {
  std::vector<std::string> Items;
  for (std::size_t i = From; i < Game.Words.size(); ++i) {
    const std::string_view Item = SplitEntry(Game.Words[i]).Item;
    if (!Item.empty()) Items.emplace_back(Item);
  }
  return Items;
}

}  // namespace

std::vector<std::string> PlacedWords(const TVornicGame& Game, std::size_t From) {
  std::vector<std::string> Words = EntryItems(Game, From);
  for (std::string& Word : Words) Word = Game.Codes().Decode(Word);
  return Words;
}

// Taken from the clipboard text itself, so that both lists always sort alike.
std::vector<std::string> SortedWords(const TVornicGame& Game, std::size_t From) {
  MazeInput Input;
  Input.Words = EntryItems(Game, From);
  const std::string Text = MazeWordsText(Input, Game.Settings.Charset);
  std::vector<std::string> Words;
  std::size_t Start = Text.find("\r\n\r\n");
  if (Start == std::string::npos) return Words;
  for (Start += 4; Start < Text.size();) {
    const std::size_t End = Text.find("\r\n", Start);
    if (End == std::string::npos) break;
    if (End > Start) Words.push_back(Game.Codes().Decode(Text.substr(Start, End - Start)));
    Start = End + 2;
  }
  return Words;
}

}  // namespace vornic
