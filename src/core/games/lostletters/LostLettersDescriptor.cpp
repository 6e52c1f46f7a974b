#include "games/lostletters/LostLettersDescriptor.h"

#include "document/TVornicGame.h"
#include "games/lostletters/LostLettersDrawing.h"

namespace vornic {

std::pair<int, int> LostLettersDescriptor::PictureSize(const TVornicGame& Game) const {
  return LostLettersDrawing::PictureSize(Game);
}

std::optional<std::string> LostLettersDescriptor::CopyWords(const TVornicGame& Game) const {
  if (Game.Words.empty()) return std::nullopt;
  std::string Text = Game.Words[0];
  Text.erase(Text.find_last_not_of(' ') + 1);
  return Text;
}

bool LostLettersDescriptor::Draw(TVornicGame& Game, const GameView& View) const {
  ResizeImage(Game);
  LostLettersDrawing Drawing(Game);
  Drawing.Solution = OwnOptions<LostLettersView>(View).Solution;
  // An empty puzzle has nothing to draw: the picture stays blank, as in the window.
  static_cast<void>(Drawing.DrawTheGame());
  return true;
}

bool LostLettersDescriptor::BuildInto(TVornicGame& Game, const GameInput& Given) const {
  const LostLettersInput& Input = OwnOptions<LostLettersInput>(Given);
  const std::optional<std::string> Text = ReadTyped(Game, Input.Text);
  if (!Text) return false;
  LostLettersBuilder Builder(Game);
  return Builder.Build(*Text, Input.Lines);
}

std::unique_ptr<GameInput> LostLettersDescriptor::InputOfWords(
    const std::vector<std::string>& Words) const {
  auto Input = std::make_unique<LostLettersInput>();
  Input->Text = JoinWords(Words);
  return Input;
}

}  // namespace vornic
