#include "games/jumble/JumbleDescriptor.h"

#include "document/TVornicGame.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleDrawing.h"
#include "games/jumble/JumbleText.h"

namespace vornic {

bool JumbleDescriptor::Draw(TVornicGame& Game, const GameView& View) const {
  ResizeImage(Game);
  JumbleDrawing Drawing(Game);
  Drawing.Solution = OwnOptions<JumbleView>(View).Solution;
  // Without hint records there is nothing to draw: the picture stays blank, as in the window.
  static_cast<void>(Drawing.DrawTheGame());
  return true;
}

std::string JumbleDescriptor::CopyText(const TVornicGame& Game) const {
  return JumbleAsText(Game);
}

std::optional<std::string> JumbleDescriptor::CopyWords(const TVornicGame& Game) const {
  // Entry 0 is the text as it was typed; the hint records follow it.
  if (Game.Words.empty()) return std::nullopt;
  return std::string(SplitEntry(Game.Words[0]).Item);
}

bool JumbleDescriptor::BuildInto(TVornicGame& Game, const GameInput& Given) const {
  const JumbleInput& Input = OwnOptions<JumbleInput>(Given);
  const std::optional<std::string> Text = ReadTyped(Game, Input.Text);
  if (!Text) return false;
  JumbleBuilder Builder(Game);
  Builder.Mix = Input.Mix;
  return Builder.Build(*Text);
}

std::unique_ptr<GameInput> JumbleDescriptor::InputOfWords(
    const std::vector<std::string>& Words) const {
  auto Input = std::make_unique<JumbleInput>();
  Input->Text = JoinWords(Words);
  return Input;
}

}  // namespace vornic
