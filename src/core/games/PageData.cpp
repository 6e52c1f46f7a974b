#include "games/PageData.h"

#include "base/EmptyChar.h"
#include "base/Sha256.h"
#include "document/TVornicGame.h"

namespace vornic {

std::string AnswerSeal::Seal(std::string_view Key) const {
  return Sha256Hex(SaltText + std::string(Key));
}

std::string PathKey(const std::vector<GridCell>& Cells) {
  std::string Key;
  for (const GridCell& Cell : Cells) {
    if (!Key.empty()) Key += ' ';
    Key += std::to_string(Cell.X) + ',' + std::to_string(Cell.Y);
  }
  return Key;
}

std::string TypedKey(std::string_view Utf8) {
  std::string Key;
  for (const char C : Utf8)
    if (C != ' ' && C != '\t' && C != '\n' && C != '\r') Key += C;
  return Key;
}

nlohmann::json PageGrid(const TVornicGame& Game, std::string_view Cells) {
  const int Cols = Game.Settings.Cols;
  const int Rows = Game.Settings.Rows;
  nlohmann::json Grid = nlohmann::json::array();
  for (int Y = 0; Y < Rows; ++Y) {
    nlohmann::json Row = nlohmann::json::array();
    for (int X = 0; X < Cols; ++X) {
      const std::size_t At = static_cast<std::size_t>(Y) * Cols + X;
      const char Byte = At < Cells.size() ? Cells[At] : EmptyChar;
      Row.push_back(Byte == EmptyChar || Byte == ' ' ? std::string()
                                                     : Game.Codes().Decode(std::string(1, Byte)));
    }
    Grid.push_back(std::move(Row));
  }
  return {{"cols", Cols}, {"rows", Rows}, {"cells", std::move(Grid)}};
}

std::string LettersAlong(const TVornicGame& Game, const std::vector<GridCell>& Cells) {
  std::string Bytes;
  for (const GridCell& Cell : Cells)
    if (Game.InGrid(Cell.X, Cell.Y)) Bytes += Game.GetCell(Cell.X, Cell.Y);
  return Game.Codes().Decode(Bytes);
}

}  // namespace vornic
