#include "games/jumble/JumbleText.h"

#include <vector>

#include "base/TextLines.h"
#include "document/TVornicGame.h"

namespace vornic {

std::string JumbleAsText(const TVornicGame& Game) {
  std::vector<std::string> Lines;
  Game.ListWords(Lines);
  if (!Lines.empty()) Lines.erase(Lines.begin());  // line 0 is the text itself
  return JoinCrLf(Lines);
}

}  // namespace vornic
