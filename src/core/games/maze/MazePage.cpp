#include <algorithm>

#include "document/TVornicGame.h"
#include "games/PageData.h"
#include "games/maze/MazeDescriptor.h"

namespace vornic {

// The grid as it is. A word counts when the traced path is the word's own (its letters "@" its
// path), so that the cells left over spell the phrase; the phrase is typed into boxes grouped as
// its words are.
nlohmann::json MazeDescriptor::PageData(const TVornicGame& Game, const AnswerSeal& Seal) const {
  nlohmann::json Data = {{"grid", PageGrid(Game, Game.Grid)}};
  nlohmann::json Marks = nlohmann::json::array();
  for (std::size_t i = 1; i < Game.Words.size(); ++i) {
    const SplitWordEntry Parts = SplitEntry(Game.Words[i]);
    const std::string Word = TypedKey(Game.Codes().Decode(Parts.Item));
    // A path may be recorded from either end: the key takes the one of its two spellings that
    // sorts first.
    const std::vector<GridCell> Path = DecodePath(Parts.After, Parts.Item.size());
    const std::string Way = std::min(PathKey(Path), PathKey({Path.rbegin(), Path.rend()}));
    if (!Word.empty() && Seal.Checks()) Marks.push_back(Seal.Seal(Word + '@' + Way));
  }
  if (Seal.Checks()) Data["marks"] = std::move(Marks);
  if (Game.Words.empty()) return Data;
  const std::string Phrase = Game.Codes().Decode(SplitEntry(Game.Words[0]).Item);
  // One box per character of each word of the phrase (counted in code points).
  nlohmann::json Groups = nlohmann::json::array();
  int Length = 0;
  for (const char C : Phrase + ' ') {
    if (C == ' ') {
      if (Length > 0) Groups.push_back(Length);
      Length = 0;
    } else if ((static_cast<unsigned char>(C) & 0xC0) != 0x80) {
      ++Length;
    }
  }
  Data["phrase"] = {{"groups", std::move(Groups)}};
  if (Seal.Checks()) Data["phrase"]["key"] = Seal.Seal(TypedKey(Phrase));
  return Data;
}

}  // namespace vornic
