#include "games/labyrinth/LabyrinthInput.h"

#include "games/labyrinth/LabyrinthFallbackPath.h"

namespace vornic {

std::string LabyrinthNoPathMessage(std::size_t Letters, int Cols, int Rows) {
  return "The text of " + std::to_string(Letters) +
         " letters found no path from border to border in the " + std::to_string(Cols) + " x " +
         std::to_string(Rows) + " grid. " + LabyrinthCapacityText(Cols, Rows) +
         ": use a shorter text or a larger grid.";
}

std::string LabyrinthCapacityText(int Cols, int Rows) {
  const int Largest = LargestLabyrinthText(Cols, Rows);
  return "A " + std::to_string(Cols) + " x " + std::to_string(Rows) +
         " grid holds texts of up to " + std::to_string(Largest) +
         (Largest == 1 ? " letter" : " letters");
}

}  // namespace vornic
