#include "games/wordsearch/WordSearchPlacer.h"

#include "base/RandomGenerator.h"
#include "games/EntryPath.h"
#include "games/TypedText.h"
#include "games/wordsearch/WordRepeats.h"

namespace vornic {

WordSearchPlacer::WordSearchPlacer(TVornicGame& Document) : Game(Document) {
  EnableAll();
}

Direction WordSearchPlacer::DirectionOfTag(int Tag) {
  static constexpr std::array<Direction, 8> ByTag{
      {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}}};
  if (Tag < 1 || Tag > 8) return {0, 0};
  return ByTag[static_cast<std::size_t>(Tag - 1)];
}

void WordSearchPlacer::SetEnabled(Direction Step, bool On) {
  if (Step.Dx == 0 && Step.Dy == 0) return;  // the centre is never a direction
  Directions[Step.Dx + 1][Step.Dy + 1] = On;
}

void WordSearchPlacer::EnableAll() {
  for (auto& Column : Directions) Column.fill(true);
  Directions[1][1] = false;
}

bool WordSearchPlacer::AnyEnabled() const {
  for (const auto& Column : Directions)
    for (bool On : Column)
      if (On) return true;
  return false;
}

bool WordSearchPlacer::EnterWord(const std::string& Word, bool AddToList) {
  if (!AnyEnabled()) return EnterWordBytes({}, AddToList);  // tells "No directions specified"
  const CodePage::EncodeResult Encoded = Game.Codes().Encode(Word);
  if (!Encoded.Ok()) {
    Tell(ApplicationTitle, Game.Codes().RefusalMessage(Encoded.Unencodable), Icon::Warning);
    return false;
  }
  return EnterWordBytes(Encoded.Bytes, AddToList);
}

Direction WordSearchPlacer::RandomEnabledDirection() const {
  // Drawn pair by pair until an enabled one comes up: every enabled direction equally likely.
  for (;;) {
    const int Dx = RandomGenerator::Uniform(3) - 1;
    const int Dy = RandomGenerator::Uniform(3) - 1;
    if (Directions[Dx + 1][Dy + 1]) return {Dx, Dy};
  }
}

bool WordSearchPlacer::Fits(const std::string& Word, const Placement& At) const {
  bool AllCoincide = true;
  int X = At.X, Y = At.Y;
  for (char Letter : Word) {
    if (!Game.InGrid(X, Y)) return false;
    const char Cell = Game.GetCell(X, Y);
    if (Cell == EmptyChar) {
      AllCoincide = false;
    } else if (Cell != Letter || !Intersect) {
      return false;
    }
    X += At.Step.Dx;
    Y += At.Step.Dy;
  }
  // A word lying wholly on identical letters would add nothing to find.
  return !AllCoincide;
}

bool WordSearchPlacer::MakesRepeat(const std::string& Word, const Placement& At,
                                   const WordReadings& Guard) {
  const int Cols = Game.Settings.Cols;
  const WordReadings::Segment Own{(At.Y - 1) * Cols + At.X - 1, At.Step.Dx + At.Step.Dy * Cols,
                                  static_cast<int>(Word.size())};
  // Write the word's new letters, look along every line through them, take them back.
  std::vector<int> Written;
  for (int k = 0; k < Own.Length; ++k) {
    const int Cell = Own.First + k * Own.Step;
    char& Letter = Game.Grid[static_cast<std::size_t>(Cell)];
    if (Letter != EmptyChar) continue;
    Letter = Word[static_cast<std::size_t>(k)];
    Written.push_back(Cell);
  }
  bool Repeat = false;
  for (int Cell : Written) Repeat = Repeat || Guard.RepeatThrough(Game.Grid, Cell, &Own);
  for (int Cell : Written) Game.Grid[static_cast<std::size_t>(Cell)] = EmptyChar;
  return Repeat;
}

WordReadings WordSearchPlacer::MakeGuard(std::vector<std::string> Words) const {
  WordReadings Guard(Words, Game.Settings.Cols, Game.Settings.Rows);
  Guard.AllowEntries(Game.Words);
  return Guard;
}

std::string WordSearchPlacer::WhyNotPlaced(const std::string& Word) const {
  const int Length = static_cast<int>(Word.size());
  bool RoomSomewhere = false;
  for (int Dx = -1; Dx <= 1; ++Dx)
    for (int Dy = -1; Dy <= 1; ++Dy)
      RoomSomewhere = RoomSomewhere ||
                      (Directions[Dx + 1][Dy + 1] && (Dx == 0 || Length <= Game.Settings.Cols) &&
                       (Dy == 0 || Length <= Game.Settings.Rows));
  if (!RoomSomewhere)
    return "The word is longer than the grid in every enabled direction: enable more directions "
           "or make the grid larger in Grid settings.";
  if (Game.Grid.find(EmptyChar) == std::string::npos)
    return "Every cell is taken since Fill Blanks: Shuffle clears the fill and places the words "
           "again.";
  return "No free place remains for it: try Shuffle, more directions, Intersections, or a larger "
         "grid.";
}

bool WordSearchPlacer::EnterWordBytes(const std::string& Typed, bool AddToList) {
  if (!AnyEnabled()) {
    Tell("Warning", "No directions specified", Icon::Warning);
    return false;
  }
  if (const auto Refusal = RefuseUnrecordableGrid(Game.Settings.Cols, Game.Settings.Rows)) {
    Tell(ApplicationTitle, *Refusal, Icon::Warning);
    return false;
  }
  // Spaces would take cells that the fill leaves blank, which gives the word away.
  std::string Word = Typed;
  std::erase(Word, ' ');
  if (Word.empty()) return false;
  if (const std::string Refusal = ControlCharacterRefusal(Word); !Refusal.empty()) {
    Tell(ApplicationTitle, Refusal, Icon::Warning);
    return false;
  }
  const std::string Upper = Game.Codes().Upper(Word);
  const int Cols = Game.Settings.Cols;
  const int Rows = Game.Settings.Rows;
  std::optional<WordReadings> Single;
  if (!ListGuard) {
    std::vector<std::string> Words = ListBox1;
    Words.push_back(Upper);
    Single.emplace(MakeGuard(std::move(Words)));
  }
  const WordReadings& Guard = ListGuard ? *ListGuard : *Single;
  for (int Attempt = 0; Attempt < MaxAttempts; ++Attempt) {
    Placement At;
    At.X = RandomGenerator::Uniform(Cols) + 1;
    At.Y = RandomGenerator::Uniform(Rows) + 1;
    At.Step = RandomEnabledDirection();
    if (!Fits(Upper, At) || MakesRepeat(Upper, At, Guard)) continue;
    std::string Path;
    Path.reserve(2 * Upper.size());
    int X = At.X, Y = At.Y;
    for (char Letter : Upper) {
      Game.SetCell(X, Y, Letter);
      Path += PathBytes(X, Y);
      X += At.Step.Dx;
      Y += At.Step.Dy;
    }
    if (AddToList) ListBox1.push_back(Upper);
    Game.AddWord(Upper, Path);
    if (ListGuard)
      ListGuard->Allow(Upper, (At.Y - 1) * Cols + At.X - 1,
                       (Y - At.Step.Dy - 1) * Cols + X - At.Step.Dx - 1);
    return true;
  }
  Tell(ApplicationTitle,
       "Could not insert word " + Game.Codes().Decode(Upper) + "\n" + WhyNotPlaced(Upper),
       Icon::None);
  return false;
}

int WordSearchPlacer::FillBlanks() {
  // A set none of whose letters the code page holds would fill nothing, and say nothing.
  if (Game.Letters.empty() && Game.Grid.find(EmptyChar) != std::string::npos) {
    Tell(ApplicationTitle,
         "The character set \"" + Game.Codes().Decode(Game.Settings.LanguageName()) +
             "\" has no letter that this puzzle's code page (" +
             std::to_string(Game.Codes().Number()) +
             ") can hold, so the empty cells were not filled. Choose another character set, or "
             "a font character set that holds its letters, in Grid settings.",
         Icon::Warning);
    return 0;
  }
  const std::string Before = Game.Grid;
  const int Repeating = FillHidingWords(Game, ListBox1);
  // The fill is part of the puzzle: closing must not lose it without a question.
  if (Game.Grid != Before) Game.Modified = true;
  return Repeating;
}

void WordSearchPlacer::Reord() {
  Game.ClearGrid();
  // Every listed word is guarded, also those not placed yet.
  ListGuard.emplace(MakeGuard(ListBox1));
  for (const std::string& Word : ListBox1)
    if (!EnterWordBytes(Word, false)) break;
  ListGuard.reset();
}

void WordSearchPlacer::DeleteAll() {
  ListBox1.clear();
  Game.ClearGrid();
}

void WordSearchPlacer::PlaceEditedList(const std::vector<std::string>& Words) {
  // Told once for the list rather than once for every word.
  if (const auto Refusal = RefuseUnrecordableGrid(Game.Settings.Cols, Game.Settings.Rows)) {
    Tell(ApplicationTitle, *Refusal, Icon::Warning);
    return;
  }
  ListBox1.clear();
  Game.ClearGrid();
  std::vector<std::string> Guarded;
  for (const std::string& Word : Words) {
    std::string Bytes = Game.Codes().EncodeDroppingUnencodable(Word);
    std::erase(Bytes, ' ');
    Guarded.push_back(Game.Codes().Upper(Bytes));
  }
  ListGuard.emplace(MakeGuard(std::move(Guarded)));
  // A word that fails has been told and stays out of the list; the others are still placed.
  for (const std::string& Word : Words) static_cast<void>(EnterWord(Word, true));
  ListGuard.reset();
}

void WordSearchPlacer::Tell(const std::string& Title, const std::string& Text, Icon Kind) {
  if (Game.Ui) Game.Ui->Tell(Title, Text, Kind);
}

}  // namespace vornic
