#include "games/wordsearch/WordReadings.h"

#include <algorithm>

#include "base/EmptyChar.h"
#include "document/WordList.h"

namespace vornic {
namespace {

bool Printable(std::string_view Word) {
  for (char C : Word)
    if (static_cast<std::uint8_t>(C) < 0x20) return false;
  return true;
}

std::uint32_t HashOf(std::string_view Bytes) {
  std::uint32_t Hash = 2166136261u;  // FNV-1a
  for (char C : Bytes) Hash = (Hash ^ static_cast<std::uint8_t>(C)) * 16777619u;
  return Hash;
}

}  // namespace

void WordReadings::KeyTable::Clear() {
  // The buckets stay as many as the last index needed: words entered one by one then find
  // them ready instead of spreading the table again and again.
  Items.clear();
  std::fill(Heads.begin(), Heads.end(), -1);
}

void WordReadings::KeyTable::Add(std::uint32_t Key, int Pattern) {
  // About a bucket a pattern: only places that Begins lets through look here.
  if (Items.size() >= Heads.size()) {
    Heads.assign(2 * Heads.size(), -1);
    --Shift;
    for (std::size_t i = 0; i < Items.size(); ++i) {
      int& Head = Heads[(Items[i].Key * 0x9E3779B1u) >> Shift];
      Items[i].Next = Head;
      Head = static_cast<int>(i);
    }
  }
  int& Head = Heads[(Key * 0x9E3779B1u) >> Shift];
  Items.push_back({Key, Pattern, Head});
  Head = static_cast<int>(Items.size()) - 1;
}

WordReadings::WordReadings(const std::vector<std::string>& Words, int GridCols, int GridRows) {
  Reset(Words, GridCols, GridRows);
}

void WordReadings::Reset(const std::vector<std::string>& Words, int GridCols, int GridRows) {
  Cols = GridCols;
  Rows = GridRows;
  ByCols = FastDivider(static_cast<std::uint32_t>(std::max(Cols, 1)));
  MaxLength = 0;
  MinLength = 0;
  Text.clear();
  Patterns.clear();
  WordPattern.clear();
  Places.clear();
  FirstPlace.clear();
  std::size_t SlotCount = std::max<std::size_t>(16, Slots.size());  // as KeyTable::Clear
  while (SlotCount < 2 * Words.size()) SlotCount *= 2;
  Slots.assign(SlotCount, -1);
  for (KeyTable* Table : {&Three, &Two, &One}) Table->Clear();
  Code.fill(0);
  Coded = 0;
  Begins.assign(std::size_t{1} << 15 >> 6, 0);
  for (const std::string& Listed : Words) Add(Listed);
}

int WordReadings::AddPattern(int W, int Offset, int Length) {
  const int Index = static_cast<int>(Patterns.size());
  Patterns.push_back({Offset, Length, W});
  const char* Letters = Text.data() + Offset;
  KeyTable& Table = Length >= 3 ? Three : Length == 2 ? Two : One;
  std::uint32_t Key = 0, Codes = 0;
  for (int i = 0; i < Length; ++i) {
    const auto Byte = static_cast<std::uint8_t>(Letters[i]);
    if (Code[Byte] == 0) Code[Byte] = Coded < 31 ? ++Coded : 31;
    if (i < 3) {
      Key |= std::uint32_t{Byte} << (8 * i);
      Codes |= std::uint32_t{Code[Byte]} << (5 * i);
    }
  }
  Table.Add(Key, Index);
  const auto Mark = [this](std::uint32_t Bit) {
    Begins[Bit >> 6] |= std::uint64_t{1} << (Bit & 63);
  };
  // A word of two letters begins whatever the third letter is, or where the line ends.
  if (Length >= 3) Mark(Codes);
  if (Length == 2)
    for (std::uint32_t Third = 0; Third < 32; ++Third) Mark(Codes | Third << 10);
  return Index;
}

void WordReadings::Add(const std::string& Listed) {
  if (Listed.empty() || !Printable(Listed) || Begins.empty()) return;
  if (2 * (WordPattern.size() + 1) > Slots.size()) {
    // Twice as many slots as words keeps the probes short.
    Slots.assign(2 * Slots.size(), -1);
    for (int W = 0; W < WordCount(); ++W) {
      std::size_t Slot = HashOf(Word(W)) & (Slots.size() - 1);
      while (Slots[Slot] >= 0) Slot = (Slot + 1) & (Slots.size() - 1);
      Slots[Slot] = W;
    }
  }
  const std::size_t Mask = Slots.size() - 1;
  std::size_t Slot = HashOf(Listed) & Mask;
  while (Slots[Slot] >= 0 && Word(Slots[Slot]) != Listed) Slot = (Slot + 1) & Mask;
  if (Slots[Slot] >= 0) return;  // listed twice
  const int W = WordCount();
  const int Length = static_cast<int>(Listed.size());
  const int Offset = static_cast<int>(Text.size());
  Text += Listed;
  Slots[Slot] = W;
  WordPattern.push_back(AddPattern(W, Offset, Length));
  FirstPlace.push_back(-1);
  MaxLength = std::max(MaxLength, Length);
  if (Length > 1) MinLength = MinLength == 0 ? Length : std::min(MinLength, Length);
  // Read backwards the word is its reverse read forwards; a palindrome is its own reverse.
  if (Length > 1 && !std::equal(Listed.begin(), Listed.end(), Listed.rbegin())) {
    Text.append(Listed.rbegin(), Listed.rend());
    AddPattern(W, Offset + Length, Length);
  }
}

std::string_view WordReadings::Word(int W) const {
  const Pattern& P = Patterns[static_cast<std::size_t>(WordPattern[static_cast<std::size_t>(W)])];
  return std::string_view(Text).substr(static_cast<std::size_t>(P.Offset),
                                       static_cast<std::size_t>(P.Length));
}

int WordReadings::Find(std::string_view Listed) const {
  if (Slots.empty()) return -1;
  const std::size_t Mask = Slots.size() - 1;
  for (std::size_t Slot = HashOf(Listed) & Mask; Slots[Slot] >= 0; Slot = (Slot + 1) & Mask)
    if (Word(Slots[Slot]) == Listed) return Slots[Slot];
  return -1;
}

void WordReadings::Allow(std::string_view Listed, int FirstCell, int LastCell) {
  const int W = Find(Listed);
  if (W < 0) return;
  if (FirstCell > LastCell) std::swap(FirstCell, LastCell);
  int& Head = FirstPlace[static_cast<std::size_t>(W)];
  Places.push_back({FirstCell, LastCell, Head});
  Head = static_cast<int>(Places.size()) - 1;
}

void WordReadings::MoveAllowed(std::string_view Listed, std::pair<int, int> From,
                               std::pair<int, int> To) {
  const int W = Find(Listed);
  if (W < 0) return;
  if (From.first > From.second) std::swap(From.first, From.second);
  if (To.first > To.second) std::swap(To.first, To.second);
  for (int i = FirstPlace[static_cast<std::size_t>(W)]; i >= 0;
       i = Places[static_cast<std::size_t>(i)].Next) {
    Place& At = Places[static_cast<std::size_t>(i)];
    if (At.First == From.first && At.Last == From.second) {
      At.First = To.first;
      At.Last = To.second;
      return;
    }
  }
  Allow(Listed, To.first, To.second);
}

void WordReadings::AllowEntries(const WordList& Entries) {
  for (const std::string& Entry : Entries) {
    const auto Separator = Entry.find(EmptyChar);
    if (Separator == std::string::npos || Separator == 0) continue;
    const std::string_view Path = std::string_view(Entry).substr(Separator + 1);
    if (Path.size() < 2 * Separator) continue;
    // Only the two end cells name the place.
    const auto At = [&Path](std::size_t i) {
      return static_cast<int>(static_cast<std::uint8_t>(Path[i])) - PathOffset;
    };
    const int AX = At(0), AY = At(1), BX = At(2 * Separator - 2), BY = At(2 * Separator - 1);
    if (std::min({AX, AY, BX, BY}) < 1 || std::max(AX, BX) > Cols || std::max(AY, BY) > Rows)
      continue;
    Allow(std::string_view(Entry).substr(0, Separator), (AY - 1) * Cols + AX - 1,
          (BY - 1) * Cols + BX - 1);
  }
}

bool WordReadings::LetterAt(const char* Grid, int X, int Y) const {
  return X >= 0 && Y >= 0 && X < Cols && Y < Rows && Grid[Y * Cols + X] != EmptyChar;
}

bool WordReadings::Allowed(int W, int First, int Last) const {
  for (int i = FirstPlace[static_cast<std::size_t>(W)]; i >= 0;
       i = Places[static_cast<std::size_t>(i)].Next)
    if (Places[static_cast<std::size_t>(i)].First == First &&
        Places[static_cast<std::size_t>(i)].Last == Last)
      return true;
  return false;
}

template <typename Coder, typename Visit>
bool WordReadings::ReadLine(const char* Grid, int First, int Step, int Room, int Starts,
                            Coder&& CodeOf, Visit&& Found) const {
  // The codes of the next three letters roll on a cell at a time; one bit of Begins rules out
  // nearly every start. A letter of no word (the empty cell's byte above all) has code 0, which
  // no pattern holds.
  std::uint32_t Codes = 0;
  for (int k = 0; k < std::min(Room, 3); ++k)
    Codes |= std::uint32_t{CodeOf(First + k * Step)} << (5 * k);
  const bool AnyTwo = !Two.Empty();
  const auto Byte = [Grid](int Cell) {
    return std::uint32_t{static_cast<std::uint8_t>(Grid[Cell])};
  };
  for (int i = 0; i < Starts && i + 1 < Room; ++i) {
    const int Start = First + i * Step;
    if (Begun(Codes) && Codes >> 10 != 0) {
      const std::uint32_t Key =
          Byte(Start) | Byte(Start + Step) << 8 | Byte(Start + 2 * Step) << 16;
      for (auto [It, End] = Three.Find(Key); It != End; ++It) {
        if (It->Key != Key) continue;
        const Pattern& P = Patterns[static_cast<std::size_t>(It->Pattern)];
        if (P.Length > Room - i) continue;
        const char* Letters = Text.data() + P.Offset;
        int k = 3;
        while (k < P.Length && Grid[Start + k * Step] == Letters[k]) ++k;
        if (k == P.Length && Found(P, Start, Start + (P.Length - 1) * Step)) return true;
      }
    }
    if (AnyTwo && Begun(Codes)) {
      const std::uint32_t Key = Byte(Start) | Byte(Start + Step) << 8;
      for (auto [It, End] = Two.Find(Key); It != End; ++It)
        if (It->Key == Key &&
            Found(Patterns[static_cast<std::size_t>(It->Pattern)], Start, Start + Step))
          return true;
    }
    Codes >>= 5;
    if (i + 3 < Room) Codes |= std::uint32_t{CodeOf(Start + 3 * Step)} << 10;
  }
  return false;
}

template <typename Visit>
void WordReadings::ReadAll(const std::string& Grid, Visit&& Found) const {
  if (Grid.size() < static_cast<std::size_t>(Cols) * static_cast<std::size_t>(Rows)) return;
  const char* G = Grid.data();
  if (!One.Empty())
    for (int Cell = 0; Cell < Cols * Rows; ++Cell) {
      const std::uint32_t Key = static_cast<std::uint8_t>(G[Cell]);
      for (auto [It, End] = One.Find(Key); It != End; ++It)
        if (It->Key == Key) Found(Patterns[static_cast<std::size_t>(It->Pattern)].Word, Cell, Cell);
    }
  if (MaxLength < 2) return;
  // Each cell's code once; every line of the four forward steps from its first cell on, its
  // starts passed over on one bit each in a tight loop, the rare others read in full.
  std::vector<std::uint8_t> Codes(Grid.begin(), Grid.begin() + Cols * Rows);
  for (std::uint8_t& C : Codes) C = Code[C];
  const std::uint8_t* const C = Codes.data();
  const std::uint64_t* const Bits = Begins.data();
  const auto CodeOf = [C](int Cell) { return C[Cell]; };
  const auto Report = [&Found](const Pattern& P, int Start, int Last) {
    Found(P.Word, Start, Last);
    return false;
  };
  const auto Line = [&](int First, int Step, int Count) {
    if (Count < 2) return;
    std::uint32_t Key = C[First] | std::uint32_t{C[First + Step]} << 5;
    if (Count > 2) Key |= std::uint32_t{C[First + 2 * Step]} << 10;
    int i = 0;
    for (int Next = First + 3 * Step; i + 3 < Count; ++i, Next += Step) {
      if (Bits[Key >> 6] >> (Key & 63) & 1)
        ReadLine(G, First + i * Step, Step, Count - i, 1, CodeOf, Report);
      Key = Key >> 5 | std::uint32_t{C[Next]} << 10;
    }
    for (; i + 1 < Count; ++i, Key >>= 5)
      if (Bits[Key >> 6] >> (Key & 63) & 1)
        ReadLine(G, First + i * Step, Step, Count - i, 1, CodeOf, Report);
  };
  for (int Y = 0; Y < Rows; ++Y) Line(Y * Cols, 1, Cols);
  for (int X = 0; X < Cols; ++X) Line(X, Cols, Rows);
  for (int X = 0; X < Cols; ++X) {
    Line(X, Cols + 1, std::min(Cols - X, Rows));
    Line(X, Cols - 1, std::min(X + 1, Rows));
  }
  for (int Y = 1; Y < Rows; ++Y) {
    Line(Y * Cols, Cols + 1, std::min(Cols, Rows - Y));
    Line(Y * Cols + Cols - 1, Cols - 1, std::min(Cols, Rows - Y));
  }
}

template <typename Visit>
bool WordReadings::ReadRun(const char* Grid, int X, int Y, int Dx, int Dy, int Reach,
                           Visit&& Found) const {
  // Cells before (X, Y) and from it on to the grid's edge along the forward step (Dx, Dy).
  const int Before = std::min(Dx > 0 ? X : Dx < 0 ? Cols - 1 - X : Y, Dy > 0 ? Y : X + Cols);
  const int From = std::min(Dx > 0   ? Cols - X
                            : Dx < 0 ? X + 1
                                     : Rows - Y,
                            Dy > 0 ? Rows - Y : Cols);
  const int Step = Dy * Cols + Dx, Cell = Y * Cols + X;
  // A reading lies on letters, and reaches at most MaxLength - 1 cells past the run's ends.
  int Back = 0;
  while (Back < std::min(Before, MaxLength - 1) && Grid[Cell - (Back + 1) * Step] != EmptyChar)
    ++Back;
  int Run = Back;  // cells of the run from its first on
  while (Run - Back < std::min(From, Reach + MaxLength) &&
         Grid[Cell + (Run - Back) * Step] != EmptyChar)
    ++Run;
  if (Run < MinLength) return false;
  return ReadLine(
      Grid, Cell - Back * Step, Step, Run, Back + Reach + 1,
      [C = Code.data(), Grid](int At) { return C[static_cast<std::uint8_t>(Grid[At])]; }, Found);
}

bool WordReadings::RepeatThrough(const std::string& Grid, int Cell) const {
  const char* G = Grid.data();
  if (G[Cell] == EmptyChar) return false;
  if (!One.Empty()) {
    const std::uint32_t Key = static_cast<std::uint8_t>(G[Cell]);
    for (auto [It, End] = One.Find(Key); It != End; ++It)
      if (It->Key == Key &&
          !Allowed(Patterns[static_cast<std::size_t>(It->Pattern)].Word, Cell, Cell))
        return true;
  }
  if (MaxLength < 2) return false;
  const auto Y = static_cast<int>(ByCols.Quotient(static_cast<std::uint32_t>(Cell)));
  const int X = Cell - Y * Cols;
  for (const auto& [Dx, Dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, 1}}) {
    // A reading of two letters or more has a letter next to Cell along its line.
    if (!LetterBeside(G, X, Y, Dx, Dy)) continue;
    if (ReadRun(G, X, Y, Dx, Dy, 0, [&](const Pattern& P, int Start, int Last) {
          return Last >= Cell && !Allowed(P.Word, Start, Last);
        }))
      return true;
  }
  return false;
}

bool WordReadings::RepeatAround(const std::string& Grid, const Segment& Own,
                                const std::vector<int>& Written) const {
  // A one-letter word in a new letter lies wholly on Own.
  if (MaxLength < 2 || Own.Length < 1 || Written.empty()) return false;
  const char* G = Grid.data();
  // Own from its first cell along a forward step (right, down, down-right, down-left).
  const bool Forward = Own.Dy > 0 || (Own.Dy == 0 && Own.Dx > 0);
  const int Dx = Forward ? Own.Dx : -Own.Dx, Dy = Forward ? Own.Dy : -Own.Dy;
  const int X = Forward ? Own.X : Own.X + (Own.Length - 1) * Own.Dx;
  const int Y = Forward ? Own.Y : Own.Y + (Own.Length - 1) * Own.Dy;
  // Along Own's line, once: a reading not wholly on Own has a letter next to one of its ends.
  if (LetterAt(G, X - Dx, Y - Dy) || LetterAt(G, X + Own.Length * Dx, Y + Own.Length * Dy)) {
    const int First = Y * Cols + X, Last = First + (Own.Length - 1) * (Dy * Cols + Dx);
    if (ReadRun(G, X, Y, Dx, Dy, Own.Length - 1, [&](const Pattern& P, int From, int To) {
          if (From >= First && To <= Last) return false;  // wholly on Own
          bool ThroughNew = false;
          for (int Cell : Written) ThroughNew = ThroughNew || (Cell >= From && Cell <= To);
          return ThroughNew && !Allowed(P.Word, From, To);
        }))
      return true;
  }
  // Across it through each new letter: a reading of two letters or more has a letter next to
  // the new one.
  for (int Cell : Written) {
    const auto CellY = static_cast<int>(ByCols.Quotient(static_cast<std::uint32_t>(Cell)));
    const int CellX = Cell - CellY * Cols;
    for (const auto& [AcrossX, AcrossY] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, 1}}) {
      if ((AcrossX == Dx && AcrossY == Dy) || !LetterBeside(G, CellX, CellY, AcrossX, AcrossY))
        continue;
      if (ReadRun(G, CellX, CellY, AcrossX, AcrossY, 0, [&](const Pattern& P, int From, int To) {
            return To >= Cell && !Allowed(P.Word, From, To);
          }))
        return true;
    }
  }
  return false;
}

std::vector<WordReadings::Reading> WordReadings::Repeats(const std::string& Grid) const {
  std::vector<Reading> Found;
  ReadAll(Grid, [&](int W, int First, int Last) {
    if (!Allowed(W, First, Last)) Found.push_back({W, First, Last});
  });
  return Found;
}

bool WordReadings::Reads(const std::string& Grid, const Reading& Where) const {
  if (Where.Word < 0 || Where.Word >= WordCount() || Where.First < 0 || Where.Last >= Cols * Rows ||
      static_cast<std::size_t>(Where.Last) >= Grid.size())
    return false;
  const std::string_view Listed = Word(Where.Word);
  const int N = static_cast<int>(Listed.size());
  const int Span = Where.Last - Where.First;
  if (N == 1) return Span == 0 && Grid[static_cast<std::size_t>(Where.First)] == Listed[0];
  if (Span <= 0 || Span % (N - 1) != 0) return false;
  const int Step = Span / (N - 1);
  bool Forward = true, Backward = true;
  for (int k = 0; k < N; ++k) {
    const char C = Grid[static_cast<std::size_t>(Where.First + k * Step)];
    Forward = Forward && C == Listed[static_cast<std::size_t>(k)];
    Backward = Backward && C == Listed[static_cast<std::size_t>(N - 1 - k)];
  }
  return Forward || Backward;
}

std::vector<int> WordReadings::Counts(const std::string& Grid) const {
  std::vector<int> Count(WordPattern.size(), 0);
  ReadAll(Grid, [&Count](int W, int, int) { ++Count[static_cast<std::size_t>(W)]; });
  return Count;
}

}  // namespace vornic
