#pragma once

#include "games/GameDescriptor.h"

namespace vornic {

// The word search: the standard grid, a word highlighted on request; its words copy in entry
// order.
class WordSearchDescriptor final : public GameDescriptor {
 public:
  // The grid a new word search starts with.
  static constexpr int StartCols = 15;
  static constexpr int StartRows = 10;

  const GameInfo& Info() const override;
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  std::optional<std::string> CopyWords(const TVornicGame& Game) const override;
  // Places Input.Words in order in all eight directions with intersections, as an edited list
  // is placed (a word that does not fit is told and left out), then fills the blanks when
  // Input.Fill. False when a word was left out.
  [[nodiscard]] bool Build(TVornicGame& Game, const GameInput& Input) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
