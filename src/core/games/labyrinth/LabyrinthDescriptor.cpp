#include "games/labyrinth/LabyrinthDescriptor.h"

#include "document/TVornicGame.h"
#include "games/GameTable.h"
#include "games/labyrinth/LabyrinthBuilder.h"

namespace vornic {

const GameInfo& LabyrinthDescriptor::Info() const {
  return *FindGameByTypeName(GameTypeName::WordLabyrinth);
}

bool LabyrinthDescriptor::Draw(TVornicGame& Game, const GameView& View) const {
  ResizeImage(Game);
  DoPaint(Game, View.Labyrinth, StartCellFromDocument(Game));
  return true;
}

bool LabyrinthDescriptor::Build(TVornicGame& Game, const GameInput& Input) const {
  if (!Game.SetSize(Input.Cols.value_or(StartCols), Input.Rows.value_or(StartRows)) || !Game.New())
    return false;
  const std::optional<std::string> Text = ReadTyped(Game, Input.Text);
  if (!Text) return false;
  LabyrinthBuilder Builder;
  const LabyrinthBuilder::Result Outcome = Builder.BuildLabyrinth(*Text, Game);
  return Outcome == LabyrinthBuilder::Result::Full || Outcome == LabyrinthBuilder::Result::NotFull;
}

}  // namespace vornic
