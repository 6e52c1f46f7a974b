#pragma once

#include <string>

namespace vornic {

class TVornicGame;

// The grid as a text table: a TAB between the cells of a row, CR LF after each row, bytes of the
// document's code page, empty cells kept as 0x19.
std::string GridAsText(const TVornicGame& Game);

}  // namespace vornic
