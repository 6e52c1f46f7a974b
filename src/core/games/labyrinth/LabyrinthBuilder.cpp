#include "games/labyrinth/LabyrinthBuilder.h"

#include <optional>
#include <utility>

#include "base/ControlBytes.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "games/labyrinth/LabyrinthFallbackPath.h"

namespace vornic {
namespace {

bool Touches(GridCell A, GridCell B) {
  return (A.X == B.X && (A.Y == B.Y - 1 || A.Y == B.Y + 1)) ||
         (A.Y == B.Y && (A.X == B.X - 1 || A.X == B.X + 1));
}

}  // namespace

LabyrinthBuilder::Result LabyrinthBuilder::BuildLabyrinth(const std::string& Text,
                                                          TVornicGame& Game) {
  const int Cols = Game.Settings.Cols;
  const int Rows = Game.Settings.Rows;
  if (Text.empty() || FirstControlByte(Text) || Cols < 1 || Rows < 1 || Cols > MaxSide ||
      Rows > MaxSide)
    return Result::NothingToBuild;
  Letters = Game.Case().Upper(Text);
  Clear(Cols, Rows);
  TryFree.clear();
  WalkGaveUp = FallbackGaveUp = false;
  std::optional<Layout> Best;
  for (int Try = 1; Try <= MaxTries; ++Try) {
    if (!LayMain()) {
      TryFree.push_back(-1);
      continue;
    }
    // Growing ends after IdleTrapCalls calls without a new trap; the last of them ends it
    // whatever its result. On a full grid no trap can grow: the remaining calls would change
    // nothing.
    for (int Since = 1; Now.FreeCells > 0; ++Since) {
      const bool Grew = GrowOneTrap();
      if (Since >= IdleTrapCalls) break;
      if (Grew) Since = 0;
    }
    TryFree.push_back(Now.FreeCells);
    // A later try replaces the kept one only when it leaves fewer cells blank.
    if (!Best || Now.FreeCells < Best->FreeCells) Best = Now;
    if (Now.FreeCells == 0) break;
  }
  if (!Best) {
    // The document keeps the labyrinth it held: a text that does not fit loses nothing.
    Clear(W, H);
    return Result::NoMainPath;
  }
  Game.ClearGrid();
  Now = std::move(*Best);
  std::vector<std::string> Entries;
  Entries.reserve(Now.Entries.size());
  for (const Branch& Entry : Now.Entries) Entries.push_back(EntryText(Letters, Entry));
  Game.Words.Assign(std::move(Entries));
  Game.SetGrid(LabGridText());
  return GridIsFull() ? Result::Full : Result::NotFull;
}

bool LabyrinthBuilder::LayMainPath(const std::string& Text, TVornicGame& Game) {
  Letters = Text;
  WalkGaveUp = FallbackGaveUp = false;
  Clear(Game.Settings.Cols, Game.Settings.Rows);
  if (!LayMain()) return false;
  Game.AddWord(Letters, LabyrinthEntry::Encode(MainPath, 0));
  Game.SetGrid(LabGridText());
  return true;
}

bool LabyrinthBuilder::LayMain() {
  Clear(W, H);
  if (Letters.empty() || W < 1 || H < 1) return false;
  // A text with more letters than cells never fits: spare the tries.
  if (Letters.size() > static_cast<std::size_t>(W) * static_cast<std::size_t>(H)) return false;
  // The random walk first. A text that it did not lay in all its tries it will hardly lay in the
  // next try of the same build: that goes to the fallback at once.
  for (int Try = 0; Try < MainPathTries && !WalkGaveUp; ++Try) {
    if (TryMainPath()) {
      Now.Entries.push_back({MainPath, 0});
      return true;
    }
    // Only the path's cells hold letters: freeing them clears the grid.
    for (const GridCell& Cell : MainPath) Put(Cell, EmptyChar);
  }
  WalkGaveUp = true;
  // Neither will the fallback lay a text in a later try that it did not lay in this one.
  if (!FallbackGaveUp) MainPath = FallbackPath(W, H, static_cast<int>(Letters.size()));
  if (FallbackGaveUp || MainPath.empty()) {
    FallbackGaveUp = true;
    return false;
  }
  Now.Start = MainPath.front();
  for (std::size_t i = 0; i < MainPath.size(); ++i) Put(MainPath[i], Letters[i]);
  Now.Entries.push_back({MainPath, 0});
  return true;
}

bool LabyrinthBuilder::TryMainPath() {
  const std::size_t Length = Letters.size();
  const GridCell First = RandomBorderCell();
  Now.Start = First;
  MainPath.assign(1, First);
  Put(First, Letters[0]);
  // Failed steps add up over the whole try; successful steps do not reset them.
  std::size_t Failed = 0;
  while (MainPath.size() < Length && Failed < 4 * Length) {
    const GridCell Target = NeighbourCell(MainPath.back(), RandomGenerator::Uniform(4));
    if (IsFree(Target.X, Target.Y)) {
      Put(Target, Letters[MainPath.size()]);
      MainPath.push_back(Target);
    } else {
      ++Failed;
      // Walled in: every further step would fail too, so the try has failed already.
      if (!HasFreeNeighbour(MainPath.back())) break;
    }
  }
  const GridCell Last = MainPath.back();
  return MainPath.size() == Length && (Last.X == 1 || Last.X == W || Last.Y == 1 || Last.Y == H);
}

GridCell LabyrinthBuilder::RandomBorderCell() const {
  // Every cell is on the border of a grid one or two cells across.
  if (W <= 2 || H <= 2) return {RandomGenerator::Uniform(W) + 1, RandomGenerator::Uniform(H) + 1};
  // One draw among the border cells: the top row, the bottom row, then the two sides between.
  const int I = RandomGenerator::Uniform(2 * W + 2 * (H - 2));
  if (I < W) return {I + 1, 1};
  if (I < 2 * W) return {I - W + 1, H};
  const int Side = I - 2 * W;
  return {Side % 2 == 0 ? 1 : W, Side / 2 + 2};
}

bool LabyrinthBuilder::AddTrap(TVornicGame& Game) {
  if (!GrowOneTrap()) return false;
  Game.Words.Add(EntryText(Letters, Now.Entries.back()));
  return true;
}

bool LabyrinthBuilder::GrowOneTrap() {
  if (Now.Entries.empty()) return false;
  const int R = RandomGenerator::Uniform(static_cast<int>(Now.Entries.size()));
  const Branch& Entry = Now.Entries[static_cast<std::size_t>(R)];
  const int Count = static_cast<int>(Entry.Cells.size());
  const int K = RandomGenerator::Uniform(Count - 2) + 1;
  // The first cell of a trap belongs to its parent: branching there would repeat the parent.
  if (R > 0 && K == 1) return false;
  if (K > Count) return false;
  const int From = Entry.Offset + K;
  const int To = static_cast<int>(Letters.size()) - 1;
  if (From < 1 || From >= To) return false;
  return GrowTrap(Entry.Cells[static_cast<std::size_t>(K - 1)], From, To);
}

bool LabyrinthBuilder::GrowTrap(GridCell Fork, int From, int To) {
  const std::vector<GridCell>& Main = Now.Entries.front().Cells;
  // Idx is the number of the text letter that the trap's last cell holds.
  int Idx = From;
  std::vector<GridCell> Trap{Fork};
  // A trap cell beside the main path's next-but-one letter would let the reader rejoin the
  // text there: the trap would be no dead end.
  const auto Acceptable = [&](GridCell Target) {
    return IsFree(Target.X, Target.Y) && !Touches(Target, Main[static_cast<std::size_t>(Idx + 1)]);
  };
  int Failed = 0;
  while (Idx < To && Failed < FailedStepsPerTrap) {
    const GridCell Target = NeighbourCell(Trap.back(), RandomGenerator::Uniform(4));
    if (Acceptable(Target)) {
      Put(Target, Letters[static_cast<std::size_t>(Idx)]);
      Trap.push_back(Target);
      ++Idx;
      continue;
    }
    ++Failed;
    // No step can be taken from here (nothing that decides it changes until one is): the
    // remaining draws would all fail.
    bool Open = false;
    for (int D = 0; D < 4 && !Open; ++D) Open = Acceptable(NeighbourCell(Trap.back(), D));
    if (!Open) break;
  }
  if (Idx == From) return false;
  Now.Entries.push_back({std::move(Trap), From - 1});
  return true;
}

std::string LabyrinthBuilder::EntryText(const std::string& Letters, const Branch& Entry) {
  return Letters.substr(static_cast<std::size_t>(Entry.Offset), Entry.Cells.size()) + EmptyChar +
         LabyrinthEntry::Encode(Entry.Cells, Entry.Offset);
}

bool LabyrinthBuilder::GridIsFull() const {
  return W > 0 && H > 0 && Now.FreeCells == 0;
}

std::string LabyrinthBuilder::LabGridText() const {
  return std::string(Now.Cells.begin(), Now.Cells.end());
}

char LabyrinthBuilder::Cell(int X, int Y) const {
  if (X < 1 || Y < 1 || X > W || Y > H) return OutsideChar;
  return Now.Cells[static_cast<std::size_t>((Y - 1) * W + (X - 1))];
}

void LabyrinthBuilder::Clear(int NewW, int NewH) {
  W = NewW;
  H = NewH;
  Now.Cells.assign(static_cast<std::size_t>(W) * static_cast<std::size_t>(H), EmptyChar);
  Now.FreeCells = W * H;
  Now.Entries.clear();
}

bool LabyrinthBuilder::IsFree(int X, int Y) const {
  return Cell(X, Y) == EmptyChar;
}

bool LabyrinthBuilder::HasFreeNeighbour(GridCell At) const {
  for (int D = 0; D < 4; ++D) {
    const GridCell Next = NeighbourCell(At, D);
    if (IsFree(Next.X, Next.Y)) return true;
  }
  return false;
}

void LabyrinthBuilder::Put(GridCell At, char C) {
  // Letters go only into free cells, EmptyChar only into cells that hold a letter.
  Now.FreeCells += C == EmptyChar ? 1 : -1;
  Now.Cells[static_cast<std::size_t>((At.Y - 1) * W + (At.X - 1))] = C;
}

}  // namespace vornic
