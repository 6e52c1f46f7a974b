// The document's file flows: New, Open, Save, Save As, the save-changes question, and the
// reading and writing of game files.
#include <filesystem>

#include "base/AppPaths.h"
#include "base/AtomicFile.h"
#include "base/BoundedFile.h"
#include "base/DocumentError.h"
#include "document/GameFile.h"
#include "document/TVornicGame.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

constexpr const char* GameFilter = "Vornic Game (*.gm)|*.gm";

std::string FormatError(const std::string& Name) {
  return "Cannot open file " + Name + ".\nFile format is incorrect";
}

}  // namespace

std::optional<std::string> ChooseGameFile(UserInterface& Ui, const std::string& Folder) {
  FileDialogRequest Request;
  Request.Filter = GameFilter;
  Request.DefaultExt = "*.gm";
  Request.InitialDir = Folder;
  Request.MustExist = true;
  return Ui.ChooseOpenFile(Request);
}

std::string ReadGameFileType(const std::string& Name) {
  const std::optional<std::string> TypeName = PeekTypeName(ReadBoundedFile(Name, MaxGameFileBytes));
  if (!TypeName) throw DocumentError(FormatError(Name));
  return *TypeName;
}

bool TVornicGame::New() {
  if (!CloseQuery()) return false;
  ClearGrid();
  ResizeImage();
  // The picture of the previous puzzle is no picture of this one.
  ClearPicture();
  static_cast<void>(Settings.SetLanguageName("English"));  // always fits its 10 bytes
  Modified = false;
  FileName.clear();
  SetCaption(GameName + " - Untitled.gm");
  LoadCharset();
  if (OnReplaced) OnReplaced();
  return true;
}

bool TVornicGame::Open(const std::string& Name) {
  if (!CloseQuery()) return false;
  std::string Chosen = Name;
  if (Chosen.empty()) {
    if (!Ui) return false;
    auto Picked = ChooseGameFile(*Ui, LastDir);
    if (!Picked) return false;
    Chosen = *Picked;
    LastDir = fs::path(Chosen).parent_path().string();
  }
  bool Result = false;
  try {
    Result = LoadFromFile(Chosen);
  } catch (const DocumentError& Failure) {
    Report(Failure);
    return false;
  }
  if (Result) {
    SetCaption(GameName + " - " + DisplayName());
    LoadCharset();
    if (OnReplaced) OnReplaced();
  }
  return Result;
}

bool TVornicGame::Save() {
  if (FileName.empty()) return SaveAs();
  try {
    SaveToFile();
  } catch (const DocumentError& Failure) {
    Report(Failure);
    return false;
  }
  return true;
}

bool TVornicGame::SaveAs() {
  if (!Ui) return false;
  FileDialogRequest Request;
  Request.Filter = GameFilter;
  Request.DefaultExt = "*.gm";
  Request.InitialDir = AppPaths::DialogFolder().string();
  Request.ProposedName = FileName.empty() ? "Untitled.gm" : DisplayName();
  Request.OverwritePrompt = true;
  auto Picked = Ui->ChooseSaveFile(Request);
  if (!Picked) return false;
  const std::string Previous = FileName;
  FileName = *Picked;
  try {
    SaveToFile();
  } catch (const DocumentError& Failure) {
    FileName = Previous;  // the document stays bound to the file it came from
    Report(Failure);
    return false;
  }
  SetCaption(GameName + " - " + DisplayName());
  return true;
}

bool TVornicGame::CloseQuery() {
  if (!Modified || !Ui) return true;
  const Answer Reply = Ui->Ask(GameName, "Do you want to save changes to '" + DisplayName() + "'?",
                               Buttons::YesNoCancel, Icon::Warning);
  switch (Reply) {
    case Answer::Yes:
      // A save that is cancelled or fails keeps the changes: the asking flow stops.
      return Save();
    case Answer::No:
      Modified = false;
      return true;
    default:
      return false;
  }
}

bool TVornicGame::LoadFromFile(const std::string& Name) {
  return LoadFromBytes(ReadBoundedFile(Name, MaxGameFileBytes), Name);
}

bool TVornicGame::LoadFromBytes(std::string_view Bytes, const std::string& Name) {
  ParsedGameFile Parsed = ParseGameFile(Bytes, GameName);
  if (Parsed.Status == GameFileStatus::OtherType) {
    if (!OnWrongType) throw DocumentError(FormatError(Name));
    OnWrongType(Name, Parsed.Content.TypeName);
    return false;
  }
  if (Parsed.Status != GameFileStatus::Ok) throw DocumentError(FormatError(Name));
  Settings = Parsed.Content.Settings;
  Grid = std::move(Parsed.Content.Grid);
  Words.Assign(std::move(Parsed.Content.Words));
  FileName = Name;
  Modified = false;
  ResizeImage();
  ClearPicture();
  return true;
}

void TVornicGame::SaveToFile() {
  GameFileContent Content{GameName, Settings, Grid, Words.Items()};
  WriteFileAtomically(FileName, SerializeGameFile(Content));
  Modified = false;
  if (OnSaved) OnSaved();
}

}  // namespace vornic
