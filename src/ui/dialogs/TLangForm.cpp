#include "ui/dialogs/TLangForm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "base/EmptyChar.h"
#include "document/SettingsFile.h"
#include "document/TGridSettings.h"
#include "ui/dialogs/DialogPrompts.h"

namespace vornic::ui {

TLangForm::TLangForm(QWidget* Parent, DialogPrompts* GivenPrompts)
    : QDialog(Parent), Prompts(GivenPrompts ? *GivenPrompts : DialogPrompts::Standard()) {
  setObjectName(QStringLiteral("LangForm"));
  setWindowTitle(QStringLiteral("New Character set"));
  // A small tool window.
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  auto* NameLabel = new QLabel(QStringLiteral("Enter name for a new character set:"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  // A set's name must fit a document's Language field.
  Edit1->setMaxLength(TGridSettings::MaxLanguageLength);
  auto* CharactersLabel =
      new QLabel(QStringLiteral("Type from the keyboard all needed characters :"), this);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));

  QFont Bold = font();
  Bold.setBold(true);
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setFont(Bold);
  Button2->setAutoDefault(false);
  Button1 = new QPushButton(QStringLiteral("Ok"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setFont(Bold);
  Button1->setDefault(true);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(Button1, &QPushButton::clicked, this, &TLangForm::Button1Click);

  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  Buttons->addWidget(Button2);
  Buttons->addWidget(Button1);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(NameLabel);
  Layout->addWidget(Edit1);
  Layout->addWidget(CharactersLabel);
  Layout->addWidget(Edit2);
  Layout->addStretch();
  Layout->addLayout(Buttons);
  resize(255, 133);
}

QString TLangForm::SetName() const {
  return Edit1->text().trimmed();
}

QString TLangForm::Characters() const {
  return Edit2->text();
}

void TLangForm::Button1Click() {
  if (Edit1->text().isEmpty() || Edit2->text().isEmpty()) return;
  const std::string Problem = SettingsFile::CheckCharsetName(SetName().toStdString());
  if (!Problem.empty()) {
    Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), QString::fromStdString(Problem),
                 Icon::Warning);
    Edit1->setFocus();
    return;
  }
  accept();
}

void TLangForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  // Centred on the desktop, whatever window opened it.
  if (const QScreen* Screen = screen())
    move(Screen->availableGeometry().center() - rect().center());
}

}  // namespace vornic::ui
