#include "document/TextExport.h"

#include "document/TVornicGame.h"

namespace vornic {

std::string GridAsText(const TVornicGame& Game) {
  std::string Text;
  const int Cols = Game.Settings.Cols;
  const int Rows = Game.Settings.Rows;
  Text.reserve(static_cast<std::size_t>((2 * Cols + 1) * Rows));
  for (int Y = 1; Y <= Rows; ++Y) {
    for (int X = 1; X <= Cols; ++X) {
      if (X > 1) Text += '\t';
      Text += Game.GetCell(X, Y);
    }
    Text += "\r\n";
  }
  return Text;
}

}  // namespace vornic
