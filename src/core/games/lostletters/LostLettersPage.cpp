#include "document/TVornicGame.h"
#include "games/PageData.h"
#include "games/lostletters/LostLettersDescriptor.h"

namespace vornic {

// The mixed block as it is, and which answer cells stay blank (a space of the solution, shaded
// in the picture too); the phrase is one answer, its sealed letters.
nlohmann::json LostLettersDescriptor::PageData(const TVornicGame& Game,
                                               const AnswerSeal& Seal) const {
  nlohmann::json Data = {{"grid", PageGrid(Game, Game.Grid)}};
  const std::size_t Cells = std::size_t{Game.Settings.Cols} * Game.Settings.Rows;
  const std::string Solution = Game.Words.empty() ? std::string() : Game.Words[0].substr(0, Cells);
  nlohmann::json Blanks = nlohmann::json::array();
  for (std::size_t i = 0; i < Cells; ++i)
    if (i >= Solution.size() || Solution[i] == ' ') Blanks.push_back(i);
  Data["blanks"] = std::move(Blanks);
  if (Seal.Checks()) Data["key"] = Seal.Seal(TypedKey(Game.Codes().Decode(Solution)));
  return Data;
}

}  // namespace vornic
