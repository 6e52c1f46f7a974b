#include "document/TVornicGame.h"

#include <filesystem>
#include <set>

#include "base/AppPaths.h"
#include "base/ControlBytes.h"
#include "base/DocumentError.h"
#include "base/RandomGenerator.h"
#include "document/SettingsFile.h"

namespace vornic {

TVornicGame::TVornicGame() {
  Words.SetOnChange([this] { Modified = true; });
  MetaFile.OnContentChanged = [this] {
    if (OnPictureChanged) OnPictureChanged();
  };
}

void TVornicGame::Init(const std::string& NewGameName, UserInterface* Window) {
  LastDir = AppPaths::DialogFolder().string();
  CaptionWindow = Window;
  Ui = Window;
  GameName = NewGameName;
  MetaFile.Create(PictureCreator, GameName);
  Settings.Cols = 5;
  Settings.Rows = 5;
  SetDefaults();
  ClearGrid();
  ResizeImage();
  Modified = false;
  try {
    SettingsFile::Default().EnsureDefaultCharset();
  } catch (const SettingsUnreadable& Failure) {
    TellOnce(Failure.what());
  } catch (const DocumentError& Failure) {
    // A folder that cannot be written (read-only, full) still lets every puzzle be made.
    std::string Reason = Failure.what();
    if (!Reason.ends_with('.')) Reason += '.';
    TellOnce("Settings cannot be saved: " + Reason +
             " The program fills empty cells with its own \"" + SettingsFile::DefaultName +
             "\" set.");
  }
}

void TVornicGame::TellOnce(const std::string& Message) {
  // Every document finds the same settings file: the user hears of it once.
  static std::set<std::string> Told;
  if (Ui && Told.insert(Message).second) Ui->Tell(ApplicationTitle, Message, Icon::Warning);
}

void TVornicGame::ClearGrid() {
  Grid.assign(std::size_t{Settings.Cols} * Settings.Rows, EmptyChar);
  Words.Clear();
}

bool TVornicGame::InGrid(int X, int Y) const {
  return X >= 1 && Y >= 1 && X <= Settings.Cols && Y <= Settings.Rows &&
         static_cast<std::size_t>(X + Settings.Cols * (Y - 1)) <= Grid.size();
}

char TVornicGame::GetCell(int X, int Y) const {
  if (!InGrid(X, Y)) return EmptyChar;
  return Grid[static_cast<std::size_t>(X - 1 + Settings.Cols * (Y - 1))];
}

void TVornicGame::SetCell(int X, int Y, char C) {
  if (!InGrid(X, Y)) return;
  Grid[static_cast<std::size_t>(X - 1 + Settings.Cols * (Y - 1))] = C;
}

void TVornicGame::SetGrid(const std::string& Text) {
  if (Text == Grid) return;
  Grid = Text;
  Modified = true;
}

void TVornicGame::AddWord(const std::string& Word, const std::string& Path) {
  Words.Add(Word + EmptyChar + Path);
}

void TVornicGame::ListWords(std::vector<std::string>& Strings) const {
  Strings.clear();
  for (const std::string& Entry : Words) {
    const SplitWordEntry Parts = SplitEntry(Entry);
    Strings.emplace_back(Parts.HasSeparator ? Parts.Item : std::string_view());
  }
}

std::string TVornicGame::WordCells(int Index) const {
  if (Index < 0 || static_cast<std::size_t>(Index) >= Words.size()) return {};
  std::string Result(std::size_t{Settings.Cols} * Settings.Rows, EmptyChar);
  for (const GridCell& At : EntryCells(Index)) {
    if (!InGrid(At.X, At.Y)) continue;  // a damaged path is skipped cell by cell
    const auto Cell = static_cast<std::size_t>(At.X - 1 + Settings.Cols * (At.Y - 1));
    Result[Cell] = Grid[Cell];
  }
  return Result;
}

std::vector<GridCell> TVornicGame::EntryCells(int Index) const {
  if (Index < 0 || static_cast<std::size_t>(Index) >= Words.size()) return {};
  const SplitWordEntry Entry = SplitEntry(Words[static_cast<std::size_t>(Index)]);
  // One cell per letter; paths are read up to 5000 bytes, as the file format has always
  // limited them.
  return DecodePath(Entry.After.substr(0, 5000), Entry.Item.size());
}

void TVornicGame::FillBlanks() {
  if (Letters.empty()) return;
  const int Count = static_cast<int>(Letters.size());
  for (char& Cell : Grid)
    if (Cell == EmptyChar)
      Cell = Letters[static_cast<std::size_t>(RandomGenerator::Uniform(Count))];
}

std::string TVornicGame::BlanksToSpaces(std::string Text) {
  for (char& C : Text)
    if (C == EmptyChar) C = ' ';
  return Text;
}

void TVornicGame::SetDefaults() {
  Settings.SetDefaults();
}

void TVornicGame::LoadCharset() {
  const CodePage& Page = Codes();
  const std::string Name = Page.Decode(Settings.LanguageName());
  const std::string Characters = SettingsFile::Default().ReadCharset(Name, "?");
  std::string Bytes = Case().Upper(Page.EncodeDroppingUnencodable(Characters));
  // Control characters would read as empty cells or line breaks: they are no fill letters.
  std::erase_if(Bytes, IsControlByte);
  Letters = Bytes;
}

const LetterCase& TVornicGame::Case() const {
  // Asked once for every word placed: the rules are looked up again only for another character
  // set. They live as long as the program, whichever document asked first.
  thread_local const LetterCase* Rules = nullptr;
  thread_local int RulesCharset = 0;
  thread_local decltype(TGridSettings::Language) RulesLanguage{};
  if (!Rules || RulesCharset != Settings.Charset || RulesLanguage != Settings.Language) {
    Rules = &LetterCase::For(Settings.Charset, Codes().Decode(Settings.LanguageName()));
    RulesCharset = Settings.Charset;
    RulesLanguage = Settings.Language;
  }
  return *Rules;
}

bool TVornicGame::ApplySettings(const TGridSettings& Edited) {
  const bool SizeChanged = Edited.Cols != Settings.Cols || Edited.Rows != Settings.Rows;
  Settings = Edited;
  Modified = true;
  LoadCharset();
  if (SizeChanged) {
    ClearGrid();
    ResizeImage();
  }
  return SizeChanged;
}

bool TVornicGame::SetSize(long long Cols, long long Rows) {
  return Settings.SetSize(Cols, Rows);
}

std::string TVornicGame::DisplayName() const {
  if (FileName.empty()) return "Untitled";
  return std::filesystem::path(FileName).filename().string();
}

void TVornicGame::SetCaption(const std::string& Caption) {
  if (CaptionWindow) CaptionWindow->SetCaption(Caption);
}

void TVornicGame::Report(const std::exception& Failure) {
  if (!Ui) throw;
  Ui->Tell(ApplicationTitle, Failure.what(), Icon::Error);
}

std::string PathBytes(int X, int Y) {
  return {static_cast<char>(X + PathOffset), static_cast<char>(Y + PathOffset)};
}

}  // namespace vornic
