#include "games/labyrinth/LabyrinthFallbackPath.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "base/RandomGenerator.h"

namespace vornic {
namespace {

// The guided walk. Cells are numbered row by row in a frame one cell wider on every side, whose
// cells are never alive, so that neighbours need no bounds checks. The walk keeps one connected
// region of free cells ahead of it ("alive"); where a step cuts that region in pieces it goes on
// into one piece and gives up the others ("dead", free for traps later), so the size of the region
// and its border cells of each colour (cells alternate like a chessboard's) are known by counting,
// and a step needs a search only where it may cut the region or the end is near.
class GuidedWalk {
 public:
  GuidedWalk(int Width, int Height, std::int64_t Limit)
      : W(Width),
        H(Height),
        S(Width + 2),
        WorkLeft(Limit),
        State(static_cast<std::size_t>(S * (H + 2)), Taken),
        BorderColour(State.size(), -1),
        Mark(State.size(), 0),
        Owner(State.size(), 0) {
    Size = W * H;
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) {
        const int Cell = (Y + 1) * S + X + 1;
        State[Index(Cell)] = Alive;
        if (X == 0 || Y == 0 || X == W - 1 || Y == H - 1) {
          BorderColour[Index(Cell)] = static_cast<signed char>(Colour(Cell));
          ++Border[static_cast<std::size_t>(Colour(Cell))];
        }
      }
  }

  std::vector<GridCell> Walk(int Length) {
    // Steps back allowed: a walk that needs more is stuck in a corner that it would search
    // through cell by cell; a new walk from another start does better.
    int BacksLeft = 2 * Length + 64;
    int FewestLost = 0;
    const int Start = RandomBorder();
    if (!Feasible(Start, Length - 1)) return {};
    Take(Start, Length - 1);
    while (static_cast<int>(Path.size()) < Length) {
      if (WorkLeft <= 0 || BacksLeft <= 0) return {};
      Level& Here = Levels.back();
      const int Left = Length - static_cast<int>(Path.size()) - 1;  // after the next cell
      // Each cell given up is one fewer to lay the rest in: a step that gives up more than an
      // eighth of what the walk can spare is taken only where no other step is open.
      int Chosen = -1, Fewest = -1;
      for (int i = 0; i < Here.Count && Chosen < 0; ++i) {
        const int Next = Here.Next[static_cast<std::size_t>(i)];
        if (State[Index(Next)] != Alive || !Feasible(Next, Left)) continue;
        const int Lost = GivenUp(Left);
        if (Lost <= (Size - 1 - Left) / 8) Chosen = i;
        if (Fewest < 0 || Lost < FewestLost) {
          Fewest = i;
          FewestLost = Lost;
        }
      }
      if (Chosen < 0 && Fewest >= 0) {
        Chosen = Fewest;
        Feasible(Here.Next[static_cast<std::size_t>(Chosen)], Left);  // its pieces again
      }
      if (Chosen >= 0) {
        const int Next = Here.Next[static_cast<std::size_t>(Chosen)];
        // Out of the level's choices; the others stay for when the walk steps back here.
        Here.Next[static_cast<std::size_t>(Chosen)] =
            Here.Next[static_cast<std::size_t>(--Here.Count)];
        Take(Next, Left);
        continue;
      }
      // No neighbour leaves a way to the end: step back and try the cell before otherwise.
      Undo();
      --BacksLeft;
      if (Path.empty()) return {};
    }
    std::vector<GridCell> Cells;
    Cells.reserve(Path.size());
    for (int Cell : Path) Cells.push_back({Cell % S, Cell / S});
    return Cells;
  }

 private:
  enum : char { Alive, Taken, Dead };
  // A piece of the alive region that a step into some cell would leave beside it.
  struct Piece {
    unsigned Members = 0;  // bits of the searches that found it
    int Size = 0;
    std::array<int, 2> Border{};
    bool Closed = false;  // searched to its end (else: what the closed pieces leave)
    bool Fits = false;
  };
  // What each cell of the path changed, to be taken back when the walk steps back.
  struct Level {
    std::array<int, 4> Next{};
    int Count = 0;
    std::size_t DeadFrom = 0;
    int Size = 0;
    std::array<int, 2> Border{};
  };

  static std::size_t Index(int Cell) { return static_cast<std::size_t>(Cell); }
  int Colour(int Cell) const { return (Cell % S + Cell / S) % 2; }
  bool OnBorder(int Cell) const { return BorderColour[Index(Cell)] >= 0; }
  bool IsAlive(int Cell) const { return State[Index(Cell)] == Alive; }
  int RandomBorder() const {
    // Every cell is on the border of a grid one or two cells across.
    const auto At = [this](int X, int Y) { return (Y + 1) * S + X + 1; };
    if (W <= 2 || H <= 2) {
      const int I = RandomGenerator::Uniform(W * H);
      return At(I % W, I / W);
    }
    const int I = RandomGenerator::Uniform(2 * W + 2 * (H - 2));
    if (I < W) return At(I, 0);
    if (I < 2 * W) return At(I - W, H - 1);
    const int Side = I - 2 * W;
    return At(Side % 2 == 0 ? 0 : W - 1, Side / 2 + 1);
  }
  // The alive orthogonal neighbours of Cell, into Out; returns how many.
  int AliveNeighbours(int Cell, std::array<int, 4>& Out) const {
    int Count = 0;
    for (const int Step : {-1, 1, -S, S})
      if (IsAlive(Cell + Step)) Out[static_cast<std::size_t>(Count++)] = Cell + Step;
    return Count;
  }
  void Forget(int Cell) {
    --Size;
    if (OnBorder(Cell)) --Border[static_cast<std::size_t>(BorderColour[Index(Cell)])];
  }
  void Kill(int Cell) {
    State[Index(Cell)] = Dead;
    Forget(Cell);
    Killed.push_back(Cell);
  }
  unsigned NewStamp() {
    if (++Stamp == 0) {
      std::fill(Mark.begin(), Mark.end(), 0);
      Stamp = 1;
    }
    return Stamp;
  }

  // The pieces of the alive region without Cell, beside Cell, into Pieces; Search[i] holds the
  // cells found from the i-th of Starts, for the closed pieces.
  void FindPieces(int Cell) {
    Pieces.clear();
    std::array<int, 4> Starts{};
    const int Count = AliveNeighbours(Cell, Starts);
    const int BorderOfCell = OnBorder(Cell) ? 1 : 0;
    const auto Whole = [&] {
      Piece All{0, Size - 1, Border, false, false};
      All.Border[static_cast<std::size_t>(Colour(Cell))] -= BorderOfCell;
      Pieces.push_back(All);
    };
    if (Count == 0) return;
    // Neighbours joined around Cell through alive cells (the diagonal between two of them) are
    // in one piece: with one such run the step cuts nothing.
    const std::array<int, 8> Ring{-S, -S + 1, 1, S + 1, S, S - 1, -1, -S - 1};
    int Runs = 0, FirstRunAlsoLast = 0;
    bool InRun = false, RunHasSide = false;
    for (std::size_t i = 0; i < Ring.size(); ++i) {
      const bool On = IsAlive(Cell + Ring[i]);
      if (On) {
        InRun = true;
        RunHasSide = RunHasSide || i % 2 == 0;
      } else if (InRun) {
        Runs += RunHasSide;
        InRun = RunHasSide = false;
      }
    }
    if (InRun) {
      // The run that reaches the end of the ring goes on at its start.
      FirstRunAlsoLast = IsAlive(Cell + Ring[0]) && Runs > 0 ? 1 : 0;
      Runs += RunHasSide;
    }
    Runs -= FirstRunAlsoLast;
    if (Runs <= 1) {
      Whole();
      return;
    }
    // Searches from every neighbour side by side, a cell each in turn: two that meet are one
    // piece; the search ends when at most one piece is still open, so a small piece cut off
    // costs its own size, not the region's.
    const unsigned Now = NewStamp();
    Mark[Index(Cell)] = Now;
    for (auto& Found : Search) Found.clear();
    std::array<int, 4> Parent{0, 1, 2, 3};
    const auto Root = [&Parent](int i) {
      while (Parent[static_cast<std::size_t>(i)] != i) i = Parent[static_cast<std::size_t>(i)];
      return i;
    };
    std::array<std::size_t, 4> Head{};
    for (int i = 0; i < Count; ++i) {
      auto& Found = Search[static_cast<std::size_t>(i)];
      Found.push_back(Starts[static_cast<std::size_t>(i)]);
      Mark[Index(Starts[static_cast<std::size_t>(i)])] = Now;
      Owner[Index(Starts[static_cast<std::size_t>(i)])] = i;
    }
    const auto OpenGroups = [&] {
      std::array<bool, 4> Open{};
      int Groups = 0;
      for (int i = 0; i < Count; ++i)
        if (Head[static_cast<std::size_t>(i)] < Search[static_cast<std::size_t>(i)].size())
          Open[static_cast<std::size_t>(Root(i))] = true;
      for (bool O : Open) Groups += O;
      return Groups;
    };
    const auto Distinct = [&] {
      int Groups = 0;
      for (int i = 0; i < Count; ++i) Groups += Root(i) == i;
      return Groups;
    };
    while (Distinct() > 1 && OpenGroups() > 1) {
      for (int i = 0; i < Count; ++i) {
        auto& Found = Search[static_cast<std::size_t>(i)];
        std::size_t& At = Head[static_cast<std::size_t>(i)];
        if (At >= Found.size()) continue;
        std::array<int, 4> Next{};
        const int N = AliveNeighbours(Found[At++], Next);
        --WorkLeft;
        for (int k = 0; k < N; ++k) {
          const int Cell2 = Next[static_cast<std::size_t>(k)];
          if (Cell2 == Cell) continue;  // still alive while it is being tried
          if (Mark[Index(Cell2)] == Now) {
            const int A = Root(i), B = Root(Owner[Index(Cell2)]);
            if (A != B) Parent[static_cast<std::size_t>(std::max(A, B))] = std::min(A, B);
            continue;
          }
          Mark[Index(Cell2)] = Now;
          Owner[Index(Cell2)] = i;
          Found.push_back(Cell2);
        }
      }
    }
    if (Distinct() <= 1) {
      Whole();
      return;
    }
    // One piece per group; the open one (at most one) is what the closed ones leave.
    int ClosedSize = 0;
    std::array<int, 2> ClosedBorder{};
    for (int i = 0; i < Count; ++i) {
      if (Root(i) != i) continue;
      Piece Part{0, 0, {}, true, false};
      for (int j = 0; j < Count; ++j) {
        if (Root(j) != i) continue;
        Part.Members |= 1u << j;
        const auto& Found = Search[static_cast<std::size_t>(j)];
        Part.Closed = Part.Closed && Head[static_cast<std::size_t>(j)] >= Found.size();
        Part.Size += static_cast<int>(Found.size());
        for (int C : Found)
          if (OnBorder(C)) ++Part.Border[static_cast<std::size_t>(BorderColour[Index(C)])];
      }
      if (Part.Closed) {
        ClosedSize += Part.Size;
        ClosedBorder[0] += Part.Border[0];
        ClosedBorder[1] += Part.Border[1];
      }
      Pieces.push_back(Part);
    }
    for (Piece& Part : Pieces)
      if (!Part.Closed) {
        Part.Size = Size - 1 - ClosedSize;
        for (std::size_t k = 0; k < 2; ++k)
          Part.Border[k] = Border[k] - ClosedBorder[k] -
                           (k == static_cast<std::size_t>(Colour(Cell)) ? BorderOfCell : 0);
      }
  }

  // Whether, with Cell taken, Left more cells can follow it: a piece beside it with at least
  // Left cells and a border cell that a path of Left steps can end on; near the end, one that
  // many steps away at most.
  bool Feasible(int Cell, int Left) {
    --WorkLeft;
    if (Left == 0) return OnBorder(Cell);
    FindPieces(Cell);
    // A path of Left steps from Cell ends on a cell of this colour.
    const auto EndColour = static_cast<std::size_t>((Colour(Cell) + Left) % 2);
    bool Any = false;
    for (Piece& Part : Pieces) {
      Part.Fits = Part.Size >= Left && Part.Border[EndColour] > 0;
      Any = Any || Part.Fits;
    }
    if (!Any || Left > W + H) return Any;
    return BorderWithin(Cell, Left);
  }

  // The alive cells that a step into the cell last found Feasible gives up: all but the piece
  // that it keeps (see Take).
  int GivenUp(int Left) const {
    const Piece* Kept = KeptPiece();
    return Left == 0 || !Kept ? 0 : Size - 1 - Kept->Size;
  }
  const Piece* KeptPiece() const {
    // The largest piece that fits goes on.
    const Piece* Kept = nullptr;
    for (const Piece& Part : Pieces)
      if (Part.Fits && (!Kept || Part.Size > Kept->Size)) Kept = &Part;
    return Kept;
  }

  // Whether a border cell of the end's colour lies at most Left steps from Cell through the
  // pieces that fit.
  bool BorderWithin(int Cell, int Left) {
    const unsigned Now = NewStamp();
    Mark[Index(Cell)] = Now;
    Queue.clear();
    Queue.push_back(Cell);
    for (std::size_t Head = 0, Distance = 0; Head < Queue.size() && Distance < Index(Left);
         ++Distance) {
      const std::size_t End = Queue.size();
      for (; Head < End; ++Head) {
        std::array<int, 4> Next{};
        const int N = AliveNeighbours(Queue[Head], Next);
        --WorkLeft;
        for (int k = 0; k < N; ++k) {
          const int Cell2 = Next[static_cast<std::size_t>(k)];
          if (Mark[Index(Cell2)] == Now || (Head == 0 && !PieceFits(Cell2))) continue;
          Mark[Index(Cell2)] = Now;
          Queue.push_back(Cell2);
          if (OnBorder(Cell2) && (Distance + 1) % 2 == Index(Left) % 2) return true;
        }
      }
    }
    return false;
  }
  // Whether the neighbour Start of the cell being tried lies in a piece that fits.
  bool PieceFits(int Start) const {
    if (Pieces.size() == 1) return Pieces.front().Fits;
    for (std::size_t i = 0; i < Search.size(); ++i)
      if (!Search[i].empty() && Search[i].front() == Start)
        for (const Piece& Part : Pieces)
          if ((Part.Members >> i & 1u) != 0) return Part.Fits;
    return false;
  }

  // Takes Cell, the last Feasible one, into the path, and keeps one piece that fits alive.
  void Take(int Cell, int Left) {
    Level Here;
    Here.DeadFrom = Killed.size();
    Here.Size = Size;
    Here.Border = Border;
    State[Index(Cell)] = Taken;
    Forget(Cell);
    Path.push_back(Cell);
    if (Left > 0 && Pieces.size() > 1) {
      const Piece* Kept = KeptPiece();
      for (const Piece& Part : Pieces)
        if (&Part != Kept) KillPiece(Part);
    }
    Here.Count = AliveNeighbours(Cell, Here.Next);
    for (int i = Here.Count - 1; i > 0; --i)
      std::swap(Here.Next[static_cast<std::size_t>(i)],
                Here.Next[static_cast<std::size_t>(RandomGenerator::Uniform(i + 1))]);
    Levels.push_back(Here);
  }
  void KillPiece(const Piece& Part) {
    if (Part.Closed) {
      for (std::size_t i = 0; i < Search.size(); ++i)
        if ((Part.Members >> i & 1u) != 0)
          for (int C : Search[i]) Kill(C);
      return;
    }
    // The open piece: searched now to its end.
    Queue.assign(1, Search[static_cast<std::size_t>(std::countr_zero(Part.Members))].front());
    Kill(Queue.front());
    for (std::size_t Head = 0; Head < Queue.size(); ++Head) {
      std::array<int, 4> Next{};
      const int N = AliveNeighbours(Queue[Head], Next);
      --WorkLeft;
      for (int k = 0; k < N; ++k) {
        Kill(Next[static_cast<std::size_t>(k)]);
        Queue.push_back(Next[static_cast<std::size_t>(k)]);
      }
    }
  }
  void Undo() {
    const Level& Here = Levels.back();
    for (std::size_t i = Here.DeadFrom; i < Killed.size(); ++i) State[Index(Killed[i])] = Alive;
    Killed.resize(Here.DeadFrom);
    Size = Here.Size;
    Border = Here.Border;
    State[Index(Path.back())] = Alive;
    Path.pop_back();
    Levels.pop_back();
  }

  int W;
  int H;
  int S;  // the frame's width
  std::int64_t WorkLeft;
  std::vector<char> State;
  std::vector<signed char> BorderColour;  // of a border cell of the grid, else -1
  int Size = 0;                           // alive cells
  std::array<int, 2> Border{};            // alive border cells of each colour
  std::vector<int> Path;
  std::vector<Level> Levels;
  std::vector<int> Killed;  // cells given up, in order, for stepping back
  std::vector<Piece> Pieces;
  std::array<std::vector<int>, 4> Search;
  std::vector<unsigned> Mark;
  std::vector<int> Owner;
  unsigned Stamp = 0;
  std::vector<int> Queue;
};

// The comb on a Cols x Rows frame along its left side, or nothing when it does not fit: pairs of
// rows, each out to its width and back, then one cell more for an odd length.
std::vector<GridCell> CombFrame(int Cols, int Rows, int Length) {
  const int Half = Length / 2;
  const bool Odd = Length % 2 == 1;
  const int MaxPairs = (Rows - (Odd ? 1 : 0)) / 2;
  const int MinPairs = (Half + Cols - 1) / Cols;
  if (MinPairs > MaxPairs) return {};
  // Anything from the fewest pairs (wide) to one a letter (a straight line down the side).
  const int Pairs =
      Half == 0 ? 0 : MinPairs + RandomGenerator::Uniform(std::min(MaxPairs, Half) - MinPairs + 1);
  std::vector<int> Widths(static_cast<std::size_t>(Pairs), 1);
  for (int Spare = Half - Pairs; Spare > 0;) {
    int& Width = Widths[static_cast<std::size_t>(RandomGenerator::Uniform(Pairs))];
    if (Width < Cols) {
      ++Width;
      --Spare;
    }
  }
  const int Used = 2 * Pairs + (Odd ? 1 : 0);
  int Y = 1 + RandomGenerator::Uniform(Rows - Used + 1);
  std::vector<GridCell> Path;
  Path.reserve(static_cast<std::size_t>(Length));
  for (int Width : Widths) {
    for (int X = 1; X <= Width; ++X) Path.push_back({X, Y});
    for (int X = Width; X >= 1; --X) Path.push_back({X, Y + 1});
    Y += 2;
  }
  if (Odd) Path.push_back({1, Y});
  return Path;
}

}  // namespace

int LargestLabyrinthText(int W, int H) {
  return std::max(1, W * H * 2 / 5);
}

std::vector<GridCell> GuidedWalkPath(int W, int H, int Length, std::int64_t WorkLimit) {
  if (W < 1 || H < 1 || Length < 1 || Length > W * H) return {};
  // A walk that needs much more than the usual work is stuck searching near its end; a new
  // walk from another start does better.
  constexpr int Walks = 4;
  std::vector<GridCell> Path;
  for (int i = 0; i < Walks && Path.empty(); ++i)
    Path = GuidedWalk(W, H, WorkLimit / Walks).Walk(Length);
  return Path;
}

std::vector<GridCell> CombPath(int W, int H, int Length) {
  if (W < 1 || H < 1 || Length < 1) return {};
  // Along a side of the grid or, turned, along a side of its transpose; then mirrored.
  const bool TurnFirst = RandomGenerator::Uniform(2) == 1;
  std::vector<GridCell> Path;
  bool Turned = false;
  for (int i = 0; i < 2 && Path.empty(); ++i) {
    Turned = TurnFirst != (i == 1);
    Path = Turned ? CombFrame(H, W, Length) : CombFrame(W, H, Length);
  }
  const bool FlipX = RandomGenerator::Uniform(2) == 1, FlipY = RandomGenerator::Uniform(2) == 1;
  for (GridCell& Cell : Path) {
    if (Turned) std::swap(Cell.X, Cell.Y);
    if (FlipX) Cell.X = W + 1 - Cell.X;
    if (FlipY) Cell.Y = H + 1 - Cell.Y;
  }
  return Path;
}

std::vector<GridCell> FallbackPath(int W, int H, int Length) {
  // Cells looked at: a walk of 1,000 letters on 50 x 50 usually needs a few times the grid's
  // cells; this bounds a build's fallback to some milliseconds.
  const std::int64_t Work = std::int64_t{128} * W * H;
  std::vector<GridCell> Path = GuidedWalkPath(W, H, Length, Work);
  if (Path.empty() && Length <= LargestLabyrinthText(W, H)) Path = CombPath(W, H, Length);
  return Path;
}

}  // namespace vornic
