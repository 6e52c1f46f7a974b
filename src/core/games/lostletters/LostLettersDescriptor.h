#pragma once

#include <string>

#include "games/GameDescriptor.h"
#include "games/lostletters/LostLettersBuilder.h"

namespace vornic {

// What lost letters draw: the answer block holds the text on Solution ("Show solution").
struct LostLettersView : GameView {
  bool Solution = false;
};

// What a lost-letters puzzle is built of: the text (UTF-8 as typed) in Lines rows.
struct LostLettersInput : GameInput {
  std::string Text;
  int Lines = LostLettersBuilder::DefaultLines;
};

// Lost letters: two blocks, the mixed one above the answer block.
class LostLettersDescriptor final : public GameDescriptor {
 public:
  static constexpr GameNames Name{"LostLetters1", "LostLetters", "LostLetters", "TLostLettersForm",
                                  "lostletters"};

  const GameNames& Names() const override { return Name; }
  // Cols x 16 + 5 by Rows x 32 + 10: both blocks.
  std::pair<int, int> PictureSize(const TVornicGame& Game) const override;
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  // "Copy Words to Clipboard": the answer, the phrase without the spaces that pad its last row;
  // nothing for an empty puzzle.
  std::optional<std::string> CopyWords(const TVornicGame& Game) const override;
  // False for an empty text and after telling why the text was refused.
  [[nodiscard]] bool BuildInto(TVornicGame& Game, const GameInput& Input) const override;
  std::unique_ptr<GameInput> InputOfWords(const std::vector<std::string>& Words) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
