#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vornic {

class WordList;

// Where the listed words of a word search can be read in its grid: along any of the eight
// directions, so a word read backwards is the word read the opposite way. A reading is known by
// the cells it covers (its two end cells): a palindrome read both ways, or a one-letter word,
// counts once per place. Cells are 0-based indexes into the grid string (row by row).
//
// A reading is allowed when it is the place of a word entry (Allow, AllowEntries); any other
// reading of a listed word is a repeat, a second answer to the same word.
class WordReadings {
 public:
  struct Reading {
    int Word;   // index into Words()
    int First;  // end cells; First <= Last
    int Last;
  };
  // A straight run of cells: the word being placed. Readings that lie wholly on it belong to it
  // (a listed word inside the new one, or the new word itself) and are not repeats.
  struct Segment {
    int First = 0;
    int Step = 0;
    int Length = 0;
    bool Holds(int Cell) const;
  };

  // Words: upper-cased bytes; empty words, words holding control characters and duplicates
  // are left out.
  WordReadings(const std::vector<std::string>& Words, int GridCols, int GridRows);

  const std::vector<std::string>& Words() const { return Listed; }
  // The reading of Word between the two end cells is the word's own place.
  void Allow(const std::string& Word, int FirstCell, int LastCell);
  // The places of the document's word entries (word, EmptyChar, path); damaged paths are skipped.
  void AllowEntries(const WordList& Entries);

  // Whether some listed word reads through Cell at a place that is neither allowed nor on Own.
  bool RepeatThrough(const std::string& Grid, int Cell, const Segment* Own = nullptr) const;
  // Every reading of a listed word that is not allowed.
  std::vector<Reading> Repeats(const std::string& Grid) const;
  // Whether the reading still lies in Grid.
  bool Reads(const std::string& Grid, const Reading& Where) const;
  // In how many places Word can be read in Grid (0 for a word that is not listed).
  int Count(const std::string& Grid, const std::string& Word) const;

 private:
  struct Step {
    int Dx, Dy;
  };
  static constexpr std::array<Step, 8> Steps{
      {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}}};

  // Whether word W lies from (X, Y) along S; the end cells on success.
  bool ReadsAt(const std::string& Grid, int W, int X, int Y, Step S, int& From, int& To) const;
  bool Allowed(int W, int First, int Last) const;
  static std::uint64_t Key(int W, int First, int Last);

  int Cols;
  int Rows;
  std::vector<std::string> Listed;
  std::unordered_map<std::string, int> IndexOf;
  // Where a letter stands in a listed word, with a neighbouring letter of the word as Key: a
  // reading through a cell must find that neighbour in the grid too, which rules out nearly
  // every word before a letter is compared. One flat table per kind, sorted by letter and Key.
  struct Spot {
    std::uint8_t Letter;
    std::uint8_t Key;
    int Word;
    int Position;
  };
  class SpotTable {
   public:
    void Add(const Spot& Item) { Items.push_back(Item); }
    void Sort();
    bool Has(std::uint8_t Letter) const { return Start[Letter] != Start[Letter + 1]; }
    // The spots of Letter whose Key is Neighbour.
    std::pair<const Spot*, const Spot*> Find(std::uint8_t Letter, char Neighbour) const;

   private:
    std::vector<Spot> Items;
    std::array<int, 257> Start{};
  };
  SpotTable Inner;   // Key: the letter after it
  SpotTable Ends;    // Key: the letter before it (words of two letters or more)
  SpotTable Starts;  // Key: the letter after it
  SpotTable OneLetter;
  std::unordered_set<std::uint64_t> AllowedPlaces;
};

}  // namespace vornic
