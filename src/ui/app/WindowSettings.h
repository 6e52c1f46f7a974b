#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vornic::ui {

// What the window program remembers between runs: the frame's place and size, the folder of the
// last file dialog, the recent puzzles, "Zoom to fit" and the help window's place and size. Kept
// in "vornicpack-window.ini" beside the settings file (so VORNICPACK_HOME moves it too), apart
// from the character sets, whose file keeps the described layout. Every call reads or writes the
// file at once.
class WindowSettings {
 public:
  static constexpr int MaxRecent = 8;

  static QByteArray MainGeometry();
  static void SetMainGeometry(const QByteArray& Geometry);
  // The help window's place and size.
  static QByteArray HelpGeometry();
  static void SetHelpGeometry(const QByteArray& Geometry);

  // The folder of the file last chosen in an Open or Save dialog; empty when none is known.
  static QString LastFolder();
  static void SetLastFolder(const QString& Folder);

  // The last puzzles opened or saved, the latest first, at most MaxRecent.
  static QStringList RecentFiles();
  static void AddRecentFile(const QString& Path);

  static bool ZoomToFit();
  static void SetZoomToFit(bool On);
};

}  // namespace vornic::ui
