#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/WordEntry.h"

namespace vornic {

// The orthogonal neighbour in direction D: 0 left, 1 up, 2 right, 3 down.
inline GridCell NeighbourCell(GridCell From, int D) {
  switch (D) {
    case 0:
      return {From.X - 1, From.Y};
    case 1:
      return {From.X, From.Y - 1};
    case 2:
      return {From.X + 1, From.Y};
    default:
      return {From.X, From.Y + 1};
  }
}

// Refuses control bytes (IsControlByte) in text meant for a grid. Returns the message naming
// What ("The phrase", "The word \"...\"") and the code, or nothing when all is well.
std::optional<std::string> RefuseControlCharacters(std::string_view Text, const std::string& What);

// Refuses to record word paths in a grid wider or taller than MaxPathSide (a path byte holds a
// coordinate plus PathOffset; a larger one would wrap onto a line break or the empty-cell mark
// and break the entry). Such a grid can only come from a file, which still loads. Returns the
// message naming the size, or nothing when the grid can record its words.
std::optional<std::string> RefuseUnrecordableGrid(int Cols, int Rows);

}  // namespace vornic
