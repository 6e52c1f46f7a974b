#include "games/maze/MazeGrid.h"

#include "document/EmptyChar.h"

namespace vornic {

void MazeGrid::Reset(int NewW, int NewH) {
  W = NewW;
  H = NewH;
  Cells.assign(static_cast<std::size_t>(W) * static_cast<std::size_t>(H), EmptyChar);
}

bool MazeGrid::IsFree(int X, int Y) const {
  return Inside(X, Y) && Cells[Index(X, Y)] == EmptyChar;
}

char MazeGrid::Get(int X, int Y) const {
  return Inside(X, Y) ? Cells[Index(X, Y)] : '\0';
}

void MazeGrid::Set(int X, int Y, char C) {
  if (Inside(X, Y)) Cells[Index(X, Y)] = C;
}

std::optional<GridCell> MazeGrid::FindStartCell() const {
  std::optional<GridCell> LastFree;
  for (int X = 1; X <= W; ++X)
    for (int Y = 1; Y <= H; ++Y) {
      if (!IsFree(X, Y)) continue;
      const int Occupied =
          !IsFree(X - 1, Y) + !IsFree(X + 1, Y) + !IsFree(X, Y - 1) + !IsFree(X, Y + 1);
      if (Occupied == 3) return GridCell{X, Y};
      LastFree = GridCell{X, Y};
    }
  return LastFree;
}

int MazeGrid::CountFirstFreeRegion() const {
  std::optional<GridCell> First;
  for (int X = 1; X <= W && !First; ++X)
    for (int Y = 1; Y <= H && !First; ++Y)
      if (IsFree(X, Y)) First = GridCell{X, Y};
  if (!First) return 0;

  Counted.assign(Cells.size(), false);
  Pending.clear();
  Pending.push_back(*First);
  Counted[Index(First->X, First->Y)] = true;
  int Count = 0;
  while (!Pending.empty()) {
    const GridCell Cell = Pending.back();
    Pending.pop_back();
    ++Count;
    const GridCell Neighbours[4] = {
        {Cell.X, Cell.Y - 1}, {Cell.X, Cell.Y + 1}, {Cell.X - 1, Cell.Y}, {Cell.X + 1, Cell.Y}};
    for (const GridCell& Next : Neighbours) {
      if (!IsFree(Next.X, Next.Y) || Counted[Index(Next.X, Next.Y)]) continue;
      Counted[Index(Next.X, Next.Y)] = true;
      Pending.push_back(Next);
    }
  }
  return Count;
}

std::string MazeGrid::Text() const {
  return std::string(Cells.begin(), Cells.end());
}

}  // namespace vornic
