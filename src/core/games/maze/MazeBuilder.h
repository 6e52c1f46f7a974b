#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/GridLimits.h"
#include "games/EntryPath.h"
#include "games/maze/MazeGrid.h"

namespace vornic {

class TVornicGame;

// Fills a W x H grid with a title phrase and a word list: the phrase letters are dropped on
// random free cells, then each word is laid letter by letter along a chain of orthogonally
// adjacent free cells. With W x H equal to the number of letters a successful build leaves no
// free cell. One builder serves one window; it keeps the grid of its last build.
//
// Text is bytes of the document's code page. Entries written to the document: entry 0 the
// phrase and its cells (EmptyChar alone for an empty phrase), then one per word in list order.
class MazeBuilder {
 public:
  static constexpr int MaxAttempts = 10001;
  static constexpr int TriesPerWord = 21;
  static constexpr int FailedStepsPerTry = 50;
  static constexpr int MaxSide = MaxPathSide;

  // Told true when a build starts and false when it ends, on every way out: the window shows
  // the busy cursor meanwhile. May be unset.
  std::function<void(bool Busy)> OnBusy;

  // Builds the grid and fills Game.Words; the caller has stored W and H in Game.Settings.
  // True when every word was laid; false when the attempts ran out, and at once (the document
  // untouched) when W or H is outside 1..MaxSide, the phrase has more letters than the grid has
  // cells, or a text holds a control character. On false the document holds the entries of the
  // last, unfinished attempt; the caller clears it.
  [[nodiscard]] bool BuildMaze(const std::vector<std::string>& Words, const std::string& Phrase,
                               int W, int H, TVornicGame& Game);

  // The grid of the last build row by row, the form of the document's Grid.
  std::string MazeGridText() const { return Grid.Text(); }
  // How many attempts the last build made (for the benchmark and tests).
  int Attempts() const { return AttemptCount; }

 private:
  void ScatterPhrase(const std::string& Phrase, TVornicGame& Game);
  bool PlaceWord(const std::string& Word, TVornicGame& Game);
  // One try of laying Letters from Start; leaves the laid cells in Path.
  void Walk(const std::string& Letters, GridCell Start);

  MazeGrid Grid;
  std::vector<GridCell> Path;
  int Placed = 0;
  // Whether the free cells are known to form one region: then a word's test only needs to look
  // around its path. False after scattering a phrase until a full count says otherwise.
  bool FreeConnected = false;
  int AttemptCount = 0;
};

}  // namespace vornic
