#include "games/wordsearch/WordSearchPlacer.h"

#include "base/RandomGenerator.h"

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

bool WordSearchPlacer::EnterWordBytes(const std::string& Word, bool AddToList) {
  if (!AnyEnabled()) {
    Tell("Warning", "No directions specified", Icon::Warning);
    return false;
  }
  if (Word.empty()) return false;
  const std::string Upper = Game.Codes().Upper(Word);
  const int Cols = Game.Settings.Cols;
  const int Rows = Game.Settings.Rows;
  for (int Attempt = 0; Attempt < MaxAttempts; ++Attempt) {
    Placement At;
    At.X = RandomGenerator::Uniform(Cols) + 1;
    At.Y = RandomGenerator::Uniform(Rows) + 1;
    At.Step = RandomEnabledDirection();
    if (!Fits(Upper, At)) continue;
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
    return true;
  }
  Tell(ApplicationTitle, "Could not insert word " + Game.Codes().Decode(Upper), Icon::None);
  return false;
}

void WordSearchPlacer::FillBlanks() {
  Game.FillBlanks();
}

void WordSearchPlacer::Reord() {
  Game.ClearGrid();
  for (const std::string& Word : ListBox1)
    if (!EnterWordBytes(Word, false)) break;
}

void WordSearchPlacer::DeleteAll() {
  ListBox1.clear();
  Game.ClearGrid();
}

void WordSearchPlacer::PlaceEditedList(const std::vector<std::string>& Words) {
  ListBox1.clear();
  Game.ClearGrid();
  // A word that fails has been told and stays out of the list; the others are still placed.
  for (const std::string& Word : Words) static_cast<void>(EnterWord(Word, true));
}

void WordSearchPlacer::Tell(const std::string& Title, const std::string& Text, Icon Kind) {
  if (Game.Ui) Game.Ui->Tell(Title, Text, Kind);
}

}  // namespace vornic
