#include "games/SheetWords.h"

#include "base/TextLines.h"
#include "document/TVornicGame.h"
#include "games/SortedWords.h"

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

// Sorted and split into lines as the clipboard's text is, so that both lists always read alike.
std::vector<std::string> SortedWords(const TVornicGame& Game, std::size_t From) {
  std::vector<std::string> Items = EntryItems(Game, From);
  SortIgnoringCase(Items, Game.Settings.Charset);
  const std::string Text = JoinCrLf(Items);
  std::vector<std::string> Words;
  for (std::size_t Start = 0; Start < Text.size();) {
    const std::size_t End = Text.find("\r\n", Start);
    if (End == std::string::npos) break;
    if (End > Start) Words.push_back(Game.Codes().Decode(Text.substr(Start, End - Start)));
    Start = End + 2;
  }
  return Words;
}

}  // namespace vornic
