#pragma once

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "games/SheetParts.h"
#include "games/labyrinth/LabyrinthDrawing.h"

namespace vornic {

class AnswerSeal;
class TVornicGame;
class UserInterface;
struct GameInfo;

// Which picture of a puzzle to draw: the view switches of the game windows. Each game reads the
// fields it knows and ignores the others.
struct GameView {
  // Word search, word maze: entry N highlighted as a click in the window's list shows it; -1
  // none (a word maze then highlights its phrase, entry 0).
  int Highlight = -1;
  bool Solution = false;  // jumbled text, lost letters: the answer cells filled in
  bool Plain = false;     // word maze: the grid without the phrase highlighted ("Refresh")
  LabyrinthView Labyrinth = LabyrinthView::Initial();  // the labyrinth's four check boxes
};

// What a build reads; each game takes the fields it knows. Text and words are UTF-8 as typed;
// each game turns them into the document's code page as its window does.
struct GameInput {
  std::string Text;                // the text (jumble, lost letters, labyrinth); maze: the phrase
  std::vector<std::string> Words;  // word search, word maze: the word list in order
  // Word search, labyrinth: the grid size, 15 x 10 when not given; word maze: one of the
  // offered sizes, the one nearest to square when not given.
  std::optional<int> Cols, Rows;
  int Lines = 2;      // lost letters: rows of the puzzle
  bool Mix = true;    // jumbled text: lay the words out in a random order
  bool Fill = false;  // word search: fill the empty cells from the character set
};

// One game as the window program, the command-line tool and later the worksheets see it: its
// row of the game table, how its picture is drawn and sized, its text exports and its build.
// Descriptors hold no state; the game table holds one of each (DescriptorOf in GameTable.h).
class GameDescriptor {
 public:
  virtual ~GameDescriptor() = default;

  // The game's row of the game table: Tag, caption, type name, window class, CLI name.
  virtual const GameInfo& Info() const = 0;
  std::string_view TypeName() const;

  // Makes Game an untitled document of this game without a window: Init with the type name,
  // messages to Ui (may be null). Settings stay at their defaults; Build sizes the grid.
  void InitDocument(TVornicGame& Game, UserInterface* Ui) const;

  // The picture size in units for the document as it stands (Cols x 16 + 5 by Rows x 16 + 5;
  // lost letters hold two blocks).
  virtual std::pair<int, int> PictureSize(const TVornicGame& Game) const;
  // Sizes the document's picture to PictureSize.
  void ResizeImage(TVornicGame& Game) const;

  // Sizes the picture and records the view of an opened or built puzzle, as the game's window
  // shows it. Returns false, with nothing recorded, when View.Highlight names an entry the puzzle
  // does not have. A puzzle with nothing to draw (a jumble without hint records, an empty lost
  // letters puzzle) leaves the sized picture blank, as its window does.
  [[nodiscard]] virtual bool Draw(TVornicGame& Game, const GameView& View) const = 0;

  // "Copy as Text": the grid as a TAB / CR LF table; the jumble gives its hint list instead.
  // Bytes of the document's code page.
  virtual std::string CopyText(const TVornicGame& Game) const;
  // "Copy Words to Clipboard"; nothing for a game without that command. Bytes of the
  // document's code page.
  virtual std::optional<std::string> CopyWords(const TVornicGame& Game) const;

  // Builds a puzzle of Input into Game, a document of this game (InitDocument) whose Charset
  // the caller has chosen. Returns false when it could not be built; refusals of the input have
  // been told through Game.Ui.
  [[nodiscard]] virtual bool Build(TVornicGame& Game, const GameInput& Input) const = 0;

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
  // Whether Highlight is negative (none) or an entry of the document.
  static bool HighlightFits(const TVornicGame& Game, int Highlight);
  // Typed text (UTF-8) as the document's code page holds it, upper-cased as the windows' edits
  // do; nothing after telling the refusal through Game.Ui.
  static std::optional<std::string> ReadTyped(TVornicGame& Game, std::string_view Utf8);
};

}  // namespace vornic
