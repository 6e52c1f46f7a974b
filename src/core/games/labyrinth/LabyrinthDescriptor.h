#pragma once

#include <optional>
#include <string>

#include "games/GameDescriptor.h"
#include "games/labyrinth/LabyrinthDrawing.h"

namespace vornic {

// What the labyrinth draws: the window's four check boxes.
struct LabyrinthGameView : GameView {
  LabyrinthView Switches = LabyrinthView::Initial();
};

// What a labyrinth is built of: the text (UTF-8 as typed) through a grid of Cols x Rows, 15 x 10
// when not given.
struct LabyrinthGameInput : GameInput {
  std::string Text;
  std::optional<int> Cols, Rows;
};

// The word labyrinth: its picture shows what the view switches on, the start mark on the first
// cell of the saved main path.
class LabyrinthDescriptor final : public GameDescriptor {
 public:
  static constexpr GameNames Name{"WordLabirint1", "Word&Labirint", "WordLabirint", "TLabirintForm",
                                  "labyrinth"};
  static constexpr int StartCols = 15;
  static constexpr int StartRows = 10;

  const GameNames& Names() const override { return Name; }
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  // Builds on the document's grid size. False after telling why, as the window tells it: a
  // refused or empty text, a grid too large to record paths in, no main path laid; false untold
  // for a text the builder takes as nothing to build. A grid left with blank cells is built.
  [[nodiscard]] bool BuildInto(TVornicGame& Game, const GameInput& Input) const override;
  std::unique_ptr<GameInput> InputOfWords(const std::vector<std::string>& Words) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;

 protected:
  // The grid of Input's size, 15 x 10 when not given.
  [[nodiscard]] bool StartPuzzle(TVornicGame& Game, const GameInput& Input) const override;
};

}  // namespace vornic
