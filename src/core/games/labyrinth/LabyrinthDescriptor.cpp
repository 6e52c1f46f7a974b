#include "games/labyrinth/LabyrinthDescriptor.h"

#include "document/TVornicGame.h"
#include "games/EntryPath.h"
#include "games/labyrinth/LabyrinthBuilder.h"
#include "games/labyrinth/LabyrinthInput.h"

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
  const std::optional<std::string> Text = ReadField(Game, Input.Text, "The text");
  if (!Text) return false;
  if (Text->empty()) {
    Tell(Game, "Type the text that the labyrinth leads through, then build.", Icon::Information);
    return false;
  }
  const int Cols = Game.Settings.Cols, Rows = Game.Settings.Rows;
  // A grid from a file may be larger than a path can record; the builder would refuse it unsaid.
  if (const auto Refusal = RefuseUnrecordableGrid(Cols, Rows)) {
    Tell(Game, *Refusal, Icon::Warning);
    return false;
  }
  LabyrinthBuilder Builder;
  const LabyrinthBuilder::Result Outcome =
      WhileBusy(Input, [&] { return Builder.BuildLabyrinth(*Text, Game); });
  if (Outcome == LabyrinthBuilder::Result::NoMainPath) {
    // The document kept its labyrinth.
    const std::string Size = std::to_string(Cols) + " x " + std::to_string(Rows);
    Tell(Game,
         "The text does not fit a " + Size +
             " grid: no path from border to border was found for it. " +
             LabyrinthCapacityText(Cols, Rows) +
             ": make the text shorter or the grid larger in Grid settings.",
         Icon::Warning);
    return false;
  }
  return Outcome == LabyrinthBuilder::Result::Full || Outcome == LabyrinthBuilder::Result::NotFull;
}

std::unique_ptr<GameInput> LabyrinthDescriptor::InputOfWords(
    const std::vector<std::string>& Words) const {
  auto Input = std::make_unique<LabyrinthGameInput>();
  Input->Text = JoinWords(Words);
  return Input;
}

}  // namespace vornic
