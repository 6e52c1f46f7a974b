#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/TVornicGame.h"
#include "document/WordEntry.h"
#include "games/wordsearch/FitBits.h"
#include "games/wordsearch/WordReadings.h"

namespace vornic {

// A direction as column step and row step; positive Dy goes down the grid.
struct Direction {
  int Dx;
  int Dy;
};

// The word search window's placement state, without the window: its word list (PlacedWords, the
// window's ListBox1, bytes of the document's code page), the eight direction flags and
// Intersections. Messages go through the document's user interface. Flags are per placer, so per
// window.
class WordSearchPlacer {
 public:
  explicit WordSearchPlacer(TVornicGame& Document);

  // The direction of a direction check box by its Tag (1 up, 2 down, 3 left, 4 right, 5 up and
  // right, 6 up and left, 7 down and right, 8 down and left).
  static Direction DirectionOfTag(int Tag);

  bool IsEnabled(Direction Step) const { return Directions[Step.Dx + 1][Step.Dy + 1]; }
  void SetEnabled(Direction Step, bool On);
  void EnableAll();
  bool AnyEnabled() const;

  bool Intersect = true;
  std::vector<std::string> PlacedWords;

  // Places one typed word (UTF-8) at a random position in an enabled direction: every place
  // where it fits is equally likely. Spaces are not placed ("ICE CREAM" becomes ICECREAM). A
  // place where the word would complete a second reading of a listed word is not taken. Tells
  // "No directions specified", a control character or a character the puzzle's code page cannot
  // hold, a grid too large to record the word's path (RefuseUnrecordableGrid), or "Could not
  // insert word " + word with a line saying why; returns whether it was placed. A word that fits
  // nowhere is known to after one look at every place it could take.
  [[nodiscard]] bool EnterWord(const std::string& Word, bool AddToList);
  // The same for a word already in the document's code page.
  [[nodiscard]] bool EnterWordBytes(const std::string& Word, bool AddToList);

  // Fills the empty cells so that no listed word can be read a second time (FillHidingWords),
  // first moving a word that earlier words spell onto that place (MoveSpelledWords) or, where
  // that frees nothing, one of the words that spell it elsewhere (MoveCrossingWords); marks the
  // document modified when a cell changed. Returns how many words still repeat: a character set
  // of too few letters leaves some, and so do words that no move clears. Tells, and fills nothing,
  // when the character set has no letter the document's code page can hold.
  int FillBlanks();
  // Clears the grid and places the list again, stopping at the first word that fails.
  void Reord();
  // Empties the list and the grid.
  void DeleteAll();
  // Empties the list and the grid, then places each word (UTF-8) of an edited list; a word that
  // fails is left out, the others are still placed. Each failure is told, or, given Refusals,
  // its message is added there instead, for a caller that sums up a long list. A grid too large
  // to record word paths (RefuseUnrecordableGrid) is told once and left as it was, list and all.
  void PlaceEditedList(const std::vector<std::string>& Words,
                       std::vector<std::string>* Refusals = nullptr);

 private:
  // 0-based start cell and step.
  struct Placement {
    int X, Y;
    Direction Step;
  };
  // The starts that keep a word of some length inside the grid along one enabled direction:
  // Width x Height of them from (X0, Y0), numbered from Begin on.
  struct Span {
    Direction Step;
    int X0, Y0, Width, Height, Begin;
    std::uint64_t Inverse;  // of Width, for dividing by a multiplication
  };

  // A place for Word that fits and repeats no listed word, drawn at random; none when there is
  // none at all.
  std::optional<Placement> FindPlace(const std::string& Word);
  // Points Spans at the spans of a word of Length letters, numbering every start; returns their
  // count.
  int MakeSpans(int Length);
  Placement PlacementAt(int Index) const;
  // Every start of Spans where Word fits, into Fitting.
  void ListFits(const std::string& Word);
  bool Fits(const std::string& Word, const Placement& At) const;
  // Whether writing Word at At would let a listed word be read where no entry lies; the grid is
  // left as it was.
  bool MakesRepeat(const std::string& Word, const Placement& At);
  // Words entered one at a time cannot keep clear of the words still to come: a later word can
  // be spelled across earlier ones, and then once more where it is placed. Moves each such
  // word's entry onto the place its neighbours spell, along an enabled direction and not inside
  // one other word, and empties the cells of its old place that no other word uses, for the fill
  // to hide (into Freed); the guard follows. Repeats: the readings the fill could not hide.
  // Returns whether an entry moved.
  bool MoveSpelledWords(const std::vector<WordReadings::Reading>& Repeats, std::vector<int>& Freed);
  // A reading that the fill could not hide because other words' letters spell it wholly: one
  // of those words, one that alone covers a cell of it, moves to another place drawn as for a
  // new word, after the fill's letters are taken out for room. Returns whether the grid changed
  // (then it needs filling again).
  bool MoveCrossingWords(const std::vector<WordReadings::Reading>& Repeats);
  // Moves entry Index to a place drawn as for a new word; left where it is when there is none.
  void MoveEntry(std::size_t Index);
  // Indexes the words a placement must not repeat: the list and Word, with the entries' places
  // allowed.
  void MakeGuard(const std::vector<std::string>& Words);
  // Refuses Word (upper-cased, without spaces) when the list holds it or its reverse already,
  // as RepeatRefusal does.
  std::string ListRefusal(const std::string& Word);
  // Notes in InList that Word is in PlacedWords.
  void MarkListed(const std::string& Word);
  // The second line of "Could not insert word ": why, and what helps.
  std::string WhyNotPlaced(const std::string& Word) const;
  void Tell(const std::string& Title, const std::string& Text, Icon Kind);
  // Where the document's user changes a setting (UserInterface::WhereToChange).
  std::string WhereToChange(Setting What) const;
  // The document's code page (the same object for as long as its character set stays).
  const CodePage& Codes();
  const CodePage* CachedPage = nullptr;
  int CachedCharset = -1;

  TVornicGame& Game;
  std::array<std::array<bool, 3>, 3> Directions{};
  // Places an encoded word (EnterWord without the encoding); Upper, when given, is the word
  // already upper-cased without spaces.
  bool EnterEncoded(const CodePage::EncodeResult& Encoded, bool AddToList,
                    const std::string* Upper = nullptr);
  // EnterWordBytes, given the word upper-cased without spaces (Prepared) where that is known.
  bool EnterBytes(const std::string& Typed, bool AddToList, const std::string* Prepared);

  // The guard. While a whole list is placed (Shuffle, an edited list) it holds all its words,
  // made once, so that an early word never spells a later one by chance.
  WordReadings Guard;
  bool PlacingList = false;
  // After the placer changed the list or the entries, the guard holds the listed words and the
  // entries' places, as the next word entered and a fill need them. It is taken as up to date
  // while the list keeps the size and the last word it had then, the entries their stamp (a
  // change from outside, by Open, Undo or the window, changes those) and the grid its size.
  void Follow();
  bool Following() const;
  bool Followed = false;
  int FollowedCols = 0, FollowedRows = 0;
  std::size_t FollowedListSize = 0;
  std::uint64_t FollowedEntries = 0;
  std::string FollowedLastListed;
  // Every word entry's path, one after another, and how many entries cover each cell. Read when
  // a fill needs it; while words are entered one at a time it is kept up to date instead, since
  // nearly every fill then needs it.
  struct EntryCover {
    std::vector<GridCell> Cells;
    std::vector<std::size_t> Starts{0};  // entry i's cells run from Starts[i] to Starts[i + 1]
    std::vector<int> Uses;               // by 0-based cell
    bool Valid = false;                  // describes the document's entries
    bool Whole = false;                  // false when a path leaves the grid
    void Read(const TVornicGame& Game);
    // Whether both end cells lie on the path of one entry: a reading there is part of that word.
    bool OneHolds(GridCell First, GridCell Last);
    std::span<GridCell> Path(std::size_t Entry) {
      return {Cells.begin() + static_cast<std::ptrdiff_t>(Starts[Entry]),
              Cells.begin() + static_cast<std::ptrdiff_t>(Starts[Entry + 1])};
    }
    static std::size_t CellOf(const TVornicGame& Game, GridCell At) {
      return static_cast<std::size_t>((At.Y - 1) * Game.Settings.Cols + At.X - 1);
    }
  };
  EntryCover Cover;
  // For each word of the guard: whether PlacedWords holds it.
  std::vector<bool> InList;
  std::vector<CodePage::EncodeResult> EncodedWords;
  std::vector<std::string> Guarded;
  std::vector<std::string>* Collected = nullptr;
  // Kept between words so that placing allocates nothing once warm.
  struct SpansOfLength {
    std::vector<Span> Spans;
    int Total = -1;  // -1 until made
  };
  std::vector<SpansOfLength> SpansByLength;  // by word length
  const std::vector<Span>* Spans = nullptr;
  int SpansCols = 0, SpansRows = 0;
  std::array<std::array<bool, 3>, 3> SpansDirections{};
  std::vector<int> Fitting;
  std::vector<int> Starts;
  FitBits Bits;
  bool Crowded = false;  // the last word found no place
  std::vector<int> Written;
};

}  // namespace vornic
