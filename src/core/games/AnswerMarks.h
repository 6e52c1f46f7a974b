#pragma once

#include <cstddef>

#include "picture/DrawTypes.h"

namespace vornic {

class TVornicGame;

// The colour that marks answers on a key: red, or blue when the letters are red, as a
// highlighted word is.
TColor MarkColor(const TVornicGame& Game);

// A line through every entry from From on, in the mark colour, into the open recording.
void DrawWordLines(TVornicGame& Game, std::size_t From);

}  // namespace vornic
