#pragma once

#include <nlohmann/json_fwd.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"
#include "games/GameTable.h"
#include "games/SheetParts.h"

namespace vornic {

class AnswerSeal;
class TVornicGame;
class UserInterface;

// A game's own view (which picture to draw) and its own build input. Each game derives its own
// types beside its descriptor; a descriptor reads only its own, and draws or builds another
// game's as its own defaults.
class GameView {
 public:
  virtual ~GameView() = default;
};
class GameInput {
 public:
  virtual ~GameInput() = default;
  // Told true when the long part of a build starts (the input has been read and accepted) and
  // false when it ends, on every way out: a window shows the busy cursor meanwhile, and no
  // message is told in between. May be unset.
  std::function<void(bool Busy)> OnBusy;
};

// One game as the windows, the command-line tool, the worksheets and the web page see it: its
// names, how its picture is drawn and sized, its views, text exports, notes and build. It is the
// only way to a game from outside the game's own folders. Descriptors hold no state; the game
// table holds one of each (DescriptorOf in GameTable.h).
class GameDescriptor {
 public:
  virtual ~GameDescriptor() = default;

  // The game's names, spelled in its own folder.
  virtual const GameNames& Names() const = 0;
  // The game's row of the game table: its names and Tag.
  const GameInfo& Info() const;
  std::string_view TypeName() const;

  // Makes Game an untitled document of this game without a window: Init with the type name,
  // messages to Ui (may be null). Settings stay at their defaults; Build sizes the grid.
  void InitDocument(TVornicGame& Game, UserInterface* Ui) const;

  // The picture size in units for the document as it stands (Cols x 16 + 5 by Rows x 16 + 5;
  // lost letters hold two blocks).
  virtual std::pair<int, int> PictureSize(const TVornicGame& Game) const;
  // Sizes the document's picture to PictureSize.
  void ResizeImage(TVornicGame& Game) const;

  // Sizes the picture and records View (the game's own type; another's draws as the game's
  // window first shows a puzzle). Returns false, with nothing recorded, when the view highlights
  // an entry the puzzle does not have. A puzzle with nothing to draw (a jumble without hint
  // records, an empty lost letters puzzle) leaves the sized picture blank, as its window does.
  [[nodiscard]] virtual bool Draw(TVornicGame& Game, const GameView& View) const = 0;
  // Draw with the view the game's window shows first.
  [[nodiscard]] bool DrawFirstView(TVornicGame& Game) const;

  // How often each entry can be read in the grid (more than once is a second answer), for a
  // game where that can happen; nothing for the others.
  virtual std::optional<std::vector<int>> EntryReadings(const TVornicGame& Game) const;

  // "Copy as Text": the grid as a TAB / CR LF table; the jumble gives its hint list instead.
  // Bytes of the document's code page.
  virtual std::string CopyText(const TVornicGame& Game) const;
  // "Copy Words to Clipboard"; nothing for a game without that command. Bytes of the
  // document's code page.
  virtual std::optional<std::string> CopyWords(const TVornicGame& Game) const;

  // Builds a puzzle of Input (the game's own input type; another's builds as an empty one) into
  // Game, a document of this game (InitDocument) whose Charset the caller has chosen: a new
  // puzzle (StartPuzzle), then BuildInto. Returns false when it could not be built; refusals of
  // the input have been told through Game.Ui.
  [[nodiscard]] bool Build(TVornicGame& Game, const GameInput& Input) const;
  // Builds a puzzle of Input into Game as it stands, as the game's window builds again: the file
  // name and the settings stay (the size too, unless the game sizes the grid for its input).
  // False as for Build.
  [[nodiscard]] virtual bool BuildInto(TVornicGame& Game, const GameInput& Input) const = 0;
  // An input of typed words (UTF-8), for callers that hold words of any game: a game of word
  // lists takes them as its list (its grid sized as for a new puzzle), a game of one text as its
  // text, the words joined by spaces.
  virtual std::unique_ptr<GameInput> InputOfWords(const std::vector<std::string>& Words) const = 0;

  // What the web page to solve needs of the puzzle, for the page script of this game (named
  // after its CLI name): what the solver sees (never the answers in readable form) and, when
  // Seal checks, the answers sealed by it (PageData.h). Reads a damaged document without fault,
  // leaving out what it cannot read.
  virtual nlohmann::json PageData(const TVornicGame& Game, const AnswerSeal& Seal) const = 0;

  // What a worksheet prints of the puzzle beside its pictures (SheetParts.h). Reads a damaged
  // document without fault, leaving out what it cannot read.
  virtual SheetParts Sheet(const TVornicGame& Game) const = 0;
  // Sizes the picture and records the puzzle as handed out (nothing of the solution shows), or
  // with AnswerKey everything the solver looks for at once, words marked in Style. Marks are
  // red, or blue when the letters are red, as a highlighted word is.
  virtual void RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const = 0;

 protected:
  // Makes Game the new untitled puzzle that Build fills: Game.New(), for a game whose input
  // gives the grid size after setting that size.
  [[nodiscard]] virtual bool StartPuzzle(TVornicGame& Game, const GameInput& Input) const;
  // Whether Highlight is negative (none) or an entry of the document.
  static bool HighlightFits(const TVornicGame& Game, int Highlight);
  // The words joined by single spaces.
  static std::string JoinWords(const std::vector<std::string>& Words);
  // Typed text (UTF-8) as the document's code page holds it, upper-cased as the windows' edits
  // do; nothing after telling the refusal through Game.Ui.
  static std::optional<std::string> ReadTyped(TVornicGame& Game, std::string_view Utf8);
  // The text of a window's field (UTF-8) as the document's code page holds it, upper-cased;
  // nothing after telling through Game.Ui the refusal that names Field (ReadFieldText).
  static std::optional<std::string> ReadField(TVornicGame& Game, std::string_view Utf8,
                                              const std::string& Field);
  // Game.Ui told Text, when the document has a user interface.
  static void Tell(const TVornicGame& Game, const std::string& Text, Icon Kind);
  // Runs Work with Input's OnBusy told true before and false after, also when Work throws.
  template <typename Work>
  static auto WhileBusy(const GameInput& Input, Work Do) {
    struct Span {
      const GameInput& Given;
      explicit Span(const GameInput& In) : Given(In) {
        if (Given.OnBusy) Given.OnBusy(true);
      }
      ~Span() {
        if (Given.OnBusy) Given.OnBusy(false);
      }
      Span(const Span&) = delete;
      Span& operator=(const Span&) = delete;
    } Busy(Input);
    return Do();
  }
};

// Given as a game's own view or input type Own; Own's defaults when Given is another game's.
template <typename Own, typename Base>
const Own& OwnOptions(const Base& Given) {
  static const Own Defaults;
  const Own* Mine = dynamic_cast<const Own*>(&Given);
  return Mine ? *Mine : Defaults;
}

}  // namespace vornic
