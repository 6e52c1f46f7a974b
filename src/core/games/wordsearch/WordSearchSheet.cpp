// The word search on a worksheet: its instruction names the directions its words run in.
#include <array>

#include "document/TVornicGame.h"
#include "games/SheetWords.h"
#include "games/WordMarks.h"
#include "games/wordsearch/WordSearchDescriptor.h"

namespace vornic {
namespace {

// The ways a word can run, as a child would name them, in the order the instruction lists them.
enum Way { Across, Down, Up, Diagonally, Backwards, WayCount };
constexpr std::array<const char*, WayCount> WayNames{"across", "down", "up", "diagonally",
                                                     "backwards"};

Way WayOf(int Dx, int Dy) {
  if (Dx != 0 && Dy != 0) return Diagonally;
  if (Dx < 0) return Backwards;
  if (Dy > 0) return Down;
  if (Dy < 0) return Up;
  return Across;
}

// The directions the puzzle's words actually run in: the grid may have been built with only some
// of the eight, and the instruction should not send a child looking for a diagonal that is not
// there.
std::array<bool, WayCount> WaysUsed(const TVornicGame& Game) {
  std::array<bool, WayCount> Used{};
  for (const std::string& Entry : Game.Words) {
    const SplitWordEntry Parts = SplitEntry(Entry);
    const std::vector<GridCell> Cells = DecodePath(Parts.After, 2);
    if (Cells.size() == 2) Used[WayOf(Cells[1].X - Cells[0].X, Cells[1].Y - Cells[0].Y)] = true;
  }
  return Used;
}

std::string Instruction(const TVornicGame& Game) {
  const std::array<bool, WayCount> Used = WaysUsed(Game);
  std::vector<const char*> Names;
  for (int W = 0; W < WayCount; ++W)
    if (Used[static_cast<std::size_t>(W)]) Names.push_back(WayNames[static_cast<std::size_t>(W)]);
  std::string Text = "Find the words in the grid.";
  if (Names.empty()) return Text;
  if (Names.size() == 1) return Text + " They all go " + Names[0] + ".";
  Text += " They can go ";
  for (std::size_t i = 0; i < Names.size(); ++i) {
    if (i > 0) Text += i + 1 == Names.size() ? " and " : ", ";
    Text += Names[i];
  }
  return Text + ".";
}

}  // namespace

SheetParts WordSearchDescriptor::Sheet(const TVornicGame& Game) const {
  SheetParts Parts;
  Parts.Instruction = Instruction(Game);
  Parts.PlacedWords = PlacedWords(Game, 0);
  Parts.SortedWords = SortedWords(Game, 0);
  for (const std::string& Word : Parts.SortedWords)
    Parts.Answer += (Parts.Answer.empty() ? "" : ", ") + Word;
  return Parts;
}

// On the key the marks go under the letters, so every letter stays readable.
void WordSearchDescriptor::RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const {
  ResizeImage(Game);
  if (!AnswerKey) return Game.DrawGrid(true);
  BeginMarkedGrid(Game, 0, Style, Game.Grid);
  Game.MetaFile.EndDraw();
}

}  // namespace vornic
