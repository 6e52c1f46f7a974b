#pragma once

#include <string>
#include <vector>

#include "base/GridLimits.h"
#include "games/EntryPath.h"

namespace vornic {

class TVornicGame;

// Turns one text into a letter labyrinth: the text runs along a main path of orthogonally
// adjacent cells from a border cell to a border cell; trap branches then grow from cells of the
// main path and of earlier traps, each repeating the text's continuation from its branching
// cell, until no more fit. No trap carries the text's last letter, so the exit stays unique.
// Every text of up to LargestLabyrinthText letters (two fifths of the cells) gets its main path.
// One builder serves one window and keeps its last build (grid, text, start cell).
//
// Entries written to the document: 0 the whole text with the main path, offset 0; then one per
// trap in the order grown: the text's letters From..E, the path from the branching cell, and
// the offset From - 1 (see LabyrinthEntry). Text is bytes of the document's code page.
class LabyrinthBuilder {
 public:
  // Fills the working grid outside the W x H area: never free.
  static constexpr char OutsideChar = '\x12';
  static constexpr int MaxTries = 101;
  static constexpr int MainPathTries = 501;
  static constexpr int IdleTrapCalls = 501;
  static constexpr int FailedStepsPerTrap = 50;
  static constexpr int MaxSide = MaxPathSide;

  enum class Result {
    Full,           // every cell holds a letter
    NotFull,        // the last try stands with free cells (drawn blank)
    NoMainPath,     // no try laid the main path: the document is untouched
    NothingToBuild  // empty text, a control character, or a size outside 1..MaxSide: the
                    // document is untouched
  };

  // The window's build: upper-cases Text, takes W x H from the document's Cols and Rows and
  // tries up to MaxTries times for a full grid. Of the tries that laid the main path the one
  // with the fewest free cells stands (the first such) and is written into the document's Words
  // and Grid; when none did, the document keeps what it held.
  [[nodiscard]] Result BuildLabyrinth(const std::string& Text, TVornicGame& Game);

  // Lays Text (as given) along a main path from border to border on the document's Cols x Rows:
  // the random walk in up to MainPathTries tries, then the fallback (LabyrinthFallbackPath),
  // which always lays a text of up to LargestLabyrinthText letters. On success adds entry 0, sets
  // the start cell and writes the working grid into the document; on failure leaves the working
  // grid clear and the document as it was.
  [[nodiscard]] bool LayMainPath(const std::string& Text, TVornicGame& Game);
  // Tries to grow one trap from a random cell of a random entry of the builder's last main path
  // and its traps (what it added to the document); true when one was grown and added.
  bool AddTrap(TVornicGame& Game);

  bool GridIsFull() const;
  // The W x H cells row by row, the form of the document's Grid.
  std::string LabGridText() const;
  // A cell of the working grid; OutsideChar outside the W x H area.
  char Cell(int X, int Y) const;
  // The first cell of the last main path laid.
  GridCell StartCell() const { return Now.Start; }
  // The upper-cased text of the last build.
  const std::string& Text() const { return Letters; }
  // Per try of the last build, the cells it left free; -1 for a try that laid no main path.
  const std::vector<int>& FreeCellsPerTry() const { return TryFree; }

 private:
  // An entry as the builder keeps it: its k-th cell holds the text's letter Offset + k.
  struct Branch {
    std::vector<GridCell> Cells;
    int Offset = 0;
  };
  // Everything one try leaves: what the best try is kept as.
  struct Layout {
    std::vector<char> Cells;  // the W x H area row by row
    int FreeCells = 0;
    GridCell Start;
    std::vector<Branch> Entries;  // 0 the main path, then the traps in the order grown
  };

  void Clear(int NewW, int NewH);
  bool IsFree(int X, int Y) const;
  void Put(GridCell At, char C);
  bool HasFreeNeighbour(GridCell At) const;
  bool LayMain();
  bool TryMainPath();
  // A border cell, each equally likely.
  GridCell RandomBorderCell() const;
  bool GrowOneTrap();
  bool GrowTrap(GridCell Fork, int From, int To);
  static std::string EntryText(const std::string& Letters, const Branch& Entry);

  int W = 0;
  int H = 0;
  std::string Letters;
  Layout Now;
  std::vector<GridCell> MainPath;  // the cells of the text's letters 1..Len, while laying
  bool WalkGaveUp = false;         // in this build the random walk failed all its tries
  bool FallbackGaveUp = false;     // and so did the fallback
  std::vector<int> TryFree;
};

}  // namespace vornic
