#pragma once

#include <filesystem>
#include <string>

namespace vornic::ui {

// The freedesktop file association of game files: a MIME type for "*.gm" ("Vornic Game Files")
// in a shared-mime-info package, the program's icon, and a desktop entry whose Exec opens a
// file with this program, all under one data folder ($XDG_DATA_HOME, default ~/.local/share).
class FileAssociation {
 public:
  static constexpr const char* MimeType = "application/x-vornic-game";

  explicit FileAssociation(std::filesystem::path DataFolder);

  // $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
  static std::filesystem::path UserDataFolder();

  std::filesystem::path DesktopEntryFile() const;  // applications/vornicpack.desktop
  std::filesystem::path MimePackageFile() const;   // mime/packages/vornicpack.xml
  std::filesystem::path IconFile() const;          // icons/hicolor/48x48/apps/vornicpack.png

  // The Exec value, as the desktop entry holds it, that opens a file with the program at
  // ProgramPath: the path quoted and escaped as desktop entries require, then "%f".
  static std::string ExecLine(const std::string& ProgramPath);
  // The Exec value of the desktop entry as the file holds it; empty when the file or the key is
  // missing.
  std::string CurrentExecLine() const;
  bool PointsAt(const std::string& ProgramPath) const {
    return CurrentExecLine() == ExecLine(ProgramPath);
  }

  // Writes the MIME package, the icon and, last, the desktop entry, so that a failure part way
  // leaves an entry that does not point here and the next start tries again. Throws
  // DocumentError naming the file or folder that could not be written.
  void Write(const std::string& ProgramPath) const;
  // Writes only when the desktop entry does not already point at ProgramPath; returns whether
  // it wrote.
  bool Ensure(const std::string& ProgramPath) const;

  // Asks the desktop's tools (update-mime-database, update-desktop-database), where installed,
  // to read the new files; they run in the background and their failure is ignored.
  void RefreshDesktopDatabases() const;

 private:
  std::filesystem::path Folder;
};

}  // namespace vornic::ui
