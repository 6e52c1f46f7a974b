#pragma once

#include "games/SheetParts.h"

namespace vornic {

class TVornicGame;

// What the document's game prints beside its pictures (GameDescriptor::Sheet); nothing for a
// document of no known game.
SheetParts NotesFor(const TVornicGame& Game);

}  // namespace vornic
