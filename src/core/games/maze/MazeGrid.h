#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "games/EntryPath.h"

namespace vornic {

// The maze builder's working grid of W x H cells. A free cell holds EmptyChar, any other byte is
// a letter. A position outside the grid is never free, so it counts as occupied in every test.
//
// The builder scans the grid column by column several times per word, so the cells are kept
// column by column with a frame of occupied cells around them: scans run through memory in
// order and neighbour tests need no range checks.
class MazeGrid {
 public:
  // W x H free cells. Both must be at least 1.
  void Reset(int W, int H);

  int Width() const { return W; }
  int Height() const { return H; }
  bool Inside(int X, int Y) const { return X >= 1 && Y >= 1 && X <= W && Y <= H; }
  bool IsFree(int X, int Y) const { return Inside(X, Y) && Cells[Index(X, Y)] == Free; }
  char Get(int X, int Y) const { return Inside(X, Y) ? Cells[Index(X, Y)] : Frame; }
  // Writes a cell inside the grid; a position outside is ignored.
  void Set(int X, int Y, char C);

  // Where the next word starts: scanning X = 1..W and within each X, Y = 1..H, the first free
  // cell with exactly three occupied neighbours (a dead end); when there is none, the last free
  // cell of the scan; nothing when no cell is free. Starting in dead ends keeps the free area
  // from being cut into pockets that no word can fill.
  std::optional<GridCell> FindStartCell() const;

  // The number of free cells orthogonally reachable from the first free cell of the scan
  // (0 when none is free). Uses an explicit stack: a 2500-cell region would be too deep for
  // recursion.
  int CountFirstFreeRegion() const;
  // True when the free cells form a single region, given that Placed letters fill the rest.
  bool FreeCellsConnected(int Placed) const { return W * H - Placed == CountFirstFreeRegion(); }
  // The same answer, found faster, for free cells that formed one region before the cells of
  // Path were filled: every piece the region could fall into borders the path, so it is enough
  // to walk from one free neighbour of the path until all of them are met. The precondition is
  // the caller's; without it the answer means nothing.
  bool StaysConnectedWithout(const std::vector<GridCell>& Path) const;

  // The cells row by row (Y = 1..H, X = 1..W within a row): the form of a document's Grid.
  std::string Text() const;

  // How many cells the grid's scans, counts and resets have looked at since it was made: the
  // builder's measure of work done, the same on every machine.
  std::uint64_t CellsLookedAt() const { return Looked; }

 private:
  static constexpr char Free = '\x19';  // EmptyChar
  static constexpr char Frame = '\0';

  std::size_t Index(int X, int Y) const {
    return static_cast<std::size_t>(X) * Stride + static_cast<std::size_t>(Y);
  }
  GridCell CellAt(std::size_t I) const {
    return {static_cast<int>(I / Stride), static_cast<int>(I % Stride)};
  }
  // The first free cell of the scan, or 0 when none is free (index 0 is a frame cell).
  std::size_t FirstFree() const;
  // Starts a new round of marks.
  void NextRound() const;

  int W = 0;
  int H = 0;
  std::size_t Stride = 0;  // H + 2: one column with its two frame cells
  std::vector<char> Cells;
  // Free cells per column (index X): scans skip the columns that words have already filled.
  std::vector<int> FreeInColumn;
  // Scratch space of the region count, kept to spare an allocation per count: a cell is
  // counted when its mark equals the current round.
  mutable std::vector<std::uint32_t> Marks;
  mutable std::uint32_t Round = 0;
  mutable std::vector<std::size_t> Pending;
  mutable std::vector<std::size_t> Targets;
  mutable std::uint64_t Looked = 0;
};

}  // namespace vornic
