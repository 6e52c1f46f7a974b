#include "games/wordsearch/FitBits.h"

#include <bit>

#include "base/EmptyChar.h"

namespace vornic {
namespace {

// Out[s] = In[s + N]: bit s of the result tells about the cell N cells on (none past the end).
void ShiftDown(const std::uint64_t* In, std::size_t Words, std::size_t N, std::uint64_t* Out) {
  const std::size_t Skip = N / 64, Bits = N % 64;
  for (std::size_t i = 0; i < Words; ++i) {
    const std::uint64_t Low = i + Skip < Words ? In[i + Skip] : 0;
    const std::uint64_t High = i + Skip + 1 < Words ? In[i + Skip + 1] : 0;
    Out[i] = Bits == 0 ? Low : Low >> Bits | High << (64 - Bits);
  }
}

}  // namespace

void FitBits::Describe(const std::string& Grid, int GridCols, int GridRows) {
  if (Cols == GridCols && Rows == GridRows && Grid == Seen) return;
  Cols = GridCols;
  Rows = GridRows;
  Seen = Grid;
  Words = (Grid.size() + 63) / 64;
  Free.assign(Words, 0);
  Letters.assign(256 * Words, 0);
  for (std::size_t Cell = 0; Cell < Grid.size(); ++Cell) {
    const std::uint64_t Bit = std::uint64_t{1} << (Cell % 64);
    if (Grid[Cell] == EmptyChar)
      Free[Cell / 64] |= Bit;
    else
      Letters[static_cast<std::uint8_t>(Grid[Cell]) * Words + Cell / 64] |= Bit;
  }
}

void FitBits::Write(int Cell, char Letter) {
  const auto At = static_cast<std::size_t>(Cell);
  if (At >= Seen.size() || Seen[At] != EmptyChar) return;
  Seen[At] = Letter;
  const std::uint64_t Bit = std::uint64_t{1} << (At % 64);
  Free[At / 64] &= ~Bit;
  Letters[static_cast<std::uint8_t>(Letter) * Words + At / 64] |= Bit;
}

void FitBits::List(const std::string& Word, int Dx, int Dy, bool Intersect,
                   std::vector<int>& Starts) {
  const int Length = static_cast<int>(Word.size());
  if (Length == 0 || Words == 0) return;
  // Along a backward step the word is its reverse along the forward one.
  const bool Backward = Dy < 0 || (Dy == 0 && Dx < 0);
  const int StepX = Backward ? -Dx : Dx, StepY = Backward ? -Dy : Dy;
  const int Step = StepY * Cols + StepX;
  All.assign(Words, ~std::uint64_t{0});
  Any.assign(Words, 0);
  Shifted.resize(Words);
  Usable.resize(Words);
  for (int k = 0; k < Length; ++k) {
    const auto Offset = static_cast<std::size_t>(k * Step);
    // The k-th cell of each place: free, or holding the word's k-th letter.
    ShiftDown(Free.data(), Words, Offset, Shifted.data());
    for (std::size_t i = 0; i < Words; ++i) Any[i] |= Shifted[i];
    if (Intersect) {
      const auto Letter =
          static_cast<std::uint8_t>(Word[static_cast<std::size_t>(Backward ? Length - 1 - k : k)]);
      const std::uint64_t* Cells = Letters.data() + Letter * Words;
      for (std::size_t i = 0; i < Words; ++i) Usable[i] = Free[i] | Cells[i];
      ShiftDown(Usable.data(), Words, Offset, Shifted.data());
    }
    for (std::size_t i = 0; i < Words; ++i) All[i] &= Shifted[i];
  }
  for (std::size_t i = 0; i < Words; ++i)
    for (std::uint64_t Bits = All[i] & Any[i]; Bits != 0; Bits &= Bits - 1) {
      const int Cell = static_cast<int>(i * 64) + std::countr_zero(Bits);
      const int X = Cell % Cols, Y = Cell / Cols, EndX = X + (Length - 1) * StepX;
      // A place that would run off the grid's side or bottom.
      if (Y + (Length - 1) * StepY >= Rows || EndX < 0 || EndX >= Cols) continue;
      Starts.push_back(Backward ? Cell + (Length - 1) * Step : Cell);
    }
}

}  // namespace vornic
