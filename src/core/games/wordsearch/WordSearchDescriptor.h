#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/GameDescriptor.h"

namespace vornic {

// What the word search draws: entry Highlight highlighted, as a click in the window's list
// shows it; -1 none.
struct WordSearchView : GameView {
  int Highlight = -1;
};

// What a word search is built of. Words are UTF-8 as typed.
struct WordSearchInput : GameInput {
  std::vector<std::string> Words;  // the word list in order
  std::optional<int> Cols, Rows;   // the grid size, 15 x 10 when not given
  bool Fill = false;               // fill the empty cells from the character set
};

// The word search: the standard grid, a word highlighted on request; its words copy in entry
// order.
class WordSearchDescriptor final : public GameDescriptor {
 public:
  static constexpr GameNames Name{"NewVornicGame", "&VornicGame", "VornicGame", "TVornicForm",
                                  "wordsearch"};
  // The grid a new word search starts with.
  static constexpr int StartCols = 15;
  static constexpr int StartRows = 10;

  const GameNames& Names() const override { return Name; }
  [[nodiscard]] bool Draw(TVornicGame& Game, const GameView& View) const override;
  std::optional<std::vector<int>> EntryReadings(const TVornicGame& Game) const override;
  std::optional<std::string> CopyWords(const TVornicGame& Game) const override;
  // Places Input.Words in order in all eight directions with intersections, as an edited list
  // is placed (a word that does not fit is told and left out), then fills the blanks when
  // Input.Fill. False when a word was left out.
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
