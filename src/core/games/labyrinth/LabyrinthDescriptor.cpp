#include "games/labyrinth/LabyrinthDescriptor.h"

#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthBuilder.h"

namespace vornic {

bool LabyrinthDescriptor::Draw(TVornicGame& Game, const GameView& View) const {
  ResizeImage(Game);
  DoPaint(Game, OwnOptions<LabyrinthGameView>(View).Switches, StartCellFromDocument(Game));
  return true;
}

bool LabyrinthDescriptor::StartPuzzle(TVornicGame& Game, const GameInput& Given) const {
  const LabyrinthGameInput& Input = OwnOptions<LabyrinthGameInput>(Given);
  return Game.SetSize(Input.Cols.value_or(StartCols), Input.Rows.value_or(StartRows)) && Game.New();
}

bool LabyrinthDescriptor::BuildInto(TVornicGame& Game, const GameInput& Given) const {
  const LabyrinthGameInput& Input = OwnOptions<LabyrinthGameInput>(Given);
  const std::optional<std::string> Text = ReadTyped(Game, Input.Text);
  if (!Text) return false;
  LabyrinthBuilder Builder;
  const LabyrinthBuilder::Result Outcome = Builder.BuildLabyrinth(*Text, Game);
  return Outcome == LabyrinthBuilder::Result::Full || Outcome == LabyrinthBuilder::Result::NotFull;
}

std::unique_ptr<GameInput> LabyrinthDescriptor::InputOfWords(
    const std::vector<std::string>& Words) const {
  auto Input = std::make_unique<LabyrinthGameInput>();
  Input->Text = JoinWords(Words);
  return Input;
}

}  // namespace vornic
