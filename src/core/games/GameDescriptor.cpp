#include "games/GameDescriptor.h"

#include "document/TVornicGame.h"
#include "document/TextExport.h"
#include "games/GameTable.h"
#include "games/TypedText.h"

namespace vornic {

const GameInfo& GameDescriptor::Info() const {
  // Every descriptor is a row of the table, which made it.
  return *FindGameByTypeName(Names().TypeName);
}

std::string_view GameDescriptor::TypeName() const {
  return Names().TypeName;
}

void GameDescriptor::InitDocument(TVornicGame& Game, UserInterface* Ui) const {
  // Ui hears what starting a document has to tell (a settings file that cannot be read); a
  // document without a window has no caption to set.
  Game.Init(std::string(TypeName()), Ui);
  Game.CaptionWindow = nullptr;
}

std::pair<int, int> GameDescriptor::PictureSize(const TVornicGame& Game) const {
  constexpr int Cell = TDrawMetaFile::CellSize;
  return {Game.Settings.Cols * Cell + 5, Game.Settings.Rows * Cell + 5};
}

void GameDescriptor::ResizeImage(TVornicGame& Game) const {
  const auto [Width, Height] = PictureSize(Game);
  Game.MetaFile.SetSize(Width, Height);
}

bool GameDescriptor::DrawFirstView(TVornicGame& Game) const {
  // A view of no game's own type draws as the window first shows a puzzle.
  return Draw(Game, GameView());
}

std::optional<std::vector<int>> GameDescriptor::EntryReadings(const TVornicGame&) const {
  return std::nullopt;
}

std::string GameDescriptor::CopyText(const TVornicGame& Game) const {
  return GridAsText(Game);
}

std::optional<std::string> GameDescriptor::CopyWords(const TVornicGame&) const {
  return std::nullopt;
}

bool GameDescriptor::Build(TVornicGame& Game, const GameInput& Input) const {
  return StartPuzzle(Game, Input) && BuildInto(Game, Input);
}

bool GameDescriptor::StartPuzzle(TVornicGame& Game, const GameInput&) const {
  return Game.New();
}

bool GameDescriptor::HighlightFits(const TVornicGame& Game, int Highlight) {
  return Highlight < 0 || static_cast<std::size_t>(Highlight) < Game.Words.size();
}

std::string GameDescriptor::JoinWords(const std::vector<std::string>& Words) {
  std::string Text;
  for (const std::string& Word : Words) Text += (Text.empty() ? "" : " ") + Word;
  return Text;
}

std::optional<std::string> GameDescriptor::ReadField(TVornicGame& Game, std::string_view Utf8,
                                                     const std::string& Field) {
  TypedText Typed = ReadFieldText(Game.Case(), Utf8, Field);
  if (Typed.Ok()) return std::move(Typed.Bytes);
  Tell(Game, Typed.Refusal, Icon::Warning);
  return std::nullopt;
}

void GameDescriptor::Tell(const TVornicGame& Game, const std::string& Text, Icon Kind) {
  if (Game.Ui) Game.Ui->Tell(ApplicationTitle, Text, Kind);
}

std::optional<std::string> GameDescriptor::ReadTyped(TVornicGame& Game, std::string_view Utf8) {
  TypedText Typed = ReadTypedText(Game.Case(), Utf8);
  if (Typed.Ok()) return std::move(Typed.Bytes);
  if (Game.Ui) Game.Ui->Tell(ApplicationTitle, Typed.Refusal, Icon::Warning);
  return std::nullopt;
}

}  // namespace vornic
