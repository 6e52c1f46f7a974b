#include "games/wordsearch/WordReadings.h"

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

WordReadings::WordReadings(const std::vector<std::string>& Words, int Cols, int Rows)
    : Cols(Cols), Rows(Rows) {
  for (const std::string& Word : Words) {
    if (Word.empty() || !Printable(Word) || IndexOf.contains(Word)) continue;
    const int W = static_cast<int>(Listed.size());
    IndexOf.emplace(Word, W);
    Listed.push_back(Word);
    for (int i = 0; i < static_cast<int>(Word.size()); ++i)
      ByLetter[static_cast<std::uint8_t>(Word[static_cast<std::size_t>(i)])].push_back({W, i});
    ByFirstLetter[static_cast<std::uint8_t>(Word[0])].push_back(W);
  }
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

bool WordReadings::ReadsAt(const std::string& Grid, int W, int X, int Y, Step S, int& First,
                           int& Last) const {
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
  First = std::min(Y * Cols + X, EndY * Cols + EndX);
  Last = std::max(Y * Cols + X, EndY * Cols + EndX);
  return true;
}

bool WordReadings::RepeatThrough(const std::string& Grid, int Cell, const Segment* Own) const {
  const int X = Cell % Cols;
  const int Y = Cell / Cols;
  for (const auto& [W, Position] :
       ByLetter[static_cast<std::uint8_t>(Grid[static_cast<std::size_t>(Cell)])]) {
    const bool OneLetter = Listed[static_cast<std::size_t>(W)].size() == 1;
    for (const Step S : Steps) {
      int First = 0, Last = 0;
      if (ReadsAt(Grid, W, X - Position * S.Dx, Y - Position * S.Dy, S, First, Last) &&
          !Allowed(W, First, Last) && !(Own && Own->Holds(First) && Own->Holds(Last)))
        return true;
      if (OneLetter) break;  // every direction reads the same cell
    }
  }
  return false;
}

std::vector<WordReadings::Reading> WordReadings::Repeats(const std::string& Grid) const {
  std::vector<Reading> Found;
  for (int Cell = 0; Cell < Cols * Rows; ++Cell) {
    const int X = Cell % Cols;
    const int Y = Cell / Cols;
    for (int W : ByFirstLetter[static_cast<std::uint8_t>(Grid[static_cast<std::size_t>(Cell)])]) {
      const bool OneLetter = Listed[static_cast<std::size_t>(W)].size() == 1;
      for (const Step S : Steps) {
        int First = 0, Last = 0;
        if (ReadsAt(Grid, W, X, Y, S, First, Last) && !Allowed(W, First, Last))
          Found.push_back({W, First, Last});
        if (OneLetter) break;
      }
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
