#pragma once

#include <string>

namespace vornic {

class TVornicGame;

// A game's "Copy as Text" as its window exports it (its descriptor's CopyText: the jumble's
// mixed words, the grid table for the other games); the grid table for a document of no known
// game. Bytes of the document's code page.
std::string GameAsText(const TVornicGame& Game);

// Puts GameAsText on the clipboard of the document's user interface as plain text (UTF-8).
void CopyGameAsText(TVornicGame& Game);

}  // namespace vornic
