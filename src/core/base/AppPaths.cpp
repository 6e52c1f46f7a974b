#include "base/AppPaths.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

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

bool ProgramFolderWritable() {
  return ::access(AppPaths::ProgramFolder().c_str(), W_OK) == 0;
}

}  // namespace

fs::path AppPaths::ProgramFolder() {
  std::error_code Error;
  fs::path Program = fs::read_symlink("/proc/self/exe", Error);
  if (Error) return fs::current_path(Error);
  return Program.parent_path();
}

fs::path AppPaths::SettingsFile() {
  if (fs::path Home = EnvironmentFolder("VORNICPACK_HOME"); !Home.empty())
    return Home / "vornicpack.ini";
  if (ProgramFolderWritable()) return ProgramFolder() / "vornicpack.ini";
  return XdgFolder("XDG_CONFIG_HOME", ".config") / "vornicpack" / "vornicpack.ini";
}

fs::path AppPaths::WordListsFolder() {
  if (fs::path Home = EnvironmentFolder("VORNICPACK_HOME"); !Home.empty())
    return Home / "WordLists";
  if (ProgramFolderWritable()) return ProgramFolder() / "WordLists";
  return XdgFolder("XDG_DATA_HOME", fs::path(".local") / "share") / "vornicpack" / "WordLists";
}

fs::path AppPaths::XdgFolder(const char* Variable, const fs::path& DefaultUnderHome) {
  if (fs::path Value = EnvironmentFolder(Variable); Value.is_absolute()) return Value;
  return HomeFolder() / DefaultUnderHome;
}

fs::path AppPaths::DialogFolder() {
  if (fs::path Home = EnvironmentFolder("VORNICPACK_HOME"); !Home.empty()) return Home;
  if (ProgramFolderWritable()) return ProgramFolder();
  fs::path Documents = HomeFolder() / "Documents";
  std::error_code Error;
  return fs::is_directory(Documents, Error) ? Documents : HomeFolder();
}

}  // namespace vornic
