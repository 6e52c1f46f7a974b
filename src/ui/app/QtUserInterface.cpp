#include "ui/app/QtUserInterface.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QWidget>

#include "base/AppPaths.h"
#include "render/ClipboardData.h"
#include "ui/app/WindowSettings.h"
#include "ui/dialogs/DialogPrompts.h"

namespace vornic::ui {

QtUserInterface::QtUserInterface(QWidget* NewOwner, UserInterface* NewScripted)
    : Owner(NewOwner), Scripted(NewScripted) {}

Answer QtUserInterface::Ask(const std::string& Title, const std::string& Text, Buttons Choice,
                            Icon Kind) {
  if (Scripted) return Scripted->Ask(Title, Text, Choice, Kind);
  return DialogPrompts::Standard().Ask(Owner, QString::fromStdString(Title),
                                       QString::fromStdString(Text), Choice, Kind);
}

void QtUserInterface::Tell(const std::string& Title, const std::string& Text, Icon Kind) {
  if (Scripted) return Scripted->Tell(Title, Text, Kind);
  DialogPrompts::Standard().Tell(Owner, QString::fromStdString(Title), QString::fromStdString(Text),
                                 Kind);
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(const FileDialogRequest& Request) {
  if (Scripted) return Scripted->ChooseOpenFile(Request);
  return ChooseFile(Request, false);
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const FileDialogRequest& Request) {
  if (Scripted) return Scripted->ChooseSaveFile(Request);
  return ChooseFile(Request, true);
}

void QtUserInterface::SetCaption(const std::string& Caption) {
  // "[*]" shows whether the window has unsaved changes (setWindowModified); a "[*]" of the
  // file's own name is doubled to stay as it is.
  if (Owner)
    Owner->setWindowTitle(
        QString::fromStdString(Caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) +
        QStringLiteral("[*]"));
  if (Scripted) Scripted->SetCaption(Caption);
}

void QtUserInterface::SetClipboard(const ClipboardContent& Content) {
  // The clipboard takes ownership of the data.
  QGuiApplication::clipboard()->setMimeData(render::BuildClipboardData(Content).release());
  if (Scripted) Scripted->SetClipboard(Content);
}

QStringList QtUserInterface::NameFilters(const std::string& Filter) {
  const QStringList Parts = QString::fromStdString(Filter).split(QLatin1Char('|'));
  QStringList Filters;
  for (qsizetype i = 0; i + 1 < Parts.size(); i += 2) {
    const QString& Description = Parts[i];
    QString Patterns = Parts[i + 1];
    Patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the parentheses of the description.
    if (Description.contains(QLatin1Char('(') + Patterns + QLatin1Char(')')))
      Filters << Description;
    else
      Filters << Description + QStringLiteral(" (") + Patterns + QLatin1Char(')');
  }
  return Filters;
}

QString QtUserInterface::DefaultSuffix(const std::string& DefaultExt) {
  QString Suffix = QString::fromStdString(DefaultExt);
  while (Suffix.startsWith(QLatin1Char('*')) || Suffix.startsWith(QLatin1Char('.')))
    Suffix.remove(0, 1);
  return Suffix;
}

QString QtUserInterface::StartFolder(const FileDialogRequest& Request) {
  // The folder last used, in any window; else the one asked for unless it is where the program
  // keeps its settings (no place for puzzles); else the user's documents.
  const QString Last = WindowSettings::LastFolder();
  if (!Last.isEmpty() && QFileInfo(Last).isDir()) return Last;
  const QFileInfo Asked(QString::fromStdString(Request.InitialDir));
  const QFileInfo Settings(QString::fromStdString(AppPaths::SettingsFile().parent_path().string()));
  if (!Request.InitialDir.empty() && Asked.isDir() &&
      Asked.canonicalFilePath() != Settings.canonicalFilePath() &&
      Asked.canonicalFilePath() !=
          QFileInfo(QString::fromStdString(AppPaths::ProgramFolder().string())).canonicalFilePath())
    return Asked.absoluteFilePath();
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::optional<std::string> QtUserInterface::ChooseFile(const FileDialogRequest& Request,
                                                       bool Saving) {
  QFileDialog Dialog(Owner);
  Dialog.setWindowTitle(Saving ? QStringLiteral("Save As") : QStringLiteral("Open"));
  Dialog.setAcceptMode(Saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  Dialog.setFileMode(Saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  Dialog.setNameFilters(NameFilters(Request.Filter));
  Dialog.setDefaultSuffix(DefaultSuffix(Request.DefaultExt));
  // A name typed without extension gets the one of the filter chosen ("PNG image (*.png)").
  QObject::connect(&Dialog, &QFileDialog::filterSelected, &Dialog, [&Dialog](const QString& Name) {
    const qsizetype Star = Name.indexOf(QStringLiteral("*."));
    if (Star < 0) return;
    qsizetype End = Star + 2;
    while (End < Name.size() && Name[End].isLetterOrNumber()) ++End;
    if (End > Star + 2) Dialog.setDefaultSuffix(Name.mid(Star + 2, End - Star - 2));
  });
  Dialog.setOption(QFileDialog::DontConfirmOverwrite, !Request.OverwritePrompt);
  Dialog.setDirectory(StartFolder(Request));
  // A proposed name with a folder (the picture beside its game file) selects that folder too.
  if (!Request.ProposedName.empty())
    Dialog.selectFile(QString::fromStdString(Request.ProposedName));
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList Chosen = Dialog.selectedFiles();
  if (Chosen.isEmpty()) return std::nullopt;
  WindowSettings::SetLastFolder(QFileInfo(Chosen.front()).absolutePath());
  return Chosen.front().toStdString();
}

}  // namespace vornic::ui
