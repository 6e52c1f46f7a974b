#pragma once

#include <cstddef>
#include <string>

#include "games/SheetParts.h"
#include "picture/DrawTypes.h"

namespace vornic {

class TVornicGame;

// The colour an answer key marks words in: red, or blue when the letters are red.
TColor MarkColor(const TVornicGame& Game);

// Marks entries From onwards on the open canvas, in MarkColor: a line through the centres of
// each word's cells, or a rounded outline around it. Drawn before the letters, so that the
// letters lie on top and stay readable. A path stops at its first cell outside the grid.
void DrawWordMarks(TVornicGame& Game, std::size_t From, KeyStyle Style);

// Opens the picture's recording for an answer key: the grid's background, entries From onwards
// marked in Style, then Cells (a grid of the document's size) in the document's font on top.
// The caller may draw more and ends the recording.
void BeginMarkedGrid(TVornicGame& Game, std::size_t From, KeyStyle Style, const std::string& Cells);

}  // namespace vornic
