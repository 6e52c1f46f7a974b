#include "ui/games/GameWindows.h"

#include <array>
#include <utility>

#include "ui/games/jumble/TJumbleForm.h"
#include "ui/games/labyrinth/TLabirintForm.h"
#include "ui/games/lostletters/TLostLettersForm.h"
#include "ui/games/maze/TWordMazeForm.h"
#include "ui/games/wordsearch/TVornicForm.h"

namespace vornic::ui {
namespace {

template <typename Window>
TGameForm* Make(const Answerers& Answer) {
  return new Window(Answer);
}

// Index Tag - 1; a game's window joins by filling its row.
std::array<GameWindowFactory, 5>& Factories() {
  static std::array<GameWindowFactory, 5> Table{{
      &Make<TVornicForm>,       // 1 word search
      &Make<TWordMazeForm>,     // 2 word maze
      &Make<TLabirintForm>,     // 3 word labyrinth
      &Make<TJumbleForm>,       // 4 jumbled text
      &Make<TLostLettersForm>,  // 5 lost letters
  }};
  return Table;
}

bool InTable(int Tag) {
  return Tag >= 1 && Tag <= static_cast<int>(Factories().size());
}

}  // namespace

bool HasGameWindow(int Tag) {
  return InTable(Tag) && Factories()[static_cast<std::size_t>(Tag - 1)] != nullptr;
}

TGameForm* CreateGameWindow(int Tag, const Answerers& Answer) {
  if (!HasGameWindow(Tag)) return nullptr;
  return Factories()[static_cast<std::size_t>(Tag - 1)](Answer);
}

GameWindowFactory ReplaceGameWindow(int Tag, GameWindowFactory Factory) {
  if (!InTable(Tag)) return {};
  return std::exchange(Factories()[static_cast<std::size_t>(Tag - 1)], std::move(Factory));
}

}  // namespace vornic::ui
