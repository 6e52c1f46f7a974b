#pragma once

#include <string>
#include <vector>

namespace vornic {

class TVornicGame;

// What a puzzle page shows under the picture so the solver knows what to look for (a game's
// descriptor gives it): words sorted as "Copy Words to Clipboard" sorts them, and a phrase's
// length as blanks. UTF-8. Games whose picture says it all leave both empty.
struct SolverNotes {
  std::vector<std::string> Words;
  std::string PhraseBlanks;
};

// Words (bytes of the document's code page) as the notes list them: sorted ignoring letter
// case as the clipboard's word list is, one per line of that list (an entry without a word, a
// damaged one, has nothing to look for and is left out), in UTF-8.
std::vector<std::string> NoteWords(std::vector<std::string> Words, const TVornicGame& Game);

}  // namespace vornic
