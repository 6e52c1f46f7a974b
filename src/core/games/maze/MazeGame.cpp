#include "games/maze/MazeGame.h"

#include <algorithm>

#include "base/CodePage.h"
#include "base/TextLines.h"
#include "document/DocumentSnapshot.h"
#include "document/TVornicGame.h"
#include "games/SortedWords.h"
#include "games/TypedText.h"

namespace vornic {

std::optional<std::string> CheckMazeInput(const MazeInput& Input, int CharsetCode) {
  if (auto Problem = RefuseControlCharacters(Input.Phrase, "The title phrase")) return Problem;
  for (std::size_t i = 0; i < Input.Words.size(); ++i)
    if (auto Problem = RefuseControlCharacters(Input.Words[i],
                                               "Word " + std::to_string(i + 1) + " of the list"))
      return Problem;
  // Two equal words would give the solver two paths for one word. The list is upper-cased.
  for (std::size_t i = 1; i < Input.Words.size(); ++i) {
    const std::vector<std::string> Earlier(Input.Words.begin(),
                                           Input.Words.begin() + static_cast<std::ptrdiff_t>(i));
    std::string Refusal =
        RepeatRefusal(CodePage::ForCharset(CharsetCode), Input.Words[i], Earlier, false);
    if (!Refusal.empty()) return Refusal;
  }
  return std::nullopt;
}

std::string MazeBuildFailure(const MazeInput& Input, MazeSize Size, int CharsetCode) {
  const std::string Where = "The maze cannot be built in " + FormatSize(Size) + ": ";
  if (Size.W < 1 || Size.H < 1 || Size.W > MazeBuilder::MaxSide || Size.H > MazeBuilder::MaxSide)
    return Where + "a maze has 3 to 50 columns and rows. Choose one of the offered sizes.";
  if (auto Problem = CheckMazeInput(Input, CharsetCode)) return Where + *Problem;
  const long long Letters = LetterTotal(Input.Phrase, Input.Words);
  const long long Cells = static_cast<long long>(Size.W) * Size.H;
  if (Letters > Cells)
    return Where + "the title phrase and the words hold " + std::to_string(Letters) +
           " letters, but the grid has " + std::to_string(Cells) +
           " cells, one for each letter. Remove " + std::to_string(Letters - Cells) +
           (Letters - Cells == 1 ? " letter" : " letters") +
           " or choose a size of as many cells as there are letters.";
  return {};
}

bool BuildMazeGame(TVornicGame& Game, MazeBuilder& Builder, const MazeInput& Input, MazeSize Size) {
  if (Size.W < 1 || Size.H < 1 || Size.W > MazeBuilder::MaxSide || Size.H > MazeBuilder::MaxSide ||
      CheckMazeInput(Input, Game.Settings.Charset))
    return false;
  // The builder works in the document; a failure puts the previous maze back.
  const DocumentSnapshot Before(Game);
  Game.Settings.Cols = static_cast<std::uint16_t>(Size.W);
  Game.Settings.Rows = static_cast<std::uint16_t>(Size.H);
  Game.ResizeImage();
  if (Builder.BuildMaze(Input.Words, Input.Phrase, Size.W, Size.H, Game)) {
    Game.SetGrid(Builder.MazeGridText());
    return true;
  }
  Before.RestoreTo(Game);
  return false;
}

MazeInput MazeInputFromDocument(const TVornicGame& Game) {
  MazeInput Input;
  Game.ListWords(Input.Words);
  if (!Input.Words.empty()) {
    Input.Phrase = Input.Words.front();
    Input.Words.erase(Input.Words.begin());
  }
  return Input;
}

std::string MazeWordsText(const MazeInput& Input, int CharsetCode) {
  std::vector<std::string> Sorted = Input.Words;
  SortIgnoringCase(Sorted, CharsetCode);
  Sorted.insert(Sorted.begin(), {Input.Phrase, std::string()});
  return JoinCrLf(Sorted);
}

}  // namespace vornic
