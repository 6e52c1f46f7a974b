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
  // The lines of the word list in order; an empty line holds no word but counts in the line
  // numbers that refusals name ("Line 3 of the words").
  std::vector<std::string> Words;
  // The grid size, as the window's size list offers it; when not given, the offered size
  // nearest to square.
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
  // False after telling why (as the window tells it): a refused character of the phrase or a
  // line, or a maze that cannot be built in the size (MazeBuildFailure). Without a size given,
  // also false, untold, when no size is offered for the letters.
  [[nodiscard]] bool BuildInto(TVornicGame& Game, const GameInput& Input) const override;
  std::unique_ptr<GameInput> InputOfWords(const std::vector<std::string>& Words) const override;
  // The page to solve: see GameDescriptor::PageData.
  nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const override;
  // The worksheet: see GameDescriptor::Sheet and RecordSheet.
  SheetParts Sheet(const TVornicGame& Game) const override;
  void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const override;
};

}  // namespace vornic
