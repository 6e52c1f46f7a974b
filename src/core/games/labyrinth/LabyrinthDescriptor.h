#pragma once

#include "games/GameDescriptor.h"

namespace vornic {

// The word labyrinth: its picture shows what View.Labyrinth switches on, the start mark on the
// first cell of the saved main path.
class LabyrinthDescriptor final : public GameDescriptor {
 public:
  static constexpr int StartCols = 15;
  static constexpr int StartRows = 10;

  const GameInfo& Info() const override;
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  // Input.Text through a grid of Input.Cols x Input.Rows (15 x 10 when not given). False for an
  // empty or refused text and when no main path could be laid; a grid left with blank cells is
  // built.
  [[nodiscard]] bool Build(TVornicGame& Game, const GameInput& Input) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
