#pragma once

#include "games/GameDescriptor.h"

namespace vornic {

// The word maze: the standard grid with its phrase (entry 0) or a word highlighted; its words
// copy as the phrase and the sorted word list.
class MazeDescriptor final : public GameDescriptor {
 public:
  const GameInfo& Info() const override;
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  std::optional<std::string> CopyWords(const TVornicGame& Game) const override;
  // Input.Text is the phrase and Input.Words the word list. False, after telling a refused
  // character, when no size is offered for the letters, the asked size is not offered, or the
  // builder found no way to lay every word.
  [[nodiscard]] bool Build(TVornicGame& Game, const GameInput& Input) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
