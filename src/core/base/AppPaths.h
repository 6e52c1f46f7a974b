#pragma once

#include <filesystem>

namespace vornic {

// Where the program keeps its files. VORNICPACK_HOME, when set, names the one folder used for
// both the settings file and the word lists. Otherwise they lie beside the program when its
// folder can be written, and under the user's XDG folders when it cannot.
class AppPaths {
 public:
  static std::filesystem::path ProgramFolder();
  static std::filesystem::path SettingsFile();     // .../vornicpack.ini
  static std::filesystem::path WordListsFolder();  // .../WordLists
  // Where Open and Save dialogs start when nothing else is known: the program's folder, or the
  // user's documents folder when the program's folder is read-only.
  static std::filesystem::path DialogFolder();
  // A freedesktop base folder: the variable's value when it is an absolute path (the base
  // directory rules ignore a relative one), else the home folder joined with DefaultUnderHome
  // (".config", ".local/share"). Without HOME the home folder is the temporary folder.
  static std::filesystem::path XdgFolder(const char* Variable,
                                         const std::filesystem::path& DefaultUnderHome);
};

}  // namespace vornic
