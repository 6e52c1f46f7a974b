#pragma once

#include <string>
#include <vector>

namespace vornic {

// How an answer key marks the words found: a line through each word's cells, or a rounded
// outline around each word as puzzle books print it. Either way the letters stay readable.
enum class KeyStyle { Lines, Outlines };

// Where the solver writes the answer on the puzzle page.
enum class AnswerSpace {
  None,    // the picture holds everything (a word search)
  Blanks,  // one "_" per character of the answer, its words apart (the maze's phrase)
  Lines    // ruled lines long enough to write the answer by hand
};

// What a worksheet prints of one puzzle beside its pictures, as its game gives it. Texts are
// UTF-8 in the puzzle's own letters.
struct SheetParts {
  // The puzzle page's instruction, one or two short sentences a child can read.
  std::string Instruction;
  // The words to look for: in the order they were placed, and in the order "Copy Words to
  // Clipboard" sorts them. Empty for the games without a word list.
  std::vector<std::string> PlacedWords;
  std::vector<std::string> SortedWords;
  // The answer written out in full under the key picture; empty when there is none.
  std::string Answer;
  AnswerSpace Space = AnswerSpace::None;
};

}  // namespace vornic
