#include "games/maze/MazeBuilder.h"

#include <algorithm>

#include "base/ControlBytes.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"

namespace vornic {
namespace {

// Reports the busy state for the life of a build, also when it ends by an exception.
class BusyScope {
 public:
  explicit BusyScope(const std::function<void(bool)>& Notify) : Handler(Notify) {
    if (Handler) Handler(true);
  }
  ~BusyScope() {
    if (Handler) Handler(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  const std::function<void(bool)>& Handler;
};

bool HasControlCharacter(const std::string& Text) {
  return FirstControlByte(Text).has_value();
}

}  // namespace

bool MazeBuilder::BuildMaze(const std::vector<std::string>& Words, const std::string& Phrase, int W,
                            int H, TVornicGame& Game) {
  BusyScope Busy(OnBusy);
  AttemptCount = 0;
  if (W < 1 || H < 1 || W > MaxSide || H > MaxSide) return false;
  // Scattering draws cells until it finds a free one: it must not run out of them.
  if (Phrase.size() > static_cast<std::size_t>(W) * static_cast<std::size_t>(H)) return false;
  if (HasControlCharacter(Phrase) || std::any_of(Words.begin(), Words.end(), HasControlCharacter))
    return false;

  const std::vector<std::string> List = Words;  // the caller's list may change meanwhile
  bool AllLaid = false;
  do {
    Placed = 0;
    Grid.Reset(W, H);
    Game.ClearGrid();
    ScatterPhrase(Phrase, Game);
    ++AttemptCount;
    AllLaid = true;
    for (const std::string& Word : List)
      if (!PlaceWord(Word, Game)) {
        AllLaid = false;
        break;
      }
  } while (!AllLaid && AttemptCount < MaxAttempts);
  return AllLaid;
}

void MazeBuilder::ScatterPhrase(const std::string& Phrase, TVornicGame& Game) {
  std::vector<GridCell> Cells;
  Cells.reserve(Phrase.size());
  for (char Letter : Phrase) {
    GridCell Cell;
    do {
      Cell = {RandomGenerator::Uniform(Grid.Width()) + 1,
              RandomGenerator::Uniform(Grid.Height()) + 1};
    } while (!Grid.IsFree(Cell.X, Cell.Y));
    Grid.Set(Cell.X, Cell.Y, Letter);
    Cells.push_back(Cell);
  }
  Game.AddWord(Phrase, EncodePath(Cells));
  Placed += static_cast<int>(Phrase.size());
  FreeConnected = Grid.FreeCellsConnected(Placed);
}

bool MazeBuilder::PlaceWord(const std::string& Word, TVornicGame& Game) {
  std::string Letters = Word;
  if (RandomGenerator::Uniform(2) == 0) std::reverse(Letters.begin(), Letters.end());
  const int Length = static_cast<int>(Letters.size());
  if (Length == 0) {
    // An empty line lays nothing but still has its entry, so entries match the lines.
    Game.AddWord(Word, {});
    return true;
  }
  for (int Try = 0; Try < TriesPerWord; ++Try) {
    // The grid is restored after a failed try, so every try starts from the same cell.
    const std::optional<GridCell> Start = Grid.FindStartCell();
    if (!Start) return false;
    Walk(Letters, *Start);
    if (static_cast<int>(Path.size()) == Length &&
        (FreeConnected ? Grid.StaysConnectedWithout(Path)
                       : Grid.FreeCellsConnected(Placed + Length))) {
      Placed += Length;
      FreeConnected = true;
      // The path runs in laying order: for a reversed word, from the cell of its last letter.
      Game.AddWord(Word, EncodePath(Path));
      return true;
    }
    for (const GridCell& Cell : Path) Grid.Set(Cell.X, Cell.Y, EmptyChar);
  }
  return false;
}

void MazeBuilder::Walk(const std::string& Letters, GridCell Start) {
  Path.clear();
  Path.push_back(Start);
  Grid.Set(Start.X, Start.Y, Letters[0]);
  // Failed steps add up over the whole try; successful steps do not reset them.
  int Failed = 0;
  while (Path.size() < Letters.size() && Failed < FailedStepsPerTry) {
    const GridCell Target = NeighbourCell(Path.back(), RandomGenerator::Uniform(4));
    if (Grid.IsFree(Target.X, Target.Y)) {
      Grid.Set(Target.X, Target.Y, Letters[Path.size()]);
      Path.push_back(Target);
    } else {
      ++Failed;
    }
  }
}

}  // namespace vornic
