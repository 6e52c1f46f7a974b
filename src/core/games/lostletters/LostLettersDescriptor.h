#pragma once

#include "games/GameDescriptor.h"

namespace vornic {

// Lost letters: two blocks, the mixed one above the answer block, which holds the text on
// View.Solution.
class LostLettersDescriptor final : public GameDescriptor {
 public:
  const GameInfo& Info() const override;
  // Cols x 16 + 5 by Rows x 32 + 10: both blocks.
  std::pair<int, int> PictureSize(const TVornicGame& Game) const override;
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  // Input.Text in Input.Lines rows. False for an empty text and after telling why the text was
  // refused.
  [[nodiscard]] bool Build(TVornicGame& Game, const GameInput& Input) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
