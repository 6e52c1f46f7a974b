#include "document/SettingsFile.h"

#include <SimpleIni.h>

#include <system_error>

#include "base/AppPaths.h"
#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/DocumentError.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

// Loads the file into Ini; a missing file is an empty one.
void Load(const fs::path& Path, CSimpleIniA& Ini) {
  Ini.SetUnicode(true);
  Ini.SetMultiKey(false);
  std::error_code Error;
  if (!fs::exists(Path, Error)) return;
  std::string Text;
  try {
    Text = ReadWholeFile(Path);
  } catch (const DocumentError&) {
    return;  // an unreadable settings file reads as empty, as the platform's INI functions do
  }
  if (!IsValidUtf8(Text)) Text = Windows1252ToUtf8(Text);
  Ini.LoadData(Text.data(), Text.size());
}

void Store(const fs::path& Path, const CSimpleIniA& Ini) {
  std::string Text;
  if (Ini.Save(Text) < 0) throw DocumentError("Unable to write to " + Path.string());
  try {
    if (Path.has_parent_path()) fs::create_directories(Path.parent_path());
    WriteFileAtomically(Path, Text);
  } catch (const std::exception&) {
    throw DocumentError("Unable to write to " + Path.string());
  }
}

}  // namespace

SettingsFile::SettingsFile(fs::path Path) : FilePath(std::move(Path)) {}

SettingsFile SettingsFile::Default() {
  return SettingsFile(AppPaths::SettingsFile());
}

void SettingsFile::EnsureDefaultCharset() const {
  CSimpleIniA Ini;
  Load(FilePath, Ini);
  const char* Value = Ini.GetValue(Section, DefaultName, "");
  if (Value != nullptr && *Value != '\0') return;
  Ini.SetValue(Section, DefaultName, DefaultCharacters);
  Store(FilePath, Ini);
}

std::string SettingsFile::ReadCharset(const std::string& Name, const std::string& Fallback) const {
  CSimpleIniA Ini;
  Load(FilePath, Ini);
  const char* Value = Ini.GetValue(Section, Name.c_str(), nullptr);
  if (Value == nullptr) return Fallback;
  std::string Characters(Value);
  if (Characters.size() > MaxValueLength) {
    // Cut at a character boundary, as a reader with a 2047-character buffer would.
    std::u32string Text = Utf8ToUtf32(Characters);
    if (Text.size() > MaxValueLength) Text.resize(MaxValueLength);
    Characters = Utf32ToUtf8(Text);
  }
  return Characters;
}

std::vector<std::string> SettingsFile::ListCharsets() const {
  CSimpleIniA Ini;
  Load(FilePath, Ini);
  CSimpleIniA::TNamesDepend Keys;
  Ini.GetAllKeys(Section, Keys);
  Keys.sort(CSimpleIniA::Entry::LoadOrder());
  std::vector<std::string> Names;
  for (const auto& Key : Keys) Names.emplace_back(Key.pItem);
  return Names;
}

void SettingsFile::WriteCharset(const std::string& Name, const std::string& Characters) const {
  if (const std::string Problem = CheckCharsetName(Name); !Problem.empty())
    throw DocumentError(Problem);
  CSimpleIniA Ini;
  Load(FilePath, Ini);
  Ini.SetValue(Section, Name.c_str(), Characters.c_str());
  Store(FilePath, Ini);
}

void SettingsFile::DeleteCharset(const std::string& Name) const {
  CSimpleIniA Ini;
  Load(FilePath, Ini);
  if (!Ini.Delete(Section, Name.c_str())) return;
  Store(FilePath, Ini);
}

std::string SettingsFile::CheckCharsetName(const std::string& Name) {
  const auto First = Name.find_first_not_of(" \t");
  if (First == std::string::npos) return "Please enter a name for the character set.";
  if (Name.find_first_of("=[]\r\n") != std::string::npos)
    return "A character set name cannot hold \"=\", \"[\", \"]\" or a line break.";
  return {};
}

}  // namespace vornic
