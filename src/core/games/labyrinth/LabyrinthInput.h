#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "games/TypedText.h"

namespace vornic {

// The labyrinth's text as typed (UTF-8), the way its build takes it: upper-cased bytes of the
// document's code page. Refused, before any build, when it is empty, holds a control character
// or holds a character the code page cannot hold; the refusal names the character.
TypedText ReadLabyrinthText(const CodePage& Page, std::string_view Utf8);

// What to tell the user when no try laid the main path: the text's length, the grid's size and
// what to change. The window and the command-line tool say the same.
std::string LabyrinthNoPathMessage(std::size_t Letters, int Cols, int Rows);

}  // namespace vornic
