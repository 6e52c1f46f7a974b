#include "games/maze/MazeGrid.h"

#include <algorithm>

#include "base/EmptyChar.h"

namespace vornic {

static_assert(EmptyChar == '\x19', "the maze grid marks free cells with EmptyChar");

void MazeGrid::Reset(int NewW, int NewH) {
  W = NewW;
  H = NewH;
  Stride = static_cast<std::size_t>(H) + 2;
  Cells.assign(Stride * (static_cast<std::size_t>(W) + 2), Frame);
  Looked += Cells.size();
  for (int X = 1; X <= W; ++X)
    for (int Y = 1; Y <= H; ++Y) Cells[Index(X, Y)] = Free;
  FreeInColumn.assign(static_cast<std::size_t>(W) + 2, H);
  Marks.assign(Cells.size(), 0);
  Round = 0;
}

void MazeGrid::Set(int X, int Y, char C) {
  if (!Inside(X, Y)) return;
  char& Cell = Cells[Index(X, Y)];
  FreeInColumn[static_cast<std::size_t>(X)] += (C == Free) - (Cell == Free);
  Cell = C;
}

std::optional<GridCell> MazeGrid::FindStartCell() const {
  std::size_t LastFree = 0;
  for (int X = 1; X <= W; ++X) {
    if (FreeInColumn[static_cast<std::size_t>(X)] == 0) continue;
    const std::size_t Column = Index(X, 0);
    for (std::size_t I = Column + 1; I <= Column + static_cast<std::size_t>(H); ++I) {
      ++Looked;
      if (Cells[I] != Free) continue;
      const int Occupied = (Cells[I - 1] != Free) + (Cells[I + 1] != Free) +
                           (Cells[I - Stride] != Free) + (Cells[I + Stride] != Free);
      if (Occupied == 3) return CellAt(I);
      LastFree = I;
    }
  }
  if (LastFree == 0) return std::nullopt;
  return CellAt(LastFree);
}

std::size_t MazeGrid::FirstFree() const {
  for (int X = 1; X <= W; ++X) {
    if (FreeInColumn[static_cast<std::size_t>(X)] == 0) continue;
    const std::size_t Column = Index(X, 0);
    for (std::size_t I = Column + 1; I <= Column + static_cast<std::size_t>(H); ++I) {
      ++Looked;
      if (Cells[I] == Free) return I;
    }
  }
  return 0;
}

int MazeGrid::CountFirstFreeRegion() const {
  const std::size_t First = FirstFree();
  if (First == 0) return 0;
  NextRound();
  Pending.clear();
  Pending.push_back(First);
  Marks[First] = Round;
  int Count = 0;
  while (!Pending.empty()) {
    const std::size_t I = Pending.back();
    Pending.pop_back();
    ++Count;
    ++Looked;
    for (const std::size_t Next : {I - 1, I + 1, I - Stride, I + Stride}) {
      if (Cells[Next] != Free || Marks[Next] == Round) continue;
      Marks[Next] = Round;
      Pending.push_back(Next);
    }
  }
  return Count;
}

void MazeGrid::NextRound() const {
  if (++Round == 0) {  // the marks wrapped: start them afresh
    std::fill(Marks.begin(), Marks.end(), 0);
    Round = 1;
  }
}

bool MazeGrid::StaysConnectedWithout(const std::vector<GridCell>& Path) const {
  // Two rounds follow: make sure the marks cannot wrap between them.
  if (Round >= UINT32_MAX - 1) {
    std::fill(Marks.begin(), Marks.end(), 0);
    Round = 0;
  }
  // The free neighbours of the path, each once.
  NextRound();
  Targets.clear();
  for (const GridCell& Cell : Path) {
    if (!Inside(Cell.X, Cell.Y)) continue;
    const std::size_t I = Index(Cell.X, Cell.Y);
    for (const std::size_t Next : {I - 1, I + 1, I - Stride, I + Stride})
      if (Cells[Next] == Free && Marks[Next] != Round) {
        Marks[Next] = Round;
        Targets.push_back(Next);
      }
  }
  if (Targets.size() <= 1) return true;
  // Walk from the first; a target is met when the walk marks it in this second round.
  const std::uint32_t TargetRound = Round;
  NextRound();
  std::size_t Left = Targets.size();
  Pending.clear();
  Pending.push_back(Targets.front());
  Marks[Targets.front()] = Round;
  --Left;
  while (!Pending.empty()) {
    const std::size_t I = Pending.back();
    Pending.pop_back();
    ++Looked;
    for (const std::size_t Next : {I - 1, I + 1, I - Stride, I + Stride}) {
      if (Cells[Next] != Free || Marks[Next] == Round) continue;
      if (Marks[Next] == TargetRound && --Left == 0) return true;
      Marks[Next] = Round;
      Pending.push_back(Next);
    }
  }
  return false;
}

std::string MazeGrid::Text() const {
  std::string Rows;
  Rows.reserve(static_cast<std::size_t>(W) * static_cast<std::size_t>(H));
  for (int Y = 1; Y <= H; ++Y)
    for (int X = 1; X <= W; ++X) Rows += Cells[Index(X, Y)];
  return Rows;
}

}  // namespace vornic
