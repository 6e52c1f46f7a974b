#pragma once

#include <filesystem>

namespace vornic {

// Where the program keeps its files. VORNICPACK_HOME, when set, names the one folder used for
// both the settings file and the word lists. Otherwise a program run from a build or a copied
// folder keeps them beside itself, and an installed program (or one whose folder cannot be
// written) keeps them in the user's XDG folders.
class AppPaths {
 public:
  // The desktop entry an installation puts in <prefix>/share/applications.
  static constexpr const char* DesktopEntryName = "vornicpack.desktop";

  static std::filesystem::path ProgramFolder();
  // Whether the program runs from an installation: its folder is the bin/ of a prefix whose
  // share/applications holds the program's desktop entry. An installed program leaves the
  // desktop entries to the package and never writes beside itself, even as root.
  static bool Installed();
  static bool InstalledAt(const std::filesystem::path& ProgramFolder);

  static std::filesystem::path SettingsFile();     // .../vornicpack.ini
  static std::filesystem::path WordListsFolder();  // .../WordLists
  // Where Open and Save dialogs start when nothing else is known: the program's folder, or the
  // user's documents folder for an installed program.
  static std::filesystem::path DialogFolder();
  // The user's documents folder: XDG_DOCUMENTS_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (a
  // localised name such as ~/Dokumente), else ~/Documents; the home folder when neither exists.
  static std::filesystem::path DocumentsFolder();
  // A freedesktop base folder: the variable's value when it is an absolute path (the base
  // directory rules ignore a relative one), else the home folder joined with DefaultUnderHome
  // (".config", ".local/share"). Without HOME the home folder is the temporary folder.
  static std::filesystem::path XdgFolder(const char* Variable,
                                         const std::filesystem::path& DefaultUnderHome);
};

}  // namespace vornic
