#pragma once

#include <cstddef>
#include <string>

namespace vornic {

// What to tell the user when no try laid the main path: the text's length, the grid's size and
// what to change. The window and the command-line tool say the same.
std::string LabyrinthNoPathMessage(std::size_t Letters, int Cols, int Rows);

}  // namespace vornic
