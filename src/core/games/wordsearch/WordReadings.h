#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/EmptyChar.h"
#include "base/FastDivider.h"

namespace vornic {

class WordList;

// Where the listed words of a word search can be read in its grid: along any of the eight
// directions, so a word read backwards is the word read the opposite way. A reading is known by
// the cells it covers (its two end cells): a palindrome read both ways, or a one-letter word,
// counts once per place. Cells are 0-based indexes into the grid string (row by row), which
// holds GridCols x GridRows bytes.
//
// A reading is allowed when it is the place of a word entry (Allow, AllowEntries); any other
// reading of a listed word is a repeat, a second answer to the same word.
//
// Each word and its reverse are looked up by their first three letters along the four forward
// steps (right, down, down-right, down-left), one bit telling at nearly every place that no word
// begins there; a whole grid costs four such bits a cell, and a changed cell only the runs of
// letters through it.
class WordReadings {
 public:
  struct Reading {
    int Word;   // index into the listed words
    int First;  // end cells; First <= Last
    int Last;
  };
  // A straight run of cells: the word being placed. Readings that lie wholly on it belong to it
  // (a listed word inside the new one, or the new word itself) and are not repeats.
  struct Segment {
    int X = 0;  // 0-based column and row of its first cell
    int Y = 0;
    int Dx = 0;
    int Dy = 0;
    int Length = 0;
  };

  WordReadings() = default;
  // Words: upper-cased bytes; empty words, words holding control characters and duplicates
  // are left out.
  WordReadings(const std::vector<std::string>& Words, int GridCols, int GridRows);
  // Indexes Words anew, with no place allowed. The memory of the last index is used again, so
  // that building puzzle after puzzle allocates nothing once warm.
  void Reset(const std::vector<std::string>& Words, int GridCols, int GridRows);
  // Adds one word to the index, as if Reset had been given it too (nothing for a word left out
  // or listed already); the places allowed so far stay. Cheap: a word entered after another is
  // added, not the whole list indexed again.
  void Add(const std::string& Listed);

  int WordCount() const { return static_cast<int>(WordPattern.size()); }
  // The listed word's index, or -1.
  int Find(std::string_view Word) const;
  // The listed word W, upper-cased bytes.
  std::string_view Word(int W) const;
  // The reading of Word between the two end cells is the word's own place.
  void Allow(std::string_view Word, int FirstCell, int LastCell);
  // The word's allowed place between From's end cells lies between To's now.
  void MoveAllowed(std::string_view Word, std::pair<int, int> From, std::pair<int, int> To);
  // The places of the document's word entries (word, EmptyChar, path); damaged paths are skipped.
  void AllowEntries(const WordList& Entries);

  // Whether some listed word reads through Cell at a place that is not allowed.
  bool RepeatThrough(const std::string& Grid, int Cell) const;
  // Whether, with the word being placed written at Own (its new letters in the Written cells),
  // some listed word reads through a new letter at a place that is not allowed and not wholly
  // on Own.
  bool RepeatAround(const std::string& Grid, const Segment& Own,
                    const std::vector<int>& Written) const;
  // Every reading of a listed word that is not allowed.
  std::vector<Reading> Repeats(const std::string& Grid) const;
  // Whether the reading still lies in Grid.
  bool Reads(const std::string& Grid, const Reading& Where) const;
  // Whether the reading still lies in Grid at a place that is not allowed.
  bool Repeats(const std::string& Grid, const Reading& Where) const {
    return Reads(Grid, Where) && !Allowed(Where.Word, Where.First, Where.Last);
  }
  // For every listed word: in how many places it can be read in Grid.
  std::vector<int> Counts(const std::string& Grid) const;

 private:
  // A listed word, or its reverse, read along a forward step.
  struct Pattern {
    int Offset;  // into Text
    int Length;
    int Word;
  };
  // Patterns by the key of their first letters (three for words of three letters or more, else
  // all of them): a multiplicative hash of the key to a chain of entries, about one a bucket, so
  // that a word can be added at any time. A hash collision costs one key comparison.
  class KeyTable {
   public:
    struct Entry {
      std::uint32_t Key;
      int Pattern;
      int Next;  // the bucket's next entry, or -1
    };
    // Walks a bucket's chain.
    struct Link {
      const Entry* Items;
      int At;
      const Entry* operator->() const { return Items + At; }
      Link& operator++() {
        At = Items[At].Next;
        return *this;
      }
      bool operator!=(const Link& Other) const { return At != Other.At; }
    };
    void Clear();
    void Add(std::uint32_t Key, int Pattern);
    bool Empty() const { return Items.empty(); }
    std::pair<Link, Link> Find(std::uint32_t Key) const {
      return {{Items.data(), Heads[(Key * 0x9E3779B1u) >> Shift]}, {Items.data(), -1}};
    }

   private:
    std::vector<Entry> Items;
    std::vector<int> Heads = std::vector<int>(16, -1);
    int Shift = 28;
  };
  struct Place {
    int First;
    int Last;
    int Next;  // the word's next allowed place, or -1
  };

  // Indexes the listed word W, or its reverse, at Offset in Text; returns the pattern's index.
  int AddPattern(int W, int Offset, int Length);
  bool Allowed(int W, int First, int Last) const;
  bool LetterAt(const char* Grid, int X, int Y) const;
  // Whether the cell (X, Y) has a letter next to it on either side along the step (Dx, Dy).
  // Asked for every new letter in every direction: inline, and away from the border it only
  // looks at the two letters.
  bool LetterBeside(const char* Grid, int X, int Y, int Dx, int Dy) const {
    if (X > 0 && Y > 0 && X + 1 < Cols && Y + 1 < Rows) {
      const int Cell = Y * Cols + X, Step = Dy * Cols + Dx;
      return Grid[Cell - Step] != EmptyChar || Grid[Cell + Step] != EmptyChar;
    }
    return LetterAt(Grid, X - Dx, Y - Dy) || LetterAt(Grid, X + Dx, Y + Dy);
  }
  // Calls Found(Pattern, FirstCell, LastCell) for each pattern of two letters or more that
  // reads along Step from one of Starts cells from First on, Room cells being left in the grid
  // from First that way; stops and returns true when Found does. CodeOf(Cell) gives the code
  // of a cell's letter.
  template <typename Coder, typename Visit>
  bool ReadLine(const char* Grid, int First, int Step, int Room, int Starts, Coder&& CodeOf,
                Visit&& Found) const;
  // Reads the letter run through the cell (X, Y) along the forward step (Dx, Dy) from at most
  // Before cells back to at most After cells on, as far as letters go, and calls ReadLine on it
  // with the starts up to the cell Reach cells on.
  template <typename Visit>
  bool ReadRun(const char* Grid, int X, int Y, int Dx, int Dy, int Reach, Visit&& Found) const;
  // Calls Found(Word, First, Last) for every reading of a listed word.
  template <typename Visit>
  void ReadAll(const std::string& Grid, Visit&& Found) const;

  int Cols = 0;
  int Rows = 0;
  FastDivider ByCols;
  int MaxLength = 0;
  int MinLength = 0;  // of the words of two letters or more
  std::string Text;
  std::vector<Pattern> Patterns;
  std::vector<int> WordPattern;  // each word's forward pattern
  std::vector<int> Slots;        // open addressing by the word's bytes: word index or -1
  KeyTable Three, Two, One;
  // A small code for each letter of the words (0: in none of them; letters past the 31st share
  // the last code) and one bit for each key of three letter codes (five bits each, the first
  // lowest) with which a pattern can begin: most places of a grid are passed over on one bit.
  std::array<std::uint8_t, 256> Code{};
  std::uint8_t Coded = 0;  // codes given so far
  std::vector<std::uint64_t> Begins;
  bool Begun(std::uint32_t Codes) const { return (Begins[Codes >> 6] >> (Codes & 63) & 1) != 0; }
  std::vector<int> FirstPlace;  // per word, into Places, or -1
  std::vector<Place> Places;
};

}  // namespace vornic
