#pragma once

#include <string>
#include <vector>

namespace vornic {

class TVornicGame;

// What a puzzle page shows under the picture so the solver knows what to look for: the word
// search's and the maze's words, sorted as "Copy Words to Clipboard" sorts them, and the maze
// phrase's length as blanks (one "_" per character, a wider gap for a space). UTF-8. The other
// games need nothing beyond their picture.
struct SolverNotes {
  std::vector<std::string> Words;
  std::string PhraseBlanks;
};

SolverNotes NotesFor(const TVornicGame& Game);

}  // namespace vornic
