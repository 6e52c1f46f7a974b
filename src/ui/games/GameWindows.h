#pragma once

#include <functional>

#include "ui/app/Answerers.h"

namespace vornic::ui {

class TGameForm;

// The game windows by the Tag of the game table. A game whose window is not built yet has none:
// the launcher shows its item disabled, and opening one of its files says that it cannot.

// Makes a new window of one game: not yet shown, owned by the caller, start-up done (an
// untitled document).
using GameWindowFactory = std::function<TGameForm*(const Answerers&)>;

bool HasGameWindow(int Tag);
// A new window of the game; null for a Tag outside 1 to 5 or a game without a window.
TGameForm* CreateGameWindow(int Tag, const Answerers& Answer);
// Puts Factory (empty: none) in the place of the game's window and returns what was there, so
// that a caller can put it back. A Tag outside 1 to 5 changes nothing.
GameWindowFactory ReplaceGameWindow(int Tag, GameWindowFactory Factory);

}  // namespace vornic::ui
