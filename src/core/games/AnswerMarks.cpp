#include "games/AnswerMarks.h"

#include "document/TVornicGame.h"

namespace vornic {

TColor MarkColor(const TVornicGame& Game) {
  return Game.Settings.FontColor == clRed ? clBlue : clRed;
}

void DrawWordLines(TVornicGame& Game, std::size_t From) {
  for (std::size_t i = From; i < Game.Words.size(); ++i)
    Game.DrawWordLine(static_cast<int>(i), MarkColor(Game));
}

}  // namespace vornic
