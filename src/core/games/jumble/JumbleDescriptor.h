#pragma once

#include "games/GameDescriptor.h"

namespace vornic {

// The jumbled text: its own drawing with the answers on View.Solution; "Copy as Text" gives the
// hint list (the mixed words).
class JumbleDescriptor final : public GameDescriptor {
 public:
  const GameInfo& Info() const override;
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  std::string CopyText(const TVornicGame& Game) const override;
  // Input.Text, its words mixed when Input.Mix. False after telling why the text was refused.
  [[nodiscard]] bool Build(TVornicGame& Game, const GameInput& Input) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
