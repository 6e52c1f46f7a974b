#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/GameDescriptor.h"

namespace vornic {

// What the word maze draws: entry Highlight highlighted (the phrase, entry 0, when -1), as its
// window shows a maze after a build; Plain, the grid without it, as "Refresh" draws it.
struct MazeView : GameView {
  int Highlight = -1;
  bool Plain = false;
};

// What a word maze is built of, UTF-8 as typed.
struct MazeGameInput : GameInput {
  std::string Phrase;
  std::vector<std::string> Words;  // the word list in order
  // One of the offered sizes; the one nearest to square when not given.
  std::optional<int> Cols, Rows;
};

// The word maze: the standard grid with its phrase (entry 0) or a word highlighted; its words
// copy as the phrase and the sorted word list.
class MazeDescriptor final : public GameDescriptor {
 public:
  static constexpr GameNames Name{"WordMaze1", "&WordMaze", "WordMaze", "TWordMazeForm", "maze"};

  const GameNames& Names() const override { return Name; }
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  std::optional<std::string> CopyWords(const TVornicGame& Game) const override;
  // False, after telling a refused character, when no size is offered for the letters, the
  // asked size is not offered, or the builder found no way to lay every word.
  [[nodiscard]] bool BuildInto(TVornicGame& Game, const GameInput& Input) const override;
  std::unique_ptr<GameInput> InputOfWords(const std::vector<std::string>& Words) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
