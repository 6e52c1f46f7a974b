#pragma once

#include <string>

namespace vornic {

class TVornicGame;

// A game's "Copy as Text" as its window exports it: the jumble's mixed words, the grid table
// for the other games. Bytes of the document's code page; chosen by the document's game type.
std::string GameAsText(const TVornicGame& Game);

// Puts GameAsText on the clipboard of the document's user interface as plain text (UTF-8).
void CopyGameAsText(TVornicGame& Game);

}  // namespace vornic
