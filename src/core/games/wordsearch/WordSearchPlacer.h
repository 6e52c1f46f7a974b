#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/TVornicGame.h"

namespace vornic {

// A direction as column step and row step; positive Dy goes down the grid.
struct Direction {
  int Dx;
  int Dy;
};

// The word search window's placement state, without the window: its word list (ListBox1's
// contents, bytes of the document's code page), the eight direction flags and Intersections.
// Messages go through the document's user interface. Flags are per placer, so per window.
class WordSearchPlacer {
 public:
  static constexpr int MaxAttempts = 10000;

  explicit WordSearchPlacer(TVornicGame& Document);

  // The direction of a direction check box by its Tag (1 up, 2 down, 3 left, 4 right, 5 up and
  // right, 6 up and left, 7 down and right, 8 down and left).
  static Direction DirectionOfTag(int Tag);

  bool IsEnabled(Direction Step) const { return Directions[Step.Dx + 1][Step.Dy + 1]; }
  void SetEnabled(Direction Step, bool On);
  void EnableAll();
  bool AnyEnabled() const;

  bool Intersect = true;
  std::vector<std::string> ListBox1;

  // Places one typed word (UTF-8) at a random position in an enabled direction. Tells "No
  // directions specified", a character the puzzle's code page cannot hold, or "Could not
  // insert word " + word; returns whether it was placed.
  [[nodiscard]] bool EnterWord(const std::string& Word, bool AddToList);
  // The same for a word already in the document's code page.
  [[nodiscard]] bool EnterWordBytes(const std::string& Word, bool AddToList);

  void FillBlanks();
  // Clears the grid and places the list again, stopping at the first word that fails.
  void Reord();
  // Empties the list and the grid.
  void DeleteAll();
  // Empties the list and the grid, then places each word (UTF-8) of an edited list; a word that
  // fails is told and left out, the others are still placed.
  void PlaceEditedList(const std::vector<std::string>& Words);

 private:
  struct Placement {
    int X, Y;
    Direction Step;
  };
  bool Fits(const std::string& Word, const Placement& At) const;
  Direction RandomEnabledDirection() const;
  void Tell(const std::string& Title, const std::string& Text, Icon Kind);

  TVornicGame& Game;
  std::array<std::array<bool, 3>, 3> Directions{};
};

}  // namespace vornic
