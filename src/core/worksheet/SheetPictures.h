#pragma once

namespace vornic {

class TVornicGame;

// The two pictures of a worksheet, recorded into the document's picture (sized first), for any
// of the five games; a game without its own case draws as the word search does.

// The puzzle as handed out: nothing of the solution shows (no highlight, no path, no answers).
void RecordPuzzleView(TVornicGame& Game);

// The answer key, everything the solver looks for at once: the word search with a line through
// every word, the maze with its phrase highlighted and every word traced, the labyrinth with
// path and traps, the jumble and lost letters with their solution. Marks are red, or blue when
// the letters are red, as a highlighted word is.
void RecordAnswerKey(TVornicGame& Game);

}  // namespace vornic
