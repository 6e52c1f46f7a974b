#pragma once

#include <vector>

#include "games/EntryPath.h"

namespace vornic {

// A path through every cell of a W x H grid, each step to an orthogonal neighbour, that turns at
// about two of three inner cells: about as often as the words of the walking maze builder do,
// so that words cut from it bend like theirs. (A path laid row by row hardly turns and gives
// its words away.)
//
// Made from a row-by-row path by random "backbite" moves: an end of the path steps to a
// neighbouring cell of the path and the piece between is turned round. Every move keeps a
// path through all cells; moves that straighten the path are taken less often than those that
// bend it. Draws from the program's random generator. W and H at least 1.
std::vector<GridCell> TwistedPath(int W, int H);

// How often the words of a maze turn: of the inner letters of all words (all but the first and
// the last letter of each), how many sit where the word turns a corner.
struct TurnTally {
  long long Turns = 0;
  long long Inner = 0;
  double Share() const {
    return Inner == 0 ? 0.0 : static_cast<double>(Turns) / static_cast<double>(Inner);
  }
};
// Adds the turns of a path in letter order.
void CountTurns(const std::vector<GridCell>& Path, TurnTally& Tally);

}  // namespace vornic
