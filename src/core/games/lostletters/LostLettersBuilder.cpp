#include "games/lostletters/LostLettersBuilder.h"

#include <algorithm>
#include <limits>

#include "base/RandomGenerator.h"
#include "games/TypedText.h"
#include "games/lostletters/LostLettersDrawing.h"
#include "picture/PictureLimits.h"

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
  if (const std::string Problem = PictureRefusal(Text.size(), Lines); !Problem.empty()) {
    Tell(Problem);
    return false;
  }

  const long long P = RowLength(Text.size(), Lines);
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

std::string LostLettersBuilder::PictureRefusal(std::size_t Length, int Lines) {
  // What a grid of P x Lines cells would draw (a row too long for the grid size to record is
  // far beyond the picture limits too).
  auto Problem = [Length](int Rows) {
    const long long Width = RowLength(Length, Rows) * TDrawMetaFile::CellSize + 5;
    return PictureSizeProblem(
        static_cast<int>(std::min<long long>(Width, std::numeric_limits<int>::max())),
        Rows * 2 * TDrawMetaFile::CellSize + 10);
  };
  const std::optional<std::string> Now = Problem(Lines);
  if (!Now) return {};
  // More lines make the picture narrower but not smaller: they help only against its width.
  for (int More = Lines + 1; More <= MaxLines; ++More)
    if (!Problem(More))
      return "The text is too long for the puzzle's picture. " + *Now + ". Choose " +
             std::to_string(More) + " lines or more, or shorten the text.";
  return "The text is too long for the puzzle's picture. " + *Now + ". Shorten the text.";
}

void LostLettersBuilder::Tell(const std::string& Text) {
  if (Game.Ui) Game.Ui->Tell(ApplicationTitle, Text, Icon::None);
}

}  // namespace vornic
