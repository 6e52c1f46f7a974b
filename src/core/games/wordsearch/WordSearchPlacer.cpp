#include "games/wordsearch/WordSearchPlacer.h"

#include <algorithm>
#include <cstdlib>
#include <span>

#include "base/RandomGenerator.h"
#include "games/EntryPath.h"
#include "games/TypedText.h"
#include "games/wordsearch/WordRepeats.h"

namespace vornic {

void WordSearchPlacer::EntryCover::Read(const TVornicGame& Game) {
  Cells.clear();
  Starts.assign(1, 0);
  Uses.assign(Game.Grid.size(), 0);
  Valid = Whole = true;
  for (const std::string& Entry : Game.Words) {
    const SplitWordEntry Split = SplitEntry(Entry);
    DecodePath(Split.After, Split.Item.size(), Cells);
    for (std::size_t i = Starts.back(); i < Cells.size(); ++i) {
      if (!Game.InGrid(Cells[i].X, Cells[i].Y)) {
        Whole = false;
        return;
      }
      ++Uses[CellOf(Game, Cells[i])];
    }
    Starts.push_back(Cells.size());
  }
}

bool WordSearchPlacer::EntryCover::OneHolds(GridCell First, GridCell Last) {
  for (std::size_t Entry = 0; Entry + 1 < Starts.size(); ++Entry) {
    const std::span<GridCell> Run = Path(Entry);
    if (std::find(Run.begin(), Run.end(), First) != Run.end() &&
        std::find(Run.begin(), Run.end(), Last) != Run.end())
      return true;
  }
  return false;
}

WordSearchPlacer::WordSearchPlacer(TVornicGame& Document) : Game(Document) {
  EnableAll();
}

Direction WordSearchPlacer::DirectionOfTag(int Tag) {
  static constexpr std::array<Direction, 8> ByTag{
      {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}}};
  if (Tag < 1 || Tag > 8) return {0, 0};
  return ByTag[static_cast<std::size_t>(Tag - 1)];
}

void WordSearchPlacer::SetEnabled(Direction Step, bool On) {
  if (Step.Dx == 0 && Step.Dy == 0) return;  // the centre is never a direction
  Directions[Step.Dx + 1][Step.Dy + 1] = On;
}

void WordSearchPlacer::EnableAll() {
  for (auto& Column : Directions) Column.fill(true);
  Directions[1][1] = false;
}

bool WordSearchPlacer::AnyEnabled() const {
  for (const auto& Column : Directions)
    for (bool On : Column)
      if (On) return true;
  return false;
}

bool WordSearchPlacer::EnterWord(const std::string& Word, bool AddToList) {
  if (!AnyEnabled()) return EnterWordBytes({}, AddToList);  // tells "No directions specified"
  return EnterEncoded(Codes().Encode(Word), AddToList);
}

bool WordSearchPlacer::EnterEncoded(const CodePage::EncodeResult& Encoded, bool AddToList,
                                    const std::string* Upper) {
  if (!AnyEnabled()) return EnterWordBytes({}, AddToList);
  if (!Encoded.Ok()) {
    Tell(ApplicationTitle, Game.Codes().RefusalMessage(Encoded.Unencodable), Icon::Warning);
    return false;
  }
  return EnterBytes(Encoded.Bytes, AddToList, Upper);
}

int WordSearchPlacer::MakeSpans(int Length) {
  const int Cols = Game.Settings.Cols, Rows = Game.Settings.Rows;
  // The spans of each length serve words of that length while nothing else changed.
  if (Cols != SpansCols || Rows != SpansRows || Directions != SpansDirections) {
    SpansCols = Cols;
    SpansRows = Rows;
    SpansDirections = Directions;
    SpansByLength.clear();
  }
  Spans = nullptr;
  if (Length < 1 || Length > std::max(Cols, Rows)) return 0;  // inside the grid nowhere
  const auto Index = static_cast<std::size_t>(Length);
  if (SpansByLength.size() <= Index) SpansByLength.resize(Index + 1);
  SpansOfLength& Made = SpansByLength[Index];
  Spans = &Made.Spans;
  if (Made.Total >= 0) return Made.Total;
  int Total = 0;
  for (int Dx = -1; Dx <= 1; ++Dx)
    for (int Dy = -1; Dy <= 1; ++Dy) {
      if (!Directions[Dx + 1][Dy + 1]) continue;
      const int Width = Cols - (Length - 1) * (Dx != 0), Height = Rows - (Length - 1) * (Dy != 0);
      if (Width <= 0 || Height <= 0) continue;
      // 2^32 / Width rounded up: Local * Inverse >> 32 is Local / Width for every start.
      const std::uint64_t Inverse = ((std::uint64_t{1} << 32) + static_cast<unsigned>(Width) - 1) /
                                    static_cast<unsigned>(Width);
      Made.Spans.push_back({{Dx, Dy},
                            Dx < 0 ? Length - 1 : 0,
                            Dy < 0 ? Length - 1 : 0,
                            Width,
                            Height,
                            Total,
                            Inverse});
      Total += Width * Height;
    }
  Made.Total = Total;
  return Total;
}

WordSearchPlacer::Placement WordSearchPlacer::PlacementAt(int Index) const {
  std::size_t i = 0;
  const std::vector<Span>& Made = *Spans;
  while (i + 1 < Made.size() && Made[i + 1].Begin <= Index) ++i;
  const Span& S = Made[i];
  const int Local = Index - S.Begin;
  const auto Row = static_cast<int>(static_cast<std::uint64_t>(Local) * S.Inverse >> 32);
  return {S.X0 + Local - Row * S.Width, S.Y0 + Row, S.Step};
}

bool WordSearchPlacer::Fits(const std::string& Word, const Placement& At) const {
  const char* Grid = Game.Grid.data();
  const int Cols = Game.Settings.Cols;
  const int Step = At.Step.Dy * Cols + At.Step.Dx;
  int Cell = At.Y * Cols + At.X;
  bool AnyFree = false;
  for (char Letter : Word) {
    const char Was = Grid[Cell];
    if (Was == EmptyChar) {
      AnyFree = true;
    } else if (Was != Letter || !Intersect) {
      return false;
    }
    Cell += Step;
  }
  // A word lying wholly on identical letters would add nothing to find.
  return AnyFree;
}

void WordSearchPlacer::ListFits(const std::string& Word) {
  Fitting.clear();
  const int Cols = Game.Settings.Cols;
  Bits.Describe(Game.Grid, Cols, Game.Settings.Rows);
  for (const Span& S : *Spans) {
    Starts.clear();
    Bits.List(Word, S.Step.Dx, S.Step.Dy, Intersect, Starts);
    for (int Cell : Starts)
      Fitting.push_back(S.Begin + (Cell / Cols - S.Y0) * S.Width + Cell % Cols - S.X0);
  }
}

std::optional<WordSearchPlacer::Placement> WordSearchPlacer::FindPlace(const std::string& Word) {
  const std::string& Grid = Game.Grid;
  if (Grid.size() != std::size_t{Game.Settings.Cols} * Game.Settings.Rows) return std::nullopt;
  const int Length = static_cast<int>(Word.size());
  // Longer than the grid in every enabled direction, or no free cell to add: nowhere.
  const int Total = MakeSpans(Length);
  if (Total == 0 || Grid.find(EmptyChar) == std::string::npos) return std::nullopt;
  // Random starts first: where the word fits in many places one of them is soon drawn. A
  // uniform start inside the grid, like a uniform cell and direction kept when the word stays
  // inside, gives every enabled direction the same chance. So that a long list on a crowded grid
  // stays quick, only so many places that fit are checked for repeats.
  // Listing costs some hundred tries; after a word that found no place, the grid is crowded
  // and the next words are listed soon.
  constexpr int RepeatChecks = 24;
  const int Tries = Crowded ? 64 : 64 + Total / 16;
  int Checks = 0;
  for (int Attempt = 0; Attempt < Tries && Checks < RepeatChecks; ++Attempt) {
    const Placement At = PlacementAt(RandomGenerator::Uniform(Total));
    if (!Fits(Word, At)) continue;
    ++Checks;
    if (!MakesRepeat(Word, At)) return At;
  }
  // Then every place where it fits, drawn from until one repeats nothing: a word that fits
  // somewhere is placed, and one that fits nowhere fails now, not after thousands of tries.
  if (Checks < RepeatChecks) ListFits(Word);
  for (; Checks < RepeatChecks && !Fitting.empty(); ++Checks) {
    const auto i =
        static_cast<std::size_t>(RandomGenerator::Uniform(static_cast<int>(Fitting.size())));
    const Placement At = PlacementAt(Fitting[i]);
    Fitting[i] = Fitting.back();
    Fitting.pop_back();
    if (!MakesRepeat(Word, At)) return At;
  }
  return std::nullopt;
}

bool WordSearchPlacer::MakesRepeat(const std::string& Word, const Placement& At) {
  const int Cols = Game.Settings.Cols;
  const WordReadings::Segment Own{At.X, At.Y, At.Step.Dx, At.Step.Dy,
                                  static_cast<int>(Word.size())};
  const int First = At.Y * Cols + At.X, Step = At.Step.Dy * Cols + At.Step.Dx;
  // Write the word's new letters, look along every line through them, take them back.
  Written.clear();
  for (int k = 0; k < Own.Length; ++k) {
    const int Cell = First + k * Step;
    char& Letter = Game.Grid[static_cast<std::size_t>(Cell)];
    if (Letter != EmptyChar) continue;
    Letter = Word[static_cast<std::size_t>(k)];
    Written.push_back(Cell);
  }
  const bool Repeat = Guard.RepeatAround(Game.Grid, Own, Written);
  for (int Cell : Written) Game.Grid[static_cast<std::size_t>(Cell)] = EmptyChar;
  return Repeat;
}

void WordSearchPlacer::MakeGuard(const std::vector<std::string>& Words) {
  Guard.Reset(Words, Game.Settings.Cols, Game.Settings.Rows);
  Guard.AllowEntries(Game.Words);
  InList.assign(static_cast<std::size_t>(Guard.WordCount()), false);
  for (const std::string& Listed : PlacedWords) MarkListed(Listed);
  Cover.Valid = false;
  Followed = false;
}

void WordSearchPlacer::MarkListed(const std::string& Listed) {
  if (const int W = Guard.Find(Listed); W >= 0) InList[static_cast<std::size_t>(W)] = true;
}

std::string WordSearchPlacer::ListRefusal(const std::string& Upper) {
  // While the guard holds the list (placing a whole list, or following the words entered), an
  // earlier word is found by its hash rather than by a walk through the list, which would make
  // a long list cost the square of its length.
  if (!PlacingList && !Following()) return RepeatRefusal(Codes(), Upper, PlacedWords, true);
  const std::string Reversed(Upper.rbegin(), Upper.rend());
  for (const std::string* Form : {&Upper, &Reversed})
    if (const int W = Guard.Find(*Form); W >= 0 && InList[static_cast<std::size_t>(W)])
      return RepeatRefusal(Codes(), Upper, {std::string(Guard.Word(W))}, true);
  return {};
}

void WordSearchPlacer::Follow() {
  Followed = true;
  FollowedCols = Game.Settings.Cols;
  FollowedRows = Game.Settings.Rows;
  FollowedListSize = PlacedWords.size();
  FollowedLastListed = PlacedWords.empty() ? std::string() : PlacedWords.back();
  FollowedEntries = Game.Words.Stamp();
}

bool WordSearchPlacer::Following() const {
  return Followed && FollowedCols == Game.Settings.Cols && FollowedRows == Game.Settings.Rows &&
         FollowedListSize == PlacedWords.size() && FollowedEntries == Game.Words.Stamp() &&
         (PlacedWords.empty() || FollowedLastListed == PlacedWords.back());
}

std::string WordSearchPlacer::WhyNotPlaced(const std::string& Word) const {
  const int Length = static_cast<int>(Word.size());
  bool RoomSomewhere = false;
  for (int Dx = -1; Dx <= 1; ++Dx)
    for (int Dy = -1; Dy <= 1; ++Dy)
      RoomSomewhere = RoomSomewhere ||
                      (Directions[Dx + 1][Dy + 1] && (Dx == 0 || Length <= Game.Settings.Cols) &&
                       (Dy == 0 || Length <= Game.Settings.Rows));
  if (!RoomSomewhere)
    return "The word is longer than the grid in every enabled direction: enable more directions "
           "or make the grid larger " +
           WhereToChange(Setting::GridSize) + ".";
  if (Game.Grid.find(EmptyChar) == std::string::npos)
    return "Every cell is taken since Fill Blanks: Shuffle clears the fill and places the words "
           "again.";
  return "No free place remains for it: try Shuffle, more directions, Intersections, or a larger "
         "grid.";
}

bool WordSearchPlacer::EnterWordBytes(const std::string& Typed, bool AddToList) {
  return EnterBytes(Typed, AddToList, nullptr);
}

bool WordSearchPlacer::EnterBytes(const std::string& Typed, bool AddToList,
                                  const std::string* Prepared) {
  if (!AnyEnabled()) {
    Tell("Warning", "No directions specified", Icon::Warning);
    return false;
  }
  if (const auto Refusal = RefuseUnrecordableGrid(Game.Settings.Cols, Game.Settings.Rows)) {
    Tell(ApplicationTitle, *Refusal, Icon::Warning);
    return false;
  }
  // Spaces would take cells that the fill leaves blank, which gives the word away.
  std::string Word = Prepared ? *Prepared : Typed;
  if (!Prepared && Word.find(' ') != std::string::npos) std::erase(Word, ' ');
  if (Word.empty()) return false;
  if (const std::string Refusal = ControlCharacterRefusal(Word); !Refusal.empty()) {
    Tell(ApplicationTitle, Refusal, Icon::Warning);
    return false;
  }
  const std::string Upper = Prepared ? std::move(Word) : Game.Case().Upper(Word);
  // A word listed twice (or once each way) could be read where the other lies.
  if (AddToList) {
    if (const std::string Refusal = ListRefusal(Upper); !Refusal.empty()) {
      Tell(ApplicationTitle, Refusal, Icon::Warning);
      return false;
    }
  }
  if (!PlacingList) {
    // The guard follows the words as they are entered one by one: the new word is added to it.
    // Where the list or the entries changed otherwise since, it is made anew.
    if (Following()) {
      Guard.Add(Upper);
      InList.resize(static_cast<std::size_t>(Guard.WordCount()), false);
    } else {
      std::vector<std::string> Words = PlacedWords;
      Words.push_back(Upper);
      MakeGuard(Words);
      Cover.Read(Game);
    }
  }
  const std::optional<Placement> At = FindPlace(Upper);
  Crowded = !At;
  if (!At) {
    Tell(ApplicationTitle,
         "Could not insert word " + Game.Codes().Decode(Upper) + "\n" + WhyNotPlaced(Upper),
         Icon::None);
    if (!PlacingList) Follow();
    return false;
  }
  // The entry (word, separator, path) in one piece.
  std::string Entry;
  Entry.reserve(3 * Upper.size() + 1);
  Entry = Upper;
  Entry += EmptyChar;
  const int Cols = Game.Settings.Cols;
  int X = At->X, Y = At->Y;
  for (char Letter : Upper) {
    Bits.Write(Y * Cols + X, Letter);
    Game.Grid[static_cast<std::size_t>(Y * Cols + X)] = Letter;
    Entry += PathBytes(X + 1, Y + 1);
    if (Cover.Valid) {
      Cover.Cells.push_back({X + 1, Y + 1});
      ++Cover.Uses[static_cast<std::size_t>(Y * Cols + X)];
    }
    X += At->Step.Dx;
    Y += At->Step.Dy;
  }
  if (AddToList) {
    PlacedWords.push_back(Upper);
    MarkListed(Upper);
  }
  if (Cover.Valid) Cover.Starts.push_back(Cover.Cells.size());
  Game.Words.Add(std::move(Entry));
  Guard.Allow(Upper, At->Y * Cols + At->X, (Y - At->Step.Dy) * Cols + X - At->Step.Dx);
  if (!PlacingList) Follow();
  return true;
}

int WordSearchPlacer::FillBlanks() {
  // A set none of whose letters the code page holds would fill nothing, and say nothing.
  if (Game.Letters.empty() && Game.Grid.find(EmptyChar) != std::string::npos) {
    Tell(ApplicationTitle,
         "The character set \"" + Game.Codes().Decode(Game.Settings.LanguageName()) +
             "\" has no letter that this puzzle's code page (" +
             std::to_string(Game.Codes().Number()) +
             ") can hold, so the empty cells were not filled. Choose another character set, or "
             "a font character set that holds its letters, " +
             WhereToChange(Setting::CharacterSet) + ".",
         Icon::Warning);
    return 0;
  }
  const std::string Before = Game.Grid;
  // The list and the entries' words, each allowed at its entry's place: the guard that placed
  // them while nothing changed since.
  if (!Following()) {
    std::vector<std::string> Words;
    Game.ListWords(Words);
    Words.insert(Words.begin(), PlacedWords.begin(), PlacedWords.end());
    MakeGuard(Words);
    Follow();
  }
  std::vector<WordReadings::Reading> Left;
  int Repeating = FillHidingWords(Game, Guard, Left);
  if (std::vector<int> Freed; Repeating > 0 && MoveSpelledWords(Left, Freed)) {
    Repeating = FillCellsHidingWords(Game, Guard, Freed, Left);
    Game.Modified = true;
    Follow();
  }
  if (Repeating > 0 && MoveCrossingWords(Left)) {
    Repeating = FillHidingWords(Game, Guard, Left);
    Game.Modified = true;
    Follow();
  }
  // The fill is part of the puzzle: closing must not lose it without a question.
  if (Game.Grid != Before) Game.Modified = true;
  return Repeating;
}

bool WordSearchPlacer::MoveSpelledWords(const std::vector<WordReadings::Reading>& Repeats,
                                        std::vector<int>& Freed) {
  const int Cols = Game.Settings.Cols;
  // A damaged path leaves the grid as it is.
  if (!Cover.Valid) Cover.Read(Game);
  if (!Cover.Whole) return false;
  std::vector<int>& Uses = Cover.Uses;
  const auto CellOf = [Cols](GridCell At) {
    return static_cast<std::size_t>((At.Y - 1) * Cols + At.X - 1);
  };
  bool Moved = false;
  std::vector<bool> Done(Game.Words.size(), false);
  for (const WordReadings::Reading& Repeat : Repeats) {
    // The entry of the word read twice.
    std::size_t Index = 0;
    const std::string_view Word = Guard.Word(Repeat.Word);
    while (Index < Game.Words.size() && SplitEntry(Game.Words[Index]).Item != Word) ++Index;
    if (Index == Game.Words.size() || Done[Index]) continue;
    // The place as the word reads it: from its first letter, along an enabled direction.
    const int Length = static_cast<int>(Word.size());
    GridCell From{Repeat.First % Cols + 1, Repeat.First / Cols + 1};
    GridCell To{Repeat.Last % Cols + 1, Repeat.Last / Cols + 1};
    const auto Along = [Length](GridCell A, GridCell B) {
      return Direction{Length > 1 ? (B.X - A.X) / (Length - 1) : 1,
                       Length > 1 ? (B.Y - A.Y) / (Length - 1) : 0};
    };
    const auto Spelled = [&](GridCell Start, Direction Step) {
      for (int k = 0; k < Length; ++k)
        if (Game.Grid[CellOf({Start.X + k * Step.Dx, Start.Y + k * Step.Dy})] !=
            Word[static_cast<std::size_t>(k)])
          return false;
      return true;
    };
    if (!Spelled(From, Along(From, To))) std::swap(From, To);
    const Direction Step = Along(From, To);
    if (!IsEnabled(Step) || Cover.OneHolds(From, To)) continue;
    std::vector<GridCell> Place;
    for (int k = 0; k < Length; ++k) Place.push_back({From.X + k * Step.Dx, From.Y + k * Step.Dy});
    // Only letters that the old place alone holds can be given to the fill; a place wholly
    // shared with other words would still read the word.
    const std::span<GridCell> Old = Cover.Path(Index);
    if (Old.size() != Place.size()) continue;  // a path shorter than its word
    for (const GridCell& At : Old) --Uses[CellOf(At)];
    for (const GridCell& At : Place) ++Uses[CellOf(At)];
    const bool Frees = std::any_of(Old.begin(), Old.end(),
                                   [&](const GridCell& At) { return Uses[CellOf(At)] == 0; });
    if (!Frees) {
      for (const GridCell& At : Place) --Uses[CellOf(At)];
      for (const GridCell& At : Old) ++Uses[CellOf(At)];
      continue;
    }
    for (const GridCell& At : Old)
      if (Uses[CellOf(At)] == 0) {
        Game.Grid[CellOf(At)] = EmptyChar;
        Freed.push_back(static_cast<int>(CellOf(At)));
      }
    Guard.MoveAllowed(Word,
                      {static_cast<int>(CellOf(Old.front())), static_cast<int>(CellOf(Old.back()))},
                      {static_cast<int>(CellOf(From)), static_cast<int>(CellOf(To))});
    Game.Words.Set(Index, std::string(Word) + EmptyChar + EncodePath(Place));
    std::copy(Place.begin(), Place.end(), Old.begin());
    Done[Index] = true;
    Moved = true;
  }
  return Moved;
}

bool WordSearchPlacer::MoveCrossingWords(const std::vector<WordReadings::Reading>& Repeats) {
  if (!Cover.Valid) Cover.Read(Game);
  if (!Cover.Whole) return false;
  // For each reading made wholly of entries' letters, the entry that alone covers one of its
  // cells: moved elsewhere, it takes that letter with it.
  std::vector<std::pair<WordReadings::Reading, std::size_t>> Movers;
  for (const WordReadings::Reading& Repeat : Repeats) {
    const int Length = static_cast<int>(Guard.Word(Repeat.Word).size());
    const int Step = Length > 1 ? (Repeat.Last - Repeat.First) / (Length - 1) : 1;
    int Alone = -1;
    bool Covered = true;
    for (int Cell = Repeat.First; Covered && Cell <= Repeat.Last; Cell += Step) {
      Covered = Cover.Uses[static_cast<std::size_t>(Cell)] > 0;
      if (Alone < 0 && Cover.Uses[static_cast<std::size_t>(Cell)] == 1) Alone = Cell;
    }
    if (!Covered || Alone < 0) continue;
    for (std::size_t Entry = 0; Entry + 1 < Cover.Starts.size(); ++Entry) {
      const std::span<GridCell> Path = Cover.Path(Entry);
      if (std::any_of(Path.begin(), Path.end(), [&](GridCell At) {
            return EntryCover::CellOf(Game, At) == static_cast<std::size_t>(Alone);
          })) {
        Movers.emplace_back(Repeat, Entry);
        break;
      }
    }
  }
  if (Movers.empty()) return false;
  // Room to move: the fill's letters go; the fill that follows gives new ones.
  for (std::size_t Cell = 0; Cell < Game.Grid.size(); ++Cell)
    if (Cover.Uses[Cell] == 0) Game.Grid[Cell] = EmptyChar;
  for (const auto& [Repeat, Entry] : Movers)
    if (Guard.Repeats(Game.Grid, Repeat)) MoveEntry(Entry);
  return true;
}

void WordSearchPlacer::MoveEntry(std::size_t Index) {
  const std::span<GridCell> Old = Cover.Path(Index);
  const std::string Word(SplitEntry(Game.Words[Index]).Item);
  if (Old.empty() || Old.size() != Word.size()) return;  // a path shorter than its word
  // Lay writes the word along Old; the entry's own cells are emptied first, and written again
  // where no new place is found.
  const auto Lay = [&] {
    for (std::size_t k = 0; k < Old.size(); ++k) {
      const std::size_t Cell = EntryCover::CellOf(Game, Old[k]);
      ++Cover.Uses[Cell];
      Game.Grid[Cell] = Word[k];
    }
  };
  for (const GridCell& Cell : Old)
    if (--Cover.Uses[EntryCover::CellOf(Game, Cell)] == 0)
      Game.Grid[EntryCover::CellOf(Game, Cell)] = EmptyChar;
  const std::optional<Placement> At = FindPlace(Word);
  if (!At) {
    Lay();
    return;
  }
  const int Cols = Game.Settings.Cols;
  const std::pair<int, int> From{static_cast<int>(EntryCover::CellOf(Game, Old.front())),
                                 static_cast<int>(EntryCover::CellOf(Game, Old.back()))};
  for (std::size_t k = 0; k < Old.size(); ++k)
    Old[k] = {At->X + 1 + static_cast<int>(k) * At->Step.Dx,
              At->Y + 1 + static_cast<int>(k) * At->Step.Dy};
  Lay();
  Guard.MoveAllowed(Word, From,
                    {At->Y * Cols + At->X, static_cast<int>(EntryCover::CellOf(Game, Old.back()))});
  Game.Words.Set(Index, Word + EmptyChar + EncodePath({Old.begin(), Old.end()}));
}

void WordSearchPlacer::Reord() {
  // An unlucky layout of the first words can leave a later one no place at all: the list is
  // laid out anew a few times before that word's failure is told. A word longer than the grid
  // fails in every layout.
  constexpr int Layouts = 8;
  std::vector<std::string> Untold;
  for (int Layout = 1;; ++Layout) {
    Game.ClearGrid();
    // Every listed word is guarded, also those not placed yet.
    MakeGuard(PlacedWords);
    PlacingList = true;
    Crowded = false;
    Untold.clear();
    Collected = Layout < Layouts ? &Untold : nullptr;
    const std::string* Failed = nullptr;
    for (const std::string& Word : PlacedWords)
      if (!EnterWordBytes(Word, false)) {
        Failed = &Word;
        break;
      }
    Collected = nullptr;
    PlacingList = false;
    Follow();
    if (!Failed || Layout == Layouts || !AnyEnabled() ||
        MakeSpans(static_cast<int>(Failed->size())) == 0) {
      for (const std::string& Message : Untold) Tell(ApplicationTitle, Message, Icon::None);
      break;
    }
  }
}

void WordSearchPlacer::DeleteAll() {
  PlacedWords.clear();
  Game.ClearGrid();
  MakeGuard({});
  Cover.Read(Game);
  Follow();
}

void WordSearchPlacer::PlaceEditedList(const std::vector<std::string>& Words,
                                       std::vector<std::string>* Refusals) {
  // Told once for the list rather than once for every word.
  if (const auto Refusal = RefuseUnrecordableGrid(Game.Settings.Cols, Game.Settings.Rows)) {
    if (Refusals)
      Refusals->push_back(*Refusal);
    else
      Tell(ApplicationTitle, *Refusal, Icon::Warning);
    return;
  }
  PlacedWords.clear();
  Game.ClearGrid();
  // Each word encoded once, for the guard and for placing it.
  const CodePage& Page = Codes();
  EncodedWords.clear();
  Guarded.clear();
  for (const std::string& Word : Words) {
    EncodedWords.push_back(Page.Encode(Word));
    std::string Bytes =
        EncodedWords.back().Ok() ? EncodedWords.back().Bytes : Page.EncodeDroppingUnencodable(Word);
    std::erase(Bytes, ' ');
    Guarded.push_back(Game.Case().Upper(Bytes));
  }
  MakeGuard(Guarded);
  // A word that fails has been told and stays out of the list; the others are still placed.
  PlacingList = true;
  Collected = Refusals;
  for (std::size_t i = 0; i < EncodedWords.size(); ++i)
    static_cast<void>(EnterEncoded(EncodedWords[i], true, &Guarded[i]));
  Collected = nullptr;
  PlacingList = false;
  Follow();
}

const CodePage& WordSearchPlacer::Codes() {
  // Looked up once per character set, not once per word.
  if (!CachedPage || CachedCharset != Game.Settings.Charset) {
    CachedPage = &Game.Codes();
    CachedCharset = Game.Settings.Charset;
  }
  return *CachedPage;
}

std::string WordSearchPlacer::WhereToChange(Setting What) const {
  return Game.Ui ? Game.Ui->WhereToChange(What) : UserInterface::InTheWindow(What);
}

void WordSearchPlacer::Tell(const std::string& Title, const std::string& Text, Icon Kind) {
  if (Collected) {
    Collected->push_back(Text);
  } else if (Game.Ui) {
    Game.Ui->Tell(Title, Text, Kind);
  }
}

}  // namespace vornic
