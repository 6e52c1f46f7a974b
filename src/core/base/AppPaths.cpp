#include "base/AppPaths.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

#include "base/BoundedFile.h"
#include "base/DocumentError.h"
#include "base/TextLines.h"

namespace vornic {
namespace fs = std::filesystem;
namespace {

fs::path EnvironmentFolder(const char* Name) {
  const char* Value = std::getenv(Name);
  if (Value == nullptr || *Value == '\0') return {};
  return fs::path(Value);
}

fs::path HomeFolder() {
  fs::path Home = EnvironmentFolder("HOME");
  return Home.empty() ? fs::temp_directory_path() : Home;
}

fs::path ConfigHome() {
  return AppPaths::XdgFolder("XDG_CONFIG_HOME", ".config");
}

fs::path DataHome() {
  return AppPaths::XdgFolder("XDG_DATA_HOME", fs::path(".local") / "share");
}

// Files beside the program only for a build or a copied folder that can be written.
bool BesideProgram() {
  return !AppPaths::Installed() && ::access(AppPaths::ProgramFolder().c_str(), W_OK) == 0;
}

bool SameFolder(const fs::path& A, const fs::path& B) {
  return (A / "").lexically_normal() == (B / "").lexically_normal();
}

bool IsFolder(const fs::path& Path) {
  std::error_code Error;
  return !Path.empty() && fs::is_directory(Path, Error);
}

// The documents folder named in user-dirs.dirs: a line XDG_DOCUMENTS_DIR="$HOME/..." or
// XDG_DOCUMENTS_DIR="/abs/path". Empty when there is none, and when it names the home folder
// itself, which is how xdg-user-dirs marks a folder as switched off.
fs::path UserDirsDocuments() {
  std::string Text;
  try {
    Text = ReadBoundedFile(ConfigHome() / "user-dirs.dirs", MaxSettingsFileBytes);
  } catch (const DocumentError&) {
    return {};  // no such file, or none that can be read: no documents folder named
  }
  const std::string Key = "XDG_DOCUMENTS_DIR=\"";
  for (const std::string& Line : SplitLineBreaks(Text)) {
    if (!Line.starts_with(Key) || Line.size() < Key.size() + 1 || Line.back() != '"') continue;
    std::string Value = Line.substr(Key.size(), Line.size() - Key.size() - 1);
    fs::path Folder;
    if (Value.starts_with("$HOME"))
      Folder = HomeFolder() / fs::path(Value.substr(5)).relative_path();
    else if (fs::path(Value).is_absolute())
      Folder = Value;
    else
      continue;
    if (SameFolder(Folder, HomeFolder())) return {};
    return Folder;
  }
  return {};
}

}  // namespace

fs::path AppPaths::ProgramFolder() {
  std::error_code Error;
  fs::path Program = fs::read_symlink("/proc/self/exe", Error);
  if (Error) return fs::current_path(Error);
  return Program.parent_path();
}

bool AppPaths::InstalledAt(const fs::path& Folder) {
  if (Folder.filename() != "bin") return false;
  std::error_code Error;
  return fs::is_regular_file(Folder.parent_path() / "share" / "applications" / DesktopEntryName,
                             Error);
}

bool AppPaths::Installed() {
  return InstalledAt(ProgramFolder());
}

fs::path AppPaths::SettingsFile() {
  if (fs::path Home = EnvironmentFolder("VORNICPACK_HOME"); !Home.empty())
    return Home / "vornicpack.ini";
  if (BesideProgram()) return ProgramFolder() / "vornicpack.ini";
  return ConfigHome() / "vornicpack" / "vornicpack.ini";
}

fs::path AppPaths::WordListsFolder() {
  if (fs::path Home = EnvironmentFolder("VORNICPACK_HOME"); !Home.empty())
    return Home / "WordLists";
  if (BesideProgram()) return ProgramFolder() / "WordLists";
  return DataHome() / "vornicpack" / "WordLists";
}

fs::path AppPaths::XdgFolder(const char* Variable, const fs::path& DefaultUnderHome) {
  // The base directory rules ignore a relative value.
  if (fs::path Value = EnvironmentFolder(Variable); Value.is_absolute()) return Value;
  return HomeFolder() / DefaultUnderHome;
}

fs::path AppPaths::DialogFolder() {
  if (fs::path Home = EnvironmentFolder("VORNICPACK_HOME"); !Home.empty()) return Home;
  if (BesideProgram()) return ProgramFolder();
  return DocumentsFolder();
}

fs::path AppPaths::DocumentsFolder() {
  if (fs::path Named = UserDirsDocuments(); IsFolder(Named)) return Named;
  if (fs::path Documents = HomeFolder() / "Documents"; IsFolder(Documents)) return Documents;
  return HomeFolder();
}

}  // namespace vornic
