#include "games/jumble/JumbleText.h"

#include <vector>

#include "document/TVornicGame.h"

namespace vornic {

std::string JumbleAsText(const TVornicGame& Game) {
  std::vector<std::string> Lines;
  Game.ListWords(Lines);
  std::string Text;
  for (std::size_t i = 1; i < Lines.size(); ++i) Text += Lines[i] + "\r\n";
  return Text;
}

}  // namespace vornic
