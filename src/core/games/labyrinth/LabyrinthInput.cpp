#include "games/labyrinth/LabyrinthInput.h"

namespace vornic {

TypedText ReadLabyrinthText(const CodePage& Page, std::string_view Utf8) {
  TypedText Text = ReadTypedText(Page, Utf8);
  if (Text.Ok() && Text.Bytes.empty())
    Text.Refusal = "The text is empty: there is nothing to build a labyrinth from.";
  return Text;
}

std::string LabyrinthNoPathMessage(std::size_t Letters, int Cols, int Rows) {
  return "The text of " + std::to_string(Letters) +
         " letters found no path from border to border in the " + std::to_string(Cols) + " x " +
         std::to_string(Rows) + " grid. Use a shorter text or a larger grid.";
}

}  // namespace vornic
