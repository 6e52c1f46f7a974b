#include "games/wordsearch/WordReadings.h"

#include <algorithm>
#include <set>

#include "base/EmptyChar.h"
#include "document/WordList.h"
#include "games/EntryPath.h"

namespace vornic {
namespace {

bool Printable(const std::string& Word) {
  for (char C : Word)
    if (static_cast<std::uint8_t>(C) < 0x20) return false;
  return true;
}

}  // namespace

bool WordReadings::Segment::Holds(int Cell) const {
  if (Length <= 0) return false;
  if (Step == 0) return Cell == First;
  const int Offset = Cell - First;
  if (Offset % Step != 0) return false;
  const int Index = Offset / Step;
  return Index >= 0 && Index < Length;
}

WordReadings::WordReadings(const std::vector<std::string>& Words, int GridCols, int GridRows)
    : Cols(GridCols), Rows(GridRows) {
  for (const std::string& Word : Words) {
    if (Word.empty() || !Printable(Word) || IndexOf.contains(Word)) continue;
    const int W = static_cast<int>(Listed.size());
    IndexOf.emplace(Word, W);
    Listed.push_back(Word);
    const auto Byte = [&Word](int i) {
      return static_cast<std::uint8_t>(Word[static_cast<std::size_t>(i)]);
    };
    const int N = static_cast<int>(Word.size());
    if (N == 1) {
      OneLetter.Add({Byte(0), 0, W, 0});
      continue;
    }
    for (int i = 0; i + 1 < N; ++i) Inner.Add({Byte(i), Byte(i + 1), W, i});
    Ends.Add({Byte(N - 1), Byte(N - 2), W, N - 1});
    Starts.Add({Byte(0), Byte(1), W, 0});
  }
  for (SpotTable* Table : {&Inner, &Ends, &Starts, &OneLetter}) Table->Sort();
}

void WordReadings::SpotTable::Sort() {
  std::sort(Items.begin(), Items.end(), [](const Spot& A, const Spot& B) {
    return A.Letter != B.Letter ? A.Letter < B.Letter : A.Key < B.Key;
  });
  std::size_t i = 0;
  for (int Letter = 0; Letter <= 256; ++Letter) {
    while (i < Items.size() && Items[i].Letter < Letter) ++i;
    Start[static_cast<std::size_t>(Letter)] = static_cast<int>(i);
  }
}

std::pair<const WordReadings::Spot*, const WordReadings::Spot*> WordReadings::SpotTable::Find(
    std::uint8_t Letter, char Neighbour) const {
  const Spot* Begin = Items.data() + Start[Letter];
  const Spot* End = Items.data() + Start[Letter + 1];
  const auto Key = static_cast<std::uint8_t>(Neighbour);
  while (Begin != End && Begin->Key < Key) ++Begin;  // a handful of spots per letter
  const Spot* Stop = Begin;
  while (Stop != End && Stop->Key == Key) ++Stop;
  return {Begin, Stop};
}

std::uint64_t WordReadings::Key(int W, int First, int Last) {
  return (static_cast<std::uint64_t>(W) << 40) | (static_cast<std::uint64_t>(First) << 20) |
         static_cast<std::uint64_t>(Last);
}

void WordReadings::Allow(const std::string& Word, int FirstCell, int LastCell) {
  const auto Found = IndexOf.find(Word);
  if (Found == IndexOf.end()) return;
  if (FirstCell > LastCell) std::swap(FirstCell, LastCell);
  AllowedPlaces.insert(Key(Found->second, FirstCell, LastCell));
}

void WordReadings::AllowEntries(const WordList& Entries) {
  for (const std::string& Entry : Entries) {
    const auto Separator = Entry.find(EmptyChar);
    if (Separator == std::string::npos || Separator == 0) continue;
    const std::vector<GridCell> Cells =
        DecodePath(std::string_view(Entry).substr(Separator + 1), Separator);
    if (Cells.size() != Separator) continue;
    const GridCell& A = Cells.front();
    const GridCell& B = Cells.back();
    if (A.X < 1 || A.Y < 1 || B.X < 1 || B.Y < 1 || A.X > Cols || B.X > Cols || A.Y > Rows ||
        B.Y > Rows)
      continue;
    Allow(Entry.substr(0, Separator), (A.Y - 1) * Cols + A.X - 1, (B.Y - 1) * Cols + B.X - 1);
  }
}

bool WordReadings::Allowed(int W, int First, int Last) const {
  return AllowedPlaces.contains(Key(W, First, Last));
}

bool WordReadings::ReadsAt(const std::string& Grid, int W, int X, int Y, Step S, int& From,
                           int& To) const {
  const std::string& Word = Listed[static_cast<std::size_t>(W)];
  const int N = static_cast<int>(Word.size());
  const int EndX = X + (N - 1) * S.Dx;
  const int EndY = Y + (N - 1) * S.Dy;
  if (X < 0 || Y < 0 || X >= Cols || Y >= Rows || EndX < 0 || EndY < 0 || EndX >= Cols ||
      EndY >= Rows)
    return false;
  for (int k = 0; k < N; ++k)
    if (Grid[static_cast<std::size_t>((Y + k * S.Dy) * Cols + X + k * S.Dx)] !=
        Word[static_cast<std::size_t>(k)])
      return false;
  From = std::min(Y * Cols + X, EndY * Cols + EndX);
  To = std::max(Y * Cols + X, EndY * Cols + EndX);
  return true;
}

bool WordReadings::RepeatThrough(const std::string& Grid, int Cell, const Segment* Own) const {
  const int X = Cell % Cols;
  const int Y = Cell / Cols;
  const auto Letter = static_cast<std::uint8_t>(Grid[static_cast<std::size_t>(Cell)]);
  const auto Repeat = [&](int W, int StartX, int StartY, Step S) {
    int From = 0, To = 0;
    return ReadsAt(Grid, W, StartX, StartY, S, From, To) && !Allowed(W, From, To) &&
           !(Own && Own->Holds(From) && Own->Holds(To));
  };
  if (OneLetter.Has(Letter))
    for (auto [It, End] = OneLetter.Find(Letter, 0); It != End; ++It)
      if (Repeat(It->Word, X, Y, Steps[0])) return true;
  const bool Inside = Inner.Has(Letter), Ending = Ends.Has(Letter);
  if (!Inside && !Ending) return false;
  for (const Step S : Steps) {
    // The word goes on past this cell: the next cell holds its next letter.
    const int NextX = X + S.Dx, NextY = Y + S.Dy;
    if (Inside && NextX >= 0 && NextY >= 0 && NextX < Cols && NextY < Rows) {
      const auto [Begin, End] =
          Inner.Find(Letter, Grid[static_cast<std::size_t>(NextY * Cols + NextX)]);
      for (auto It = Begin; It != End; ++It)
        if (Repeat(It->Word, X - It->Position * S.Dx, Y - It->Position * S.Dy, S)) return true;
    }
    // The word ends here: the cell before holds its letter before the last.
    const int BackX = X - S.Dx, BackY = Y - S.Dy;
    if (Ending && BackX >= 0 && BackY >= 0 && BackX < Cols && BackY < Rows) {
      const auto [Begin, End] =
          Ends.Find(Letter, Grid[static_cast<std::size_t>(BackY * Cols + BackX)]);
      for (auto It = Begin; It != End; ++It)
        if (Repeat(It->Word, X - It->Position * S.Dx, Y - It->Position * S.Dy, S)) return true;
    }
  }
  return false;
}

std::vector<WordReadings::Reading> WordReadings::Repeats(const std::string& Grid) const {
  std::vector<Reading> Found;
  for (int Cell = 0; Cell < Cols * Rows; ++Cell) {
    const int X = Cell % Cols;
    const int Y = Cell / Cols;
    const auto Letter = static_cast<std::uint8_t>(Grid[static_cast<std::size_t>(Cell)]);
    int From = 0, To = 0;
    if (OneLetter.Has(Letter))
      for (auto [It, End] = OneLetter.Find(Letter, 0); It != End; ++It)
        if (ReadsAt(Grid, It->Word, X, Y, Steps[0], From, To) && !Allowed(It->Word, From, To))
          Found.push_back({It->Word, From, To});
    if (!Starts.Has(Letter)) continue;
    for (const Step S : Steps) {
      const int NextX = X + S.Dx, NextY = Y + S.Dy;
      if (NextX < 0 || NextY < 0 || NextX >= Cols || NextY >= Rows) continue;
      const auto [Begin, End] =
          Starts.Find(Letter, Grid[static_cast<std::size_t>(NextY * Cols + NextX)]);
      for (auto It = Begin; It != End; ++It)
        if (ReadsAt(Grid, It->Word, X, Y, S, From, To) && !Allowed(It->Word, From, To))
          Found.push_back({It->Word, From, To});
    }
  }
  return Found;
}

bool WordReadings::Reads(const std::string& Grid, const Reading& Where) const {
  // The word starts at either end cell, in one of the eight directions.
  for (const int Start : {Where.First, Where.Last})
    for (const Step S : Steps) {
      int First = 0, Last = 0;
      if (ReadsAt(Grid, Where.Word, Start % Cols, Start / Cols, S, First, Last) &&
          First == Where.First && Last == Where.Last)
        return true;
    }
  return false;
}

int WordReadings::Count(const std::string& Grid, const std::string& Word) const {
  const auto Found = IndexOf.find(Word);
  if (Found == IndexOf.end()) return 0;
  std::set<std::pair<int, int>> Places;
  for (int Cell = 0; Cell < Cols * Rows; ++Cell) {
    if (Grid[static_cast<std::size_t>(Cell)] != Word[0]) continue;
    for (const Step S : Steps) {
      int First = 0, Last = 0;
      if (ReadsAt(Grid, Found->second, Cell % Cols, Cell / Cols, S, First, Last))
        Places.insert({First, Last});
    }
  }
  return static_cast<int>(Places.size());
}

}  // namespace vornic
