#include "render/GuiApplication.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QGuiApplication>

namespace vornic::render {

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt keeps references to the arguments for the application's life.
  static int ArgumentCount = 1;
  static char ProgramName[] = "vornicpack";
  static char* Arguments[] = {ProgramName, nullptr};
  // Kept for the rest of the process: tearing a GUI application down at exit gains nothing.
  static QGuiApplication* Application = new QGuiApplication(ArgumentCount, Arguments);
  (void)Application;
}

}  // namespace vornic::render
