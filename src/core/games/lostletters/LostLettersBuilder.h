#pragma once

#include <cstddef>
#include <string>

#include "document/TVornicGame.h"

namespace vornic {

// The lost-letters window's builder without the window: it cuts a text into Lines rows of equal
// length P (padding the end with spaces), mixes the characters of every column among its rows,
// and writes the puzzle into the document: grid size P x Lines, the mixed cells, and the padded
// text (the solution) as the one line of the word list. Messages go to the document's user
// interface.
class LostLettersBuilder {
 public:
  static constexpr int MinLines = 2;
  static constexpr int MaxLines = 40;
  static constexpr int DefaultLines = 2;

  explicit LostLettersBuilder(TVornicGame& Document) : Game(Document) {}

  // Builds the puzzle of Text (bytes of the document's code page, untrimmed) in Lines rows.
  // Lines is brought into MinLines..MaxLines first, as the line-count control does. Returns
  // false and changes nothing for a text of spaces only or none (silently), and after telling why
  // for a text with a control character or one whose picture would exceed the picture limits
  // (PictureRefusal).
  [[nodiscard]] bool Build(const std::string& Text, int Lines);

  // Why a text of Length characters in Lines rows makes a picture too large to draw (which limit,
  // and whether more lines or only a shorter text helps); empty when it does not.
  static std::string PictureRefusal(std::size_t Length, int Lines);

  // Grid width for a text length: ceil(Length / Lines).
  static long long RowLength(std::size_t Length, int Lines);

 private:
  void Tell(const std::string& Text);

  TVornicGame& Game;
};

}  // namespace vornic
