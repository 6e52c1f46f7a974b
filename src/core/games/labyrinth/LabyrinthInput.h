#pragma once

#include <cstddef>
#include <string>

namespace vornic {

// What to tell the user when no try laid the main path: the text's length, the grid's size, the
// largest text a grid of that size holds, and what to change. The command-line tool says this.
std::string LabyrinthNoPathMessage(std::size_t Letters, int Cols, int Rows);

// "A 15 x 10 grid holds texts of up to 60 letters": the largest text that every labyrinth of
// that size lays (LargestLabyrinthText). The window's message and the tool's name it.
std::string LabyrinthCapacityText(int Cols, int Rows);

}  // namespace vornic
