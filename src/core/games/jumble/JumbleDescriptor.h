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
};

}  // namespace vornic
