#include "games/lostletters/LostLettersBuilder.h"

#include <algorithm>
#include <limits>

#include "base/RandomGenerator.h"
#include "games/TypedText.h"
#include "games/lostletters/LostLettersDrawing.h"

namespace vornic {

long long LostLettersBuilder::RowLength(std::size_t Length, int Lines) {
  const auto Count = static_cast<long long>(Length);
  return Count / Lines + (Count % Lines != 0 ? 1 : 0);
}

bool LostLettersBuilder::Build(const std::string& Text, int Lines) {
  if (IsBlankText(Text)) return false;
  if (const std::string Refusal = ControlCharacterRefusal(Text); !Refusal.empty()) {
    Tell(Refusal);
    return false;
  }
  Lines = std::clamp(Lines, MinLines, MaxLines);
  const long long P = RowLength(Text.size(), Lines);
  if (P > std::numeric_limits<std::uint16_t>::max()) {
    Tell(TooWideMessage);
    return false;
  }

  Game.ClearGrid();
  Game.SetSize(P, Lines);
  LostLettersDrawing::ResizeImage(Game);
  std::string Padded = Text;
  Padded.append(static_cast<std::size_t>(P * Lines) - Text.size(), ' ');
  Game.Words.Add(Padded);
  Game.SetGrid(Padded);

  const int Width = static_cast<int>(P);
  for (int X = 1; X <= Width; ++X) {
    for (int Y = 1; Y <= Lines; ++Y) {
      const int R = RandomGenerator::Uniform(Lines) + 1;
      const char Held = Game.GetCell(X, R);
      Game.SetCell(X, R, Game.GetCell(X, Y));
      Game.SetCell(X, Y, Held);
    }
  }
  return true;
}

void LostLettersBuilder::Tell(const std::string& Text) {
  if (Game.Ui) Game.Ui->Tell(ApplicationTitle, Text, Icon::None);
}

}  // namespace vornic
