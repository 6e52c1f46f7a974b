#pragma once

#include <cstdint>
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
// That random walk rarely fills grids of more than about 900 cells: the free cells end up in
// pockets no word fits. When it has not succeeded within its work budget, the maze is laid
// along one twisted path through every cell instead (see TwistedPath), cut into the phrase
// letters and the words: every offered size builds, and the words bend as much as walked ones.
//
// Text is bytes of the document's code page. Entries written to the document: entry 0 the
// phrase and its cells (EmptyChar alone for an empty phrase), then one per word in list order.
class MazeBuilder {
 public:
  static constexpr int MaxAttempts = 10001;
  static constexpr int TriesPerWord = 21;
  static constexpr int FailedStepsPerTry = 50;
  static constexpr int MaxSide = MaxPathSide;
  // The walk's work budget in cells looked at and steps taken (see MazeGrid::CellsLookedAt),
  // counted rather than timed so that a seed gives the same maze on every machine. About a
  // tenth of a second of an ordinary processor's time; the twisted path then takes a few
  // hundredths more at the largest size.
  static constexpr std::uint64_t WalkWorkBudget = 40'000'000;

  // How the last build laid its words.
  enum class Method {
    None,         // the build was refused
    Walk,         // random walks from dead ends, the phrase scattered first
    TwistedPath,  // cut from one twisted path through every cell, after the walk gave up
  };

  // Told true when a build starts and false when it ends, on every way out: the window shows
  // the busy cursor meanwhile. May be unset.
  std::function<void(bool Busy)> OnBusy;
  // The walk's budget for the next builds; 0 lays every maze along a twisted path.
  std::uint64_t WalkBudget = WalkWorkBudget;

  // Builds the grid and fills Game.Words; the caller has stored W and H in Game.Settings.
  // True when every word was laid, by the walk or else along a twisted path: that always
  // succeeds. False at once, the document untouched, when W or H is outside 1..MaxSide, the
  // phrase and the words hold more letters than the grid has cells, or a text holds a control
  // character (MazeBuildFailure in MazeGame.h says which).
  [[nodiscard]] bool BuildMaze(const std::vector<std::string>& Words, const std::string& Phrase,
                               int W, int H, TVornicGame& Game);

  // The grid of the last build row by row, the form of the document's Grid.
  std::string MazeGridText() const { return Grid.Text(); }
  // How many attempts the walk of the last build made (for the benchmark and tests).
  int Attempts() const { return AttemptCount; }
  Method LastMethod() const { return Used; }

 private:
  void ScatterPhrase(const std::string& Phrase, TVornicGame& Game);
  bool PlaceWord(const std::string& Word, TVornicGame& Game);
  // One try of laying Letters from Start; leaves the laid cells in Path.
  void Walk(const std::string& Letters, GridCell Start);
  // The walking build: attempts until every word is laid or the budget is spent.
  bool WalkAll(const std::vector<std::string>& List, const std::string& Phrase, TVornicGame& Game);
  void LayAlongTwistedPath(const std::vector<std::string>& List, const std::string& Phrase,
                           TVornicGame& Game);

  MazeGrid Grid;
  std::vector<GridCell> Path;
  int Placed = 0;
  // Whether the free cells are known to form one region: then a word's test only needs to look
  // around its path. False after scattering a phrase until a full count says otherwise.
  bool FreeConnected = false;
  int AttemptCount = 0;
  std::uint64_t Steps = 0;  // walk steps drawn in this build
  Method Used = Method::None;
};

}  // namespace vornic
