#include "games/maze/MazeTwistedPath.h"

#include <algorithm>
#include <utility>

#include "base/RandomGenerator.h"

namespace vornic {
namespace {

// Moves per cell: enough for the bends to reach every part of a 50 x 50 grid (measured: the
// least bent tenth of the grid still turns at more than half its cells).
constexpr long long MovesPerCell = 30;
// Beyond the largest grid the window offers, more cells get no more moves: the time stays
// bounded and such grids are only less bent.
constexpr long long MaxMoves = MovesPerCell * 2500;
// A move that costs the path one turn is taken with this chance in thousandths (two turns:
// its square). At 1000 the path turns at about six of ten inner cells, at 800 at about two of
// three, as walked words do; lower values bend it more.
constexpr int StraighteningPermille = 800;

class Backbite {
 public:
  Backbite(int Width, int Height) : W(Width), H(Height) {
    const int Count = W * H;
    Order.reserve(static_cast<std::size_t>(Count));
    // Line by line, every other line backwards, across the shorter side: in a narrow strip the
    // moves bend a long way only slowly, and short lines turn often from the start.
    const bool ByRows = W == H ? RandomGenerator::Uniform(2) == 0 : W < H;
    const int Lines = ByRows ? H : W, Along = ByRows ? W : H;
    for (int Line = 0; Line < Lines; ++Line)
      for (int i = 0; i < Along; ++i) {
        const int Step = Line % 2 == 0 ? i : Along - 1 - i;
        Order.push_back(ByRows ? Line * W + Step : Step * W + Line);
      }
    Where.resize(Order.size());
    for (int i = 0; i < Count; ++i) Where[static_cast<std::size_t>(Order[Index(i)])] = i;
  }

  void Move() {
    const int N = static_cast<int>(Order.size());
    if (N < 3) return;
    // Seen from the moving end, the path runs 0..N-1 and the end is N-1.
    const bool Tail = RandomGenerator::Uniform(2) == 0;
    const int End = At(Tail, N - 1);
    const int D = RandomGenerator::Uniform(4);
    int X = End % W, Y = End / W;
    X += D == 0 ? -1 : D == 2 ? 1 : 0;
    Y += D == 1 ? -1 : D == 3 ? 1 : 0;
    if (X < 0 || Y < 0 || X >= W || Y >= H) return;
    const int Neighbour = Where[static_cast<std::size_t>(Y * W + X)];
    const int J = Tail ? Neighbour : N - 1 - Neighbour;
    if (J >= N - 2) return;  // the end's own predecessor
    // New path: 0..J, N-1, N-2, ..., J+1. Only J, the old end and J+1 change their turns.
    int Gain = Bends(At(Tail, J), At(Tail, N - 2)) - Bends(At(Tail, J), At(Tail, J + 2));
    if (J >= 1) Gain += Bends(At(Tail, J - 1), End) - Bends(At(Tail, J - 1), At(Tail, J + 1));
    for (int Lost = 0; Lost < -Gain; ++Lost)
      if (RandomGenerator::Uniform(1000) >= StraighteningPermille) return;
    if (Tail)
      Reverse(J + 1, N - 1);
    else
      Reverse(0, N - 2 - J);
  }

  std::vector<GridCell> Cells() const {
    std::vector<GridCell> Path;
    Path.reserve(Order.size());
    for (const int Cell : Order) Path.push_back({Cell % W + 1, Cell / W + 1});
    return Path;
  }

 private:
  static std::size_t Index(int I) { return static_cast<std::size_t>(I); }
  int At(bool Tail, int I) const {
    return Order[Index(Tail ? I : static_cast<int>(Order.size()) - 1 - I)];
  }
  // Whether the path turns at the cell between A and C (the cells two steps apart on it).
  int Bends(int A, int C) const { return A % W != C % W && A / W != C / W; }
  void Reverse(int First, int Last) {
    std::reverse(Order.begin() + First, Order.begin() + Last + 1);
    for (int i = First; i <= Last; ++i) Where[Index(Order[Index(i)])] = i;
  }

  int W;
  int H;
  std::vector<int> Order;  // the cells (Y * W + X, from 0) in path order
  std::vector<int> Where;  // each cell's place in Order
};

}  // namespace

std::vector<GridCell> TwistedPath(int W, int H) {
  if (W < 1 || H < 1) return {};
  Backbite Path(W, H);
  const long long Moves = std::min(MovesPerCell * W * H, MaxMoves);
  for (long long i = 0; i < Moves; ++i) Path.Move();
  return Path.Cells();
}

void CountTurns(const std::vector<GridCell>& Path, TurnTally& Tally) {
  for (std::size_t k = 1; k + 1 < Path.size(); ++k) {
    ++Tally.Inner;
    Tally.Turns += Path[k - 1].X != Path[k + 1].X && Path[k - 1].Y != Path[k + 1].Y;
  }
}

}  // namespace vornic
