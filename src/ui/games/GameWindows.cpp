// The one place of the window layer that lists the games.
#include "ui/games/GameWindows.h"

#include <map>
#include <string>
#include <utility>

#include "ui/games/jumble/TJumbleForm.h"
#include "ui/games/labyrinth/TLabirintForm.h"
#include "ui/games/lostletters/TLostLettersForm.h"
#include "ui/games/maze/TWordMazeForm.h"
#include "ui/games/wordsearch/TVornicForm.h"

namespace vornic::ui {
namespace {

template <typename Window>
std::pair<const std::string, GameWindowFactory> Entry() {
  return {std::string(Window::TypeName),
          [](const Answerers& Answer) -> TGameForm* { return new Window(Answer); }};
}

std::map<std::string, GameWindowFactory, std::less<>>& Factories() {
  static std::map<std::string, GameWindowFactory, std::less<>> Table{
      Entry<TVornicForm>(), Entry<TWordMazeForm>(), Entry<TLabirintForm>(), Entry<TJumbleForm>(),
      Entry<TLostLettersForm>()};
  return Table;
}

}  // namespace

bool HasGameWindow(std::string_view TypeName) {
  const auto Found = Factories().find(TypeName);
  return Found != Factories().end() && Found->second != nullptr;
}

TGameForm* CreateGameWindow(std::string_view TypeName, const Answerers& Answer) {
  if (!HasGameWindow(TypeName)) return nullptr;
  return Factories().find(TypeName)->second(Answer);
}

GameWindowFactory ReplaceGameWindow(std::string_view TypeName, GameWindowFactory Factory) {
  auto Found = Factories().find(TypeName);
  if (Found == Factories().end())
    return std::exchange(Factories()[std::string(TypeName)], std::move(Factory));
  return std::exchange(Found->second, std::move(Factory));
}

}  // namespace vornic::ui
