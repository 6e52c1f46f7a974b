#pragma once

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

// A word entry split at its first EmptyChar: the item text and what follows it.
struct SplitWordEntry {
  std::string_view Item;
  std::string_view After;  // empty when the entry has no EmptyChar
  bool HasSeparator = false;
};
SplitWordEntry SplitEntry(std::string_view Entry);

// The path bytes of the cells, in order: column + 100, then row + 100, for each cell.
std::string EncodePath(const std::vector<GridCell>& Cells);
// The one reader of path bytes: the first MaxCells cells; a trailing odd byte is ignored. No
// range check: the caller decides what a cell outside its grid means.
std::vector<GridCell> DecodePath(std::string_view Path, std::size_t MaxCells);
// The same, appended to Cells.
void DecodePath(std::string_view Path, std::size_t MaxCells, std::vector<GridCell>& Cells);

}  // namespace vornic
