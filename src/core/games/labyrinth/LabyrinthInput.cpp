#include "games/labyrinth/LabyrinthInput.h"

namespace vornic {

std::string LabyrinthNoPathMessage(std::size_t Letters, int Cols, int Rows) {
  return "The text of " + std::to_string(Letters) +
         " letters found no path from border to border in the " + std::to_string(Cols) + " x " +
         std::to_string(Rows) + " grid. Use a shorter text or a larger grid.";
}

}  // namespace vornic
