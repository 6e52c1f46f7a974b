#include "games/maze/MazeBuilder.h"

#include <algorithm>

#include "base/ControlBytes.h"
#include "base/RandomGenerator.h"
#include "document/TVornicGame.h"
#include "games/maze/MazeTwistedPath.h"

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
  Used = Method::None;
  if (W < 1 || H < 1 || W > MaxSide || H > MaxSide) return false;
  // No way of laying can put more letters than cells into the grid; scattering, which draws
  // cells until it finds a free one, would not even end.
  std::size_t Letters = Phrase.size();
  for (const std::string& Word : Words) Letters += Word.size();
  if (Letters > static_cast<std::size_t>(W) * static_cast<std::size_t>(H)) return false;
  if (HasControlCharacter(Phrase) || std::any_of(Words.begin(), Words.end(), HasControlCharacter))
    return false;

  const std::vector<std::string> List = Words;  // the caller's list may change meanwhile
  Grid.Reset(W, H);
  if (WalkAll(List, Phrase, Game)) {
    Used = Method::Walk;
  } else {
    LayAlongTwistedPath(List, Phrase, Game);
    Used = Method::TwistedPath;
  }
  return true;
}

bool MazeBuilder::WalkAll(const std::vector<std::string>& List, const std::string& Phrase,
                          TVornicGame& Game) {
  const std::uint64_t LookedBefore = Grid.CellsLookedAt();
  Steps = 0;
  const auto Spent = [&] { return Grid.CellsLookedAt() - LookedBefore + Steps; };
  while (AttemptCount < MaxAttempts && Spent() < WalkBudget) {
    Placed = 0;
    Grid.Reset(Grid.Width(), Grid.Height());
    Game.ClearGrid();
    ScatterPhrase(Phrase, Game);
    ++AttemptCount;
    bool AllLaid = true;
    for (const std::string& Word : List)
      if (!PlaceWord(Word, Game)) {
        AllLaid = false;
        break;
      }
    if (AllLaid) return true;
  }
  return false;
}

void MazeBuilder::LayAlongTwistedPath(const std::vector<std::string>& List,
                                      const std::string& Phrase, TVornicGame& Game) {
  Grid.Reset(Grid.Width(), Grid.Height());
  Game.ClearGrid();
  const std::vector<GridCell> Route = TwistedPath(Grid.Width(), Grid.Height());
  std::size_t Next = 0;  // the first cell of the route not yet taken
  const auto Take = [&](char Letter) {
    const GridCell Cell = Route[Next++];
    Grid.Set(Cell.X, Cell.Y, Letter);
    return Cell;
  };
  // The words take their cells along the route in list order; the phrase letters are mixed in
  // between them at random, one cell each, so that they end up spread over the grid as
  // scattering spreads them.
  std::vector<std::vector<GridCell>> Paths(List.size());
  std::vector<GridCell> PhraseCells;
  int PhraseLeft = static_cast<int>(Phrase.size());
  auto Word = List.begin();
  int WordsLeft = static_cast<int>(std::count_if(
      List.begin(), List.end(), [](const std::string& Item) { return !Item.empty(); }));
  while (PhraseLeft + WordsLeft > 0) {
    if (RandomGenerator::Uniform(PhraseLeft + WordsLeft) < PhraseLeft) {
      PhraseCells.push_back(Take(EmptyChar));
      --PhraseLeft;
      continue;
    }
    while (Word->empty()) ++Word;
    std::string Letters = *Word;
    // Read either way, as a walked word is.
    if (RandomGenerator::Uniform(2) == 0) std::reverse(Letters.begin(), Letters.end());
    std::vector<GridCell>& Cells = Paths[static_cast<std::size_t>(Word - List.begin())];
    for (char Letter : Letters) Cells.push_back(Take(Letter));
    ++Word;
    --WordsLeft;
  }
  // The phrase in letter order on its cells in random order.
  for (std::size_t i = PhraseCells.size(); i > 1; --i)
    std::swap(PhraseCells[i - 1],
              PhraseCells[static_cast<std::size_t>(RandomGenerator::Uniform(static_cast<int>(i)))]);
  for (std::size_t i = 0; i < PhraseCells.size(); ++i)
    Grid.Set(PhraseCells[i].X, PhraseCells[i].Y, Phrase[i]);
  Game.AddWord(Phrase, EncodePath(PhraseCells));
  for (std::size_t i = 0; i < List.size(); ++i) Game.AddWord(List[i], EncodePath(Paths[i]));
  Placed = static_cast<int>(Next);
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
    ++Steps;
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
