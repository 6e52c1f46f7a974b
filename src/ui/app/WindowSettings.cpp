#include "ui/app/WindowSettings.h"

#include <QFileInfo>
#include <QSettings>

#include "base/AppPaths.h"

namespace vornic::ui {
namespace {

QString SettingsPath() {
  const auto Folder = AppPaths::SettingsFile().parent_path() / "vornicpack-window.ini";
  return QString::fromStdString(Folder.string());
}

QVariant Read(const char* Key, const QVariant& Default = {}) {
  const QSettings Settings(SettingsPath(), QSettings::IniFormat);
  return Settings.value(QLatin1String(Key), Default);
}

// QSettings saves through QSaveFile: atomically, and through a symbolic link to its target with
// the target's permissions kept, as the core's WriteFileAtomically does for every other file.
void Write(const char* Key, const QVariant& Value) {
  QSettings Settings(SettingsPath(), QSettings::IniFormat);
  Settings.setValue(QLatin1String(Key), Value);
}

}  // namespace

QByteArray WindowSettings::MainGeometry() {
  return Read("Main/Geometry").toByteArray();
}

void WindowSettings::SetMainGeometry(const QByteArray& Geometry) {
  Write("Main/Geometry", Geometry);
}

QByteArray WindowSettings::HelpGeometry() {
  return Read("Help/Geometry").toByteArray();
}

void WindowSettings::SetHelpGeometry(const QByteArray& Geometry) {
  Write("Help/Geometry", Geometry);
}

QString WindowSettings::LastFolder() {
  return Read("Dialogs/LastFolder").toString();
}

void WindowSettings::SetLastFolder(const QString& Folder) {
  Write("Dialogs/LastFolder", Folder);
}

QStringList WindowSettings::RecentFiles() {
  return Read("Recent/Files").toStringList();
}

void WindowSettings::AddRecentFile(const QString& Path) {
  const QString Absolute = QFileInfo(Path).absoluteFilePath();
  QStringList Files = RecentFiles();
  Files.removeAll(Absolute);
  Files.prepend(Absolute);
  while (Files.size() > MaxRecent) Files.removeLast();
  Write("Recent/Files", Files);
}

bool WindowSettings::ZoomToFit() {
  return Read("Preview/ZoomToFit", false).toBool();
}

void WindowSettings::SetZoomToFit(bool On) {
  Write("Preview/ZoomToFit", On);
}

}  // namespace vornic::ui
