#pragma once

#include "games/SheetParts.h"

namespace vornic {

class TVornicGame;

// The two pictures of a worksheet, recorded into the document's picture (sized first) by the
// document's game (GameDescriptor::RecordSheet). A document of no known game draws nothing.

// The puzzle as handed out: nothing of the solution shows (no highlight, no path, no answers).
void RecordPuzzleView(TVornicGame& Game);

// The answer key, everything the solver looks for at once: the word search and the maze with
// every word marked in Style (the maze's phrase highlighted too), the labyrinth with path and
// traps, the jumble and lost letters with their solution.
void RecordAnswerKey(TVornicGame& Game, KeyStyle Style = KeyStyle::Lines);

}  // namespace vornic
