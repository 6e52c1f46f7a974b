#pragma once

#include <optional>

#include "games/EntryPath.h"

namespace vornic {

class TVornicGame;

// What the labyrinth picture shows: the window's four check boxes.
struct LabyrinthView {
  bool Path = true;   // the main path, red
  bool Traps = true;  // the traps, green, under the main path
  bool Text = false;  // the letters
  bool Start =
      true;  // the start cell filled in the line colour, its letter in the background colour

  // The window's state when it opens.
  static LabyrinthView Initial() { return {}; }
  // The puzzle as handed out: letters and start mark, no lines.
  static LabyrinthView Puzzle() { return {false, false, true, true}; }
  // The solution: everything.
  static LabyrinthView All() { return {true, true, true, true}; }
};

// The start cell a saved labyrinth gives back: the first cell of entry 0. Nothing when there is
// no entry, entry 0 has no complete cell pair, or that cell lies outside the grid.
std::optional<GridCell> StartCellFromDocument(const TVornicGame& Game);

// Records the labyrinth picture into the document's picture, replacing what it held: the
// background, then the traps, the main path over them, the letters, and the start mark on
// Start (when given, inside the grid and the document has entries). Entries with damaged paths
// draw what is valid.
void DoPaint(TVornicGame& Game, const LabyrinthView& View, std::optional<GridCell> Start);

}  // namespace vornic
