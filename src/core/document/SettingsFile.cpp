#include "document/SettingsFile.h"

#include <algorithm>
#include <memory>
#include <system_error>

#include "base/AppPaths.h"
#include "base/AtomicFile.h"
#include "base/BoundedFile.h"
#include "base/CodePage.h"
#include "base/FileLock.h"
#include "document/SettingsText.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

bool IsControl(char C) {
  return static_cast<unsigned char>(C) < 0x20;
}

}  // namespace

SettingsFile::SettingsFile(fs::path Path) : FilePath(std::move(Path)) {}

SettingsFile SettingsFile::Default() {
  return SettingsFile(AppPaths::SettingsFile());
}

// A missing file is an empty one; one that cannot be read throws SettingsUnreadable.
SettingsText SettingsFile::Load() const {
  std::error_code Error;
  if (!fs::exists(FilePath, Error) && !Error) return SettingsText::Parse({});
  std::string Reason;
  try {
    SettingsText Text = SettingsText::Parse(ReadBoundedFile(FilePath, MaxSettingsFileBytes));
    if (Text.Problem().empty()) return Text;
    Reason = "Cannot open file \"" + FilePath.string() + "\". " + Text.Problem();
  } catch (const DocumentError& Failure) {
    Reason = Failure.what();
  }
  throw SettingsUnreadable(Reason +
                           " Its character sets cannot be used: the program uses its own \"" +
                           DefaultName + "\" set and leaves the file as it is.");
}

void SettingsFile::Store(const SettingsText& Text) const {
  try {
    if (FilePath.has_parent_path()) fs::create_directories(FilePath.parent_path());
    WriteFileAtomically(FilePath, Text.Bytes());
  } catch (const DocumentError& Failure) {
    throw DocumentError("Unable to write to " + FilePath.string() + ". " + Failure.what());
  } catch (const fs::filesystem_error& Failure) {
    throw DocumentError("Unable to write to " + FilePath.string() + ". " +
                        Failure.code().message());
  }
}

void SettingsFile::EnsureDefaultCharset() const {
  auto HasDefault = [](const SettingsText& Text) {
    const std::optional<std::string> Value = Text.Value(Section, DefaultName);
    return Value && !Value->empty();
  };
  if (HasDefault(Load())) return;
  const std::unique_ptr<FileLock> Lock = LockFile();
  SettingsText Text = Load();
  if (HasDefault(Text)) return;
  static_cast<void>(Text.Set(Section, DefaultName, DefaultCharacters));  // plain ASCII fits
  Store(Text);
}

std::unique_ptr<FileLock> SettingsFile::LockFile() const {
  try {
    if (FilePath.has_parent_path()) fs::create_directories(FilePath.parent_path());
  } catch (const fs::filesystem_error& Failure) {
    throw DocumentError("Unable to write to " + FilePath.string() + ". " +
                        Failure.code().message());
  }
  return std::make_unique<FileLock>(FilePath, LockWait);
}

std::string SettingsFile::ReadCharset(const std::string& Name, const std::string& Fallback) const {
  std::optional<std::string> Value;
  try {
    Value = Load().Value(Section, Name);
  } catch (const SettingsUnreadable&) {
    if (SettingsText::SameName(Name, DefaultName)) Value = DefaultCharacters;
  }
  if ((!Value || Value->empty()) && SettingsText::SameName(Name, DefaultName))
    Value = DefaultCharacters;
  if (!Value) return Fallback;
  std::string Characters = std::move(*Value);
  if (Characters.size() > MaxValueLength) {
    // Cut at a character boundary, as a reader with a 2047-character buffer would.
    std::u32string Text = Utf8ToUtf32(Characters);
    if (Text.size() > MaxValueLength) Text.resize(MaxValueLength);
    Characters = Utf32ToUtf8(Text);
  }
  return Characters;
}

std::vector<std::string> SettingsFile::ListCharsets() const {
  try {
    std::vector<std::string> Names = Load().Keys(Section);
    if (std::none_of(Names.begin(), Names.end(), [](const std::string& Name) {
          return SettingsText::SameName(Name, DefaultName);
        }))
      Names.insert(Names.begin(), DefaultName);
    return Names;
  } catch (const SettingsUnreadable&) {
    return {DefaultName};
  }
}

void SettingsFile::WriteCharset(const std::string& Name, const std::string& Characters) const {
  if (const std::string Problem = CheckCharsetName(Name); !Problem.empty())
    throw DocumentError(Problem);
  // Control characters are no fill letters, and a file holding them would no longer read as text.
  if (std::any_of(Characters.begin(), Characters.end(), IsControl))
    throw DocumentError("A character set cannot hold line breaks or other control characters.");
  const std::unique_ptr<FileLock> Lock = LockFile();
  SettingsText Text = Load();
  if (!Text.Set(Section, Name, Characters))
    throw DocumentError("Unable to write to " + FilePath.string() +
                        ": the file is in Windows-1252, which cannot hold these characters.");
  Store(Text);
}

void SettingsFile::DeleteCharset(const std::string& Name) const {
  const std::unique_ptr<FileLock> Lock = LockFile();
  SettingsText Text = Load();
  if (!Text.Remove(Section, Name)) return;
  Store(Text);
}

std::string SettingsFile::CheckCharsetName(const std::string& Name) {
  const auto First = Name.find_first_not_of(" \t");
  if (First == std::string::npos) return "Please enter a name for the character set.";
  // A name starting with ";" or "#" would read as a comment.
  if (Name.find_first_of("=[]") != std::string::npos ||
      std::any_of(Name.begin(), Name.end(), IsControl) || Name[First] == ';' || Name[First] == '#')
    return "A character set name cannot hold \"=\", \"[\", \"]\", a line break or other control "
           "characters, nor start with \";\" or \"#\".";
  return {};
}

}  // namespace vornic
