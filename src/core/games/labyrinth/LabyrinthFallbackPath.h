#pragma once

#include <cstdint>
#include <vector>

#include "games/EntryPath.h"

namespace vornic {

// Main paths for texts that the plain random walk does not lay: on a W x H grid, exactly Length
// cells, each an orthogonal neighbour of the one before, none twice, from a border cell to a
// border cell. Both draw from the program's random generator.

// The largest text every W x H labyrinth holds: two fifths of its cells (at least one letter).
// Up to it, FallbackPath always finds a path, and traps have the other three fifths to fill.
int LargestLabyrinthText(int W, int H);

// A random walk that looks ahead: from a random border cell it steps to a random free
// neighbour, but only to one after which enough free cells stay within reach for the rest of
// the text and a border cell is still reachable in exactly the steps left; where no neighbour
// qualifies it steps back. Gives up (an empty path) once it has looked at WorkLimit cells.
std::vector<GridCell> GuidedWalkPath(int W, int H, int Length, std::int64_t WorkLimit);

// A path that always exists up to LargestLabyrinthText: pairs of rows laid out and back from one
// side of the grid, each pair of a random width, turned to a random side. Empty when Length does
// not fit this way.
std::vector<GridCell> CombPath(int W, int H, int Length);

// The guided walk, and the comb where the walk gives up: empty only for a text longer than
// LargestLabyrinthText that the walk did not lay either.
std::vector<GridCell> FallbackPath(int W, int H, int Length);

}  // namespace vornic
