#pragma once

namespace vornic {

class TVornicGame;

// The two pictures of a worksheet, recorded into the document's picture (sized first) by the
// document's game (its descriptor). A document of no known game draws its plain grid.

// The puzzle as handed out: nothing of the solution shows (no highlight, no path, no answers).
void RecordPuzzleView(TVornicGame& Game);

// The answer key, everything the solver looks for at once.
void RecordAnswerKey(TVornicGame& Game);

}  // namespace vornic
