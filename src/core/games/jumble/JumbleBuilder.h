#pragma once

#include <string>
#include <vector>

#include "document/TVornicGame.h"

namespace vornic {

// The jumbled-text window's builder without the window: it lays the words of a text out in word
// columns, each word with a hint box of its mixed letters and its answer cells, and writes the
// puzzle into the document's grid size, cells and word list. Line 0 of the word list is the
// text; lines 1 to N are the hint records (mixed letters, EmptyChar, each letter's answer cell as
// column + 100 and row + 100, then the segment start A + 100 and the word start B + 100).
// Messages go to the document's user interface.
class JumbleBuilder {
 public:
  static constexpr const char* TooLongMessage = "The text is too long. It does not fit to the grid";

  // One letter of a word and its answer cell.
  struct Letter {
    char Character;
    int X;
    int Y;
  };

  explicit JumbleBuilder(TVornicGame& Document) : Game(Document) {}

  // The "Mix words" switch: lay the words out in a random order.
  bool Mix = true;

  // Builds the puzzle of Text (bytes of the document's code page, as the text field holds it).
  // Returns false, after telling why, for a text with a control character or one that does not
  // fit a grid of 50 x 50 cells and 20 word columns, and silently for a blank text (nothing to
  // build); the document then keeps its puzzle.
  [[nodiscard]] bool Build(const std::string& Text);

  // Mixes the letters among Letters, leaving punctuation and digits where they stand (again
  // while they read as the word, unless all its letters are the same),
  // appends their hint record for segment start A and word start B to the word
  // list, and empties Letters for the next word.
  void SetTheGame(std::vector<Letter>& Letters, int A, int B);

  // The word-mix switch changed: takes the new state and rebuilds when the text holds more than
  // blanks. Returns whether a build ran and succeeded.
  [[nodiscard]] bool SetMix(bool NewMix, const std::string& Text);

 private:
  void Tell(const std::string& Text);

  TVornicGame& Game;
};

}  // namespace vornic
