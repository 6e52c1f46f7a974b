#include <cstdint>

#include "document/TVornicGame.h"
#include "games/PageData.h"
#include "games/jumble/JumbleDescriptor.h"

namespace vornic {

// The grid's size and each hint as the picture lays it out: the mixed letters in a box over
// columns "from" to "to" - 1 of row "row", then "length" answer boxes. The grid itself holds the
// solution and stays out of the page; each answer is the word's sealed letters.
nlohmann::json JumbleDescriptor::PageData(const TVornicGame& Game, const AnswerSeal& Seal) const {
  nlohmann::json Hints = nlohmann::json::array();
  for (std::size_t i = 1; i < Game.Words.size(); ++i) {
    const std::string& Record = Game.Words[i];
    const SplitWordEntry Parts = SplitEntry(Record);
    if (Parts.After.size() < 3) continue;
    auto Value = [&Record](std::size_t FromEnd) {
      return static_cast<std::uint8_t>(Record[Record.size() - FromEnd]) - PathOffset;
    };
    const int Y = Value(3), A = Value(2), B = Value(1);
    const int Length = static_cast<int>(Parts.Item.size());
    if (A < 1 || B <= A || B + Length - 1 > Game.Settings.Cols || Y < 1 || Y > Game.Settings.Rows)
      continue;
    nlohmann::json Hint = {{"hint", Game.Codes().Decode(Parts.Item)},
                           {"row", Y},
                           {"from", A},
                           {"to", B},
                           {"length", Length}};
    std::vector<GridCell> Answer;
    for (int X = B; X < B + Length; ++X) Answer.push_back({X, Y});
    if (Seal.Checks()) Hint["key"] = Seal.Seal(TypedKey(LettersAlong(Game, Answer)));
    Hints.push_back(std::move(Hint));
  }
  return {{"cols", Game.Settings.Cols}, {"rows", Game.Settings.Rows}, {"hints", std::move(Hints)}};
}

}  // namespace vornic
