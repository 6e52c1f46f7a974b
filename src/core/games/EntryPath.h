#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {

// A cell of a grid; X is the column and Y the row, both counted from 1.
struct GridCell {
  int X = 0;
  int Y = 0;
  bool operator==(const GridCell&) const = default;
};

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

// A word entry split at its first EmptyChar: the item text and what follows it.
struct SplitWordEntry {
  std::string_view Item;
  std::string_view After;  // empty when the entry has no EmptyChar
  bool HasSeparator = false;
};
SplitWordEntry SplitEntry(std::string_view Entry);

// The path bytes of the cells, in order: column + 100, then row + 100, for each cell.
std::string EncodePath(const std::vector<GridCell>& Cells);
// The first MaxCells cells of path bytes; a trailing odd byte is ignored. No range check: the
// caller decides what a cell outside its grid means.
std::vector<GridCell> DecodePath(std::string_view Path, std::size_t MaxCells);

// Refuses bytes below 32 in text meant for a grid: they would read as cell markers (the empty
// cell, the labyrinth's outside or offset markers) or break the game file's lines. Returns the
// message naming What ("The phrase", "The word \"...\"") and the code, or nothing when all is
// well. Text is in any single-byte code page; only the control range is looked at.
std::optional<std::string> RefuseControlCharacters(std::string_view Text, const std::string& What);

}  // namespace vornic
