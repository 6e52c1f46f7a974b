#include "ui/app/FileAssociation.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <system_error>

#include "base/AppPaths.h"
#include "base/AtomicFile.h"
#include "base/BoundedFile.h"
#include "base/DocumentError.h"
#include "base/TextLines.h"
#include "ui/app/AppIcon.h"

namespace vornic::ui {
namespace fs = std::filesystem;
namespace {

constexpr const char* EntryGroup = "[Desktop Entry]";

// The escapes of a desktop entry's string values: backslash, and the control characters that
// would end the line.
std::string EscapeString(const std::string& Text) {
  std::string Result;
  for (char C : Text) {
    switch (C) {
      case '\\':
        Result += "\\\\";
        break;
      case '\n':
        Result += "\\n";
        break;
      case '\r':
        Result += "\\r";
        break;
      case '\t':
        Result += "\\t";
        break;
      default:
        Result += C;
    }
  }
  return Result;
}

// One argument of an Exec value: in double quotes, with '"', '`', '$' and '\' escaped by a
// backslash, and '%' doubled so that it is not read as a field code.
std::string QuoteArgument(const std::string& Argument) {
  std::string Result = "\"";
  for (char C : Argument) {
    if (C == '"' || C == '`' || C == '$' || C == '\\') Result += '\\';
    if (C == '%') Result += '%';
    Result += C;
  }
  return Result + "\"";
}

// The MIME package an installation puts in share/mime/packages, compiled in.
std::string MimePackage() {
  QFile Package(QStringLiteral(":/mime/vornicpack.xml"));
  if (!Package.open(QIODevice::ReadOnly)) throw DocumentError("The MIME package is missing.");
  return Package.readAll().toStdString();
}

std::string IconBytes() {
  QByteArray Png;
  QBuffer Buffer(&Png);
  Buffer.open(QIODevice::WriteOnly);
  AppIcon::Pixmap(48).save(&Buffer, "PNG");
  return Png.toStdString();
}

void MakeFolder(const fs::path& Folder) {
  std::error_code Error;
  fs::create_directories(Folder, Error);
  if (Error || !fs::is_directory(Folder))
    throw DocumentError("Failed to create folder " + Folder.string() +
                        (Error ? ". " + Error.message() : std::string()));
}

void WriteInto(const fs::path& File, const std::string& Bytes) {
  MakeFolder(File.parent_path());
  WriteFileAtomically(File, Bytes);
}

void RunInBackground(const char* Tool, const fs::path& Folder) {
  const QString Program = QStandardPaths::findExecutable(QString::fromLatin1(Tool));
  if (Program.isEmpty()) return;
  QProcess::startDetached(Program, {QString::fromStdString(Folder.string())});
}

}  // namespace

FileAssociation::FileAssociation(fs::path DataFolder) : Folder(std::move(DataFolder)) {}

fs::path FileAssociation::UserDataFolder() {
  return AppPaths::XdgFolder("XDG_DATA_HOME", fs::path(".local") / "share");
}

fs::path FileAssociation::DesktopEntryFile() const {
  return Folder / "applications" / "vornicpack.desktop";
}

fs::path FileAssociation::MimePackageFile() const {
  return Folder / "mime" / "packages" / "vornicpack.xml";
}

fs::path FileAssociation::IconFile() const {
  return Folder / "icons" / "hicolor" / "48x48" / "apps" / "vornicpack.png";
}

std::string FileAssociation::ExecLine(const std::string& ProgramPath) {
  return EscapeString(QuoteArgument(ProgramPath)) + " %f";
}

std::string FileAssociation::CurrentExecLine() const {
  std::string Text;
  try {
    Text = ReadBoundedFile(DesktopEntryFile(), MaxSettingsFileBytes);
  } catch (const DocumentError&) {
    return {};  // no entry that can be read: it is written anew
  }
  bool InEntryGroup = false;
  for (const std::string& Line : SplitLineBreaks(Text)) {
    if (Line.starts_with('[')) {
      InEntryGroup = Line == EntryGroup;
      continue;
    }
    if (!InEntryGroup || !Line.starts_with("Exec")) continue;
    // "Exec", optional blanks, '=', optional blanks, the value.
    std::size_t At = 4;
    while (At < Line.size() && Line[At] == ' ') ++At;
    if (At >= Line.size() || Line[At] != '=') continue;
    ++At;
    while (At < Line.size() && Line[At] == ' ') ++At;
    return Line.substr(At);
  }
  return {};
}

void FileAssociation::Write(const std::string& ProgramPath) const {
  WriteInto(MimePackageFile(), MimePackage());
  WriteInto(IconFile(), IconBytes());
  const std::string Entry = std::string(EntryGroup) +
                            "\n"
                            "Type=Application\n"
                            "Name=Vornic Pack\n"
                            "GenericName=Word Puzzle Maker\n"
                            "Comment=Make printable word puzzles\n"
                            "Exec=" +
                            ExecLine(ProgramPath) +
                            "\n"
                            "Icon=" +
                            EscapeString(IconFile().string()) +
                            "\n"
                            "Terminal=false\n"
                            "MimeType=" +
                            MimeType +
                            ";\n"
                            "Categories=Education;Game;\n";
  WriteInto(DesktopEntryFile(), Entry);
}

bool FileAssociation::Ensure(const std::string& ProgramPath) const {
  if (PointsAt(ProgramPath)) return false;
  Write(ProgramPath);
  return true;
}

void FileAssociation::RefreshDesktopDatabases() const {
  RunInBackground("update-mime-database", Folder / "mime");
  RunInBackground("update-desktop-database", Folder / "applications");
}

}  // namespace vornic::ui
