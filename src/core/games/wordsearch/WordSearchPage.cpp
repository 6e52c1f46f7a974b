#include "document/TVornicGame.h"
#include "games/PageData.h"
#include "games/wordsearch/WordSearchDescriptor.h"

namespace vornic {

// The grid as it is; a word is found by marking a straight line whose letters read it either
// way, so each entry's key is its word alone (the list shows the words anyway).
nlohmann::json WordSearchDescriptor::PageData(const TVornicGame& Game,
                                              const AnswerSeal& Seal) const {
  nlohmann::json Data = {{"grid", PageGrid(Game, Game.Grid)}};
  if (!Seal.Checks()) return Data;
  nlohmann::json Marks = nlohmann::json::array();
  for (const std::string& Entry : Game.Words) {
    const std::string Key = TypedKey(Game.Codes().Decode(SplitEntry(Entry).Item));
    if (!Key.empty()) Marks.push_back(Seal.Seal(Key));
  }
  Data["marks"] = std::move(Marks);
  return Data;
}

}  // namespace vornic
