#include "ui/dialogs/StandardDialogPrompts.h"

#include <QInputDialog>
#include <QMessageBox>

namespace vornic::ui {
namespace {

QMessageBox::Icon BoxIcon(Icon Kind) {
  switch (Kind) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Error:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(Buttons Choice) {
  switch (Choice) {
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

}  // namespace

Answer StandardDialogPrompts::Ask(QWidget* Parent, const QString& Title, const QString& Text,
                                  Buttons Choice, Icon Kind) {
  QMessageBox Box(BoxIcon(Kind), Title, Text, BoxButtons(Choice), Parent);
  // Closing the box without a button counts as its escape button: Cancel where there is one.
  switch (Box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Choice == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
}

void StandardDialogPrompts::Tell(QWidget* Parent, const QString& Title, const QString& Text,
                                 Icon Kind) {
  QMessageBox Box(BoxIcon(Kind), Title, Text, QMessageBox::Ok, Parent);
  Box.exec();
}

std::optional<QString> StandardDialogPrompts::AskText(QWidget* Parent, const QString& Title,
                                                      const QString& Prompt,
                                                      const QString& Default) {
  QInputDialog Box(Parent);
  Box.setWindowTitle(Title);
  Box.setLabelText(Prompt);
  Box.setTextValue(Default);
  if (Box.exec() != QDialog::Accepted) return std::nullopt;
  return Box.textValue();
}

DialogPrompts& DialogPrompts::Standard() {
  static StandardDialogPrompts Prompts;
  return Prompts;
}

}  // namespace vornic::ui
