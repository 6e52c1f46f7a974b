#pragma once

#include "games/SolverNotes.h"

namespace vornic {

class TVornicGame;

// The notes of the document's game (its descriptor's Notes); none for a document of no known
// game.
SolverNotes NotesFor(const TVornicGame& Game);

}  // namespace vornic
