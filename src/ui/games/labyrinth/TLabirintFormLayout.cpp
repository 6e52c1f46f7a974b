// The word labyrinth window's input strip and its "&Game" menu.
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "ui/games/GameWindowParts.h"
#include "ui/games/labyrinth/TLabirintForm.h"

namespace vornic::ui {

void TLabirintForm::BuildInputStrip() {
  Panel2 = new QWidget(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  auto* Grid = new QGridLayout(Panel2);
  Grid->setContentsMargins(0, 0, 0, 0);
  Grid->setHorizontalSpacing(6);
  Grid->setVerticalSpacing(2);

  Edit1 = new QLineEdit(Panel2);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFont(CourierNew(Edit1->font()));
  Button1 = new QPushButton(QStringLiteral("&Build"), Panel2);
  Button1->setObjectName(QStringLiteral("Button1"));

  // The switches spread along the edit: path at its left edge, start mark at its right.
  auto* Switches = new QHBoxLayout;
  Switches->setContentsMargins(0, 0, 0, 0);
  auto AddSwitch = [&](const char* Name, const char* Text, bool Checked) {
    auto* Box = new QCheckBox(QString::fromUtf8(Text), Panel2);
    Box->setObjectName(QString::fromLatin1(Name));
    Box->setChecked(Checked);
    if (!Switches->isEmpty()) Switches->addStretch(1);
    Switches->addWidget(Box);
    connect(Box, &QCheckBox::toggled, this, &TLabirintForm::cbPathClick);
    return Box;
  };
  cbPath = AddSwitch("cbPath", "Show &Path", true);
  cbTrap = AddSwitch("cbTrap", "Show &Traps", true);
  cbText = AddSwitch("cbText", "Show &Text", false);
  cbStart = AddSwitch("cbStart", "Show &Start", true);

  Grid->addWidget(Edit1, 0, 0);
  Grid->addWidget(Button1, 0, 1);
  Grid->addLayout(Switches, 1, 0);
  Grid->setColumnStretch(0, 1);
  AddInputStrip(Panel2);

  connect(Edit1, &QLineEdit::textEdited, this, &TLabirintForm::Edit1Edited);
  connect(Edit1, &QLineEdit::returnPressed, this, &TLabirintForm::Enter);
  connect(Button1, &QPushButton::clicked, this, &TLabirintForm::Enter);
}

void TLabirintForm::BuildGameMenu() {
  FillBlanks1 = MakeAction(this, "FillBlanks1", "&Fill blanks");
  ClearAll1 = MakeAction(this, "ClearAll1", "&Clear all");
  Reorder1 = MakeAction(this, "Reorder1", "&Reorder");
  Refresh1 = MakeAction(this, "Refresh1", "&Refresh");
  for (QAction* Idle : {FillBlanks1, ClearAll1, Reorder1, Refresh1}) Idle->setEnabled(false);
  GameMenu->addSeparator();
  GameMenu->addActions({FillBlanks1, ClearAll1, Reorder1, Refresh1});
}

}  // namespace vornic::ui
