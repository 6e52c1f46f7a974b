#include "games/labyrinth/LabyrinthBuilder.h"

#include "base/ControlBytes.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthEntry.h"

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
  const std::string Upper = Game.Codes().Upper(Text);
  bool Laid = false;
  for (int Try = 1; Try <= MaxTries; ++Try) {
    Game.ClearGrid();
    Laid = LayMainPath(Upper, Game);
    if (Laid) {
      // Growing ends after IdleTrapCalls calls without a new trap; the last of them ends it
      // whatever its result.
      for (int Since = 1;; ++Since) {
        // On a full grid no trap can grow: the remaining calls would change nothing.
        if (FreeCells == 0) break;
        const bool Grew = AddTrap(Game);
        if (Since >= IdleTrapCalls) break;
        if (Grew) Since = 0;
      }
    }
    if (GridIsFull()) break;
  }
  Game.SetGrid(LabGridText());
  if (GridIsFull()) return Result::Full;
  return Laid ? Result::NotFull : Result::NoMainPath;
}

bool LabyrinthBuilder::LayMainPath(const std::string& Text, TVornicGame& Game) {
  Letters = Text;
  Clear(Game.Settings.Cols, Game.Settings.Rows);
  if (Text.empty() || W < 1 || H < 1) return false;
  // A text with more letters than cells never fits: spare the tries.
  const bool CanFit = Text.size() <= static_cast<std::size_t>(W) * static_cast<std::size_t>(H);
  for (int Try = 0; CanFit && Try < MainPathTries; ++Try) {
    if (TryMainPath()) {
      Game.AddWord(Letters, LabyrinthEntry::Encode(MainPath, 0));
      Game.SetGrid(LabGridText());
      return true;
    }
    Clear(W, H);
  }
  MainPath.clear();
  return false;
}

bool LabyrinthBuilder::TryMainPath() {
  const std::size_t Length = Letters.size();
  GridCell First;
  do {
    First = {RandomGenerator::Uniform(W) + 1, RandomGenerator::Uniform(H) + 1};
  } while (First.X != 1 && First.X != W && First.Y != 1 && First.Y != H);
  Start = First;
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
    }
  }
  const GridCell Last = MainPath.back();
  return MainPath.size() == Length && (Last.X == 1 || Last.X == W || Last.Y == 1 || Last.Y == H);
}

bool LabyrinthBuilder::AddTrap(TVornicGame& Game) {
  if (Game.Words.empty() || MainPath.empty()) return false;
  const int R = RandomGenerator::Uniform(static_cast<int>(Game.Words.size()));
  const LabyrinthEntry Entry = LabyrinthEntry::Parse(Game.Words[static_cast<std::size_t>(R)]);
  const int Count = static_cast<int>(Entry.Item.size());
  const int K = RandomGenerator::Uniform(Count - 2) + 1;
  // The first cell of a trap belongs to its parent: branching there would repeat the parent.
  if (R > 0 && K == 1) return false;
  if (K > static_cast<int>(Entry.Cells.size())) return false;
  const int From = Entry.Offset.value_or(0) + K;
  const int To = static_cast<int>(Letters.size()) - 1;
  // Only an entry damaged from outside can point before the text or past its end.
  if (From < 1 || From >= To) return false;
  return GrowTrap(Entry.Cells[static_cast<std::size_t>(K - 1)], From, To, Game);
}

bool LabyrinthBuilder::GrowTrap(GridCell Branch, int From, int To, TVornicGame& Game) {
  // Idx is the number of the text letter that the trap's last cell holds.
  int Idx = From;
  std::vector<GridCell> Trap{Branch};
  int Failed = 0;
  while (Idx < To && Failed < FailedStepsPerTrap) {
    const GridCell Target = NeighbourCell(Trap.back(), RandomGenerator::Uniform(4));
    // A trap cell beside the main path's next-but-one letter would let the reader rejoin the
    // text there: the trap would be no dead end.
    const GridCell Guard = MainPath[static_cast<std::size_t>(Idx + 1)];
    if (IsFree(Target.X, Target.Y) && !Touches(Target, Guard)) {
      Put(Target, Letters[static_cast<std::size_t>(Idx)]);
      Trap.push_back(Target);
      ++Idx;
    } else {
      ++Failed;
    }
  }
  if (Idx == From) return false;
  Game.AddWord(
      Letters.substr(static_cast<std::size_t>(From - 1), static_cast<std::size_t>(Idx - From + 1)),
      LabyrinthEntry::Encode(Trap, From - 1));
  return true;
}

bool LabyrinthBuilder::GridIsFull() const {
  for (int Y = 1; Y <= H; ++Y)
    for (int X = 1; X <= W; ++X)
      if (Cell(X, Y) == EmptyChar) return false;
  return true;
}

std::string LabyrinthBuilder::LabGridText() const {
  return std::string(Cells.begin(), Cells.end());
}

char LabyrinthBuilder::Cell(int X, int Y) const {
  if (X < 1 || Y < 1 || X > W || Y > H) return OutsideChar;
  return Cells[static_cast<std::size_t>((Y - 1) * W + (X - 1))];
}

void LabyrinthBuilder::Clear(int NewW, int NewH) {
  W = NewW;
  H = NewH;
  Cells.assign(static_cast<std::size_t>(W) * static_cast<std::size_t>(H), EmptyChar);
  FreeCells = W * H;
}

bool LabyrinthBuilder::IsFree(int X, int Y) const {
  return Cell(X, Y) == EmptyChar;
}

void LabyrinthBuilder::Put(GridCell At, char C) {
  // Letters go only into free cells.
  --FreeCells;
  Cells[static_cast<std::size_t>((At.Y - 1) * W + (At.X - 1))] = C;
}

}  // namespace vornic
