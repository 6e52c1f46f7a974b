#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "document/TVornicGame.h"
#include "games/wordsearch/WordReadings.h"

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

  // Places one typed word (UTF-8) at a random position in an enabled direction. Spaces are not
  // placed ("ICE CREAM" becomes ICECREAM). A place where the word would complete a second
  // reading of a listed word is not taken. Tells "No directions specified", a control character
  // or a character the puzzle's code page cannot hold, a grid too large to record the word's path
  // (RefuseUnrecordableGrid), or "Could not insert word " + word with a line saying why; returns
  // whether it was placed.
  [[nodiscard]] bool EnterWord(const std::string& Word, bool AddToList);
  // The same for a word already in the document's code page.
  [[nodiscard]] bool EnterWordBytes(const std::string& Word, bool AddToList);

  // Fills the empty cells so that no listed word can be read a second time (FillHidingWords);
  // marks the document modified when a cell changed. Returns how many words still repeat, which
  // only a character set of too few letters leaves. Tells, and fills nothing, when the character
  // set has no letter the document's code page can hold.
  int FillBlanks();
  // Clears the grid and places the list again, stopping at the first word that fails.
  void Reord();
  // Empties the list and the grid.
  void DeleteAll();
  // Empties the list and the grid, then places each word (UTF-8) of an edited list; a word that
  // fails is told and left out, the others are still placed. A grid too large to record word
  // paths (RefuseUnrecordableGrid) is told once and left as it was, list and all.
  void PlaceEditedList(const std::vector<std::string>& Words);

 private:
  struct Placement {
    int X, Y;
    Direction Step;
  };
  bool Fits(const std::string& Word, const Placement& At) const;
  // Whether writing Word at At would let a listed word be read where no entry lies; the grid is
  // left as it was.
  bool MakesRepeat(const std::string& Word, const Placement& At, const WordReadings& Guard);
  // The words a placement must not repeat: the list and Word, with the entries' places allowed.
  WordReadings MakeGuard(std::vector<std::string> Words) const;
  // The second line of "Could not insert word ": why, and what helps.
  std::string WhyNotPlaced(const std::string& Word) const;
  Direction RandomEnabledDirection() const;
  void Tell(const std::string& Title, const std::string& Text, Icon Kind);

  TVornicGame& Game;
  std::array<std::array<bool, 3>, 3> Directions{};
  // While a whole list is placed (Shuffle, an edited list): the guard of all its words, made
  // once, so that an early word never spells a later one by chance.
  std::optional<WordReadings> ListGuard;
};

}  // namespace vornic
