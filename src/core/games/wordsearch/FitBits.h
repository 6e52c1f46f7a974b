#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vornic {

// A word search grid as bit sets, one bit a cell row by row: the free cells, and the cells of
// each letter. Every place where a word fits along a direction then comes out of a few word
// operations per 64 cells and letter, however full the grid is, so a word that fits nowhere is
// known to at once.
class FitBits {
 public:
  // Describes Grid (GridCols x GridRows bytes); costs nothing when it is the grid described last.
  void Describe(const std::string& Grid, int GridCols, int GridRows);
  // Notes that a free cell of the grid described now holds Letter, so that the next Describe of
  // that grid costs nothing.
  void Write(int Cell, char Letter);
  // Adds to Starts the start cell of every place where Word fits along (Dx, Dy) inside the
  // grid: each cell free or holding the word's letter (free without Intersect), one at least
  // free.
  void List(const std::string& Word, int Dx, int Dy, bool Intersect, std::vector<int>& Starts);

 private:
  int Cols = 0;
  int Rows = 0;
  std::size_t Words = 0;  // 64-bit words a set
  std::string Seen;
  std::vector<std::uint64_t> Free;
  std::vector<std::uint64_t> Letters;  // 256 sets, by byte
  std::vector<std::uint64_t> All, Any, Shifted, Usable;
};

}  // namespace vornic
