// vornicpack: the window program. With no display to open windows on, it says so and points to
// the command-line tool instead of letting the toolkit abort.
#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdlib>
#include <iostream>

#include "ui/app/AppIcon.h"
#include "ui/app/TmainGameForm.h"

namespace {

bool Set(const char* Name) {
  const char* Value = std::getenv(Name);
  return Value != nullptr && *Value != '\0';
}

// A chosen platform plugin (offscreen, vnc, ...) brings its own display.
bool HaveDisplay() {
  return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!HaveDisplay()) {
    std::cerr << "Vornic Pack needs a graphical display, and none was found (DISPLAY and "
                 "WAYLAND_DISPLAY are not set).\n"
                 "The command-line tool makes the same puzzles without one, for example:\n"
                 "  vornicpack-cli demo vornicpack-demo     sample puzzles of every game\n"
                 "  vornicpack-cli --help                   all commands\n";
    return 1;
  }
  QApplication Application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vornicpack"));
  // No application display name: the platform would add it to every window title, and the
  // titles are given exactly ("Vornic Pack" is the main window's own).
  QApplication::setWindowIcon(vornic::ui::AppIcon::Icon());
  // Lets Wayland desktops match the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("vornicpack"));

  vornic::ui::TmainGameForm::Options Start;
  const QStringList Arguments = QApplication::arguments();
  // Further arguments are ignored.
  // Kept absolute: the document saves to the name it was opened with.
  if (Arguments.size() > 1) Start.StartFile = QFileInfo(Arguments.at(1)).absoluteFilePath();
  vornic::ui::TmainGameForm Window(Start);
  Window.show();
  return QApplication::exec();
}
