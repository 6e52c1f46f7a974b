#pragma once

#include <string>

#include "games/GameDescriptor.h"

namespace vornic {

// What the jumble draws: the answer cells filled in on Solution ("Show solution").
struct JumbleView : GameView {
  bool Solution = false;
};

// What a jumble is built of: the text (UTF-8 as typed), its words mixed when Mix.
struct JumbleInput : GameInput {
  std::string Text;
  bool Mix = true;
};

// The jumbled text: its own drawing, the answers shown on the view's Solution; "Copy as Text"
// gives the hint list (the mixed words).
class JumbleDescriptor final : public GameDescriptor {
 public:
  static constexpr GameNames Name{"JumbledUp1", "JumbledUp", "JumbledUp", "TJumbleForm", "jumble"};

  const GameNames& Names() const override { return Name; }
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  std::string CopyText(const TVornicGame& Game) const override;
  // "Copy Words to Clipboard": the answer, the text in its own order as it was built; nothing
  // for an empty puzzle.
  std::optional<std::string> CopyWords(const TVornicGame& Game) const override;
  // False after telling why the text was refused.
  [[nodiscard]] bool BuildInto(TVornicGame& Game, const GameInput& Input) const override;
  std::unique_ptr<GameInput> InputOfWords(const std::vector<std::string>& Words) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
