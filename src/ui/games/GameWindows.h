#pragma once

#include <functional>
#include <string_view>

#include "ui/app/Answerers.h"

namespace vornic::ui {

class TGameForm;

// The game windows by the game's type name: one factory per game of the core's game table. A
// game without a window has none: the launcher shows its item disabled, and opening one of its
// files says that it cannot.

// Makes a new window of one game: not yet shown, owned by the caller, start-up done (an
// untitled document).
using GameWindowFactory = std::function<TGameForm*(const Answerers&)>;

bool HasGameWindow(std::string_view TypeName);
// A new window of the game; null for a game without a window.
TGameForm* CreateGameWindow(std::string_view TypeName, const Answerers& Answer);
// Puts Factory (empty: none) in the place of the game's window and returns what was there, so
// that a caller can put it back.
GameWindowFactory ReplaceGameWindow(std::string_view TypeName, GameWindowFactory Factory);

}  // namespace vornic::ui
