#include "render/GuiApplication.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QString>
#include <QtGui/QGuiApplication>

namespace vornic::render {
namespace {

QtMessageHandler PreviousHandler = nullptr;

// A tool without a desktop session has no runtime folder; Qt's note about using its own is
// noise on the command line, so that one note is dropped and everything else passes on.
void QuietHandler(QtMsgType Type, const QMessageLogContext& Context, const QString& Message) {
  if (Message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (PreviousHandler) PreviousHandler(Type, Context, Message);
}

}  // namespace

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  PreviousHandler = qInstallMessageHandler(QuietHandler);
  // Qt keeps references to the arguments for the application's life.
  static int ArgumentCount = 1;
  static char ProgramName[] = "vornicpack";
  static char* Arguments[] = {ProgramName, nullptr};
  // Kept for the rest of the process: tearing a GUI application down at exit gains nothing.
  static QGuiApplication* Application = new QGuiApplication(ArgumentCount, Arguments);
  (void)Application;
}

}  // namespace vornic::render
