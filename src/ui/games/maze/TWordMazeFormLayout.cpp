// The word maze window's right-hand panel and its "&Game" menu.
#include <algorithm>

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/games/GameWindowParts.h"
#include "ui/games/ToolIcons.h"
#include "ui/games/maze/TWordMazeForm.h"

namespace vornic::ui {
namespace {

constexpr int GroupWidth = 107;

QPushButton* PanelButton(QWidget* Parent, const char* Name, const char* Text) {
  auto* Button = new QPushButton(QString::fromUtf8(Text), Parent);
  Button->setObjectName(QString::fromLatin1(Name));
  // Like speed buttons they leave the focus where the typing goes on.
  Button->setFocusPolicy(Qt::NoFocus);
  return Button;
}

}  // namespace

void TWordMazeForm::BuildPanel() {
  GroupBox1 = new QGroupBox(QStringLiteral(" Title phrase: "), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* Column = new QVBoxLayout(GroupBox1);
  Column->setContentsMargins(5, 5, 5, 5);
  Column->setSpacing(3);

  edtFrase = new QLineEdit(GroupBox1);
  edtFrase->setObjectName(QStringLiteral("edtFrase"));
  edtFrase->setFont(CourierNew(edtFrase->font()));
  edtFrase->installEventFilter(this);
  Column->addWidget(edtFrase);

  Button1 = PanelButton(GroupBox1, "Button1", "&Build game");
  SpeedButton7 = PanelButton(GroupBox1, "SpeedButton7", "&Clear all");
  Column->addWidget(Button1);
  Column->addWidget(SpeedButton7);

  UserWrdList = new QPlainTextEdit(GroupBox1);
  UserWrdList->setObjectName(QStringLiteral("UserWrdList"));
  UserWrdList->setFont(CourierNew(UserWrdList->font()));
  UserWrdList->setLineWrapMode(QPlainTextEdit::NoWrap);
  UserWrdList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // A tab would be a character of a word; Tab moves on as in the other fields.
  UserWrdList->setTabChangesFocus(true);
  UserWrdList->setMinimumHeight(60);
  UserWrdList->viewport()->installEventFilter(this);
  Column->addWidget(UserWrdList, 3);

  SpeedButton6 = PanelButton(GroupBox1, "SpeedButton6", "&Refresh");
  Column->addWidget(SpeedButton6);

  Label1 = new QLabel(QStringLiteral("Game size:"), GroupBox1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Column->addWidget(Label1);

  SizeListBox = new QListWidget(GroupBox1);
  SizeListBox->setObjectName(QStringLiteral("SizeListBox"));
  SizeListBox->setMinimumHeight(40);
  Label1->setBuddy(SizeListBox);
  Column->addWidget(SizeListBox, 2);

  SizeHint = new QLabel(GroupBox1);
  SizeHint->setObjectName(QStringLiteral("SizeHint"));
  SizeHint->setWordWrap(true);
  SizeHint->hide();
  Column->addWidget(SizeHint);

  GroupBox1->setFixedWidth(std::max(GroupWidth, GroupBox1->minimumSizeHint().width()));
  Body->addWidget(GroupBox1);

  connect(edtFrase, &QLineEdit::textEdited, this, &TWordMazeForm::edtFraseEdited);
  connect(edtFrase, &QLineEdit::textChanged, this, [this] { Calculate(); });
  connect(UserWrdList, &QPlainTextEdit::textChanged, this, &TWordMazeForm::UserWrdListChange);
  connect(Button1, &QPushButton::clicked, this, &TWordMazeForm::Build);
  connect(SpeedButton7, &QPushButton::clicked, this, &TWordMazeForm::DeleteAll);
  connect(SpeedButton6, &QPushButton::clicked, this, &TWordMazeForm::FullRefresh);
  // A size chosen by mouse or by the arrow keys.
  connect(SizeListBox, &QListWidget::itemClicked, this, [this] { SizeListBoxClick(); });
  connect(SizeListBox, &QListWidget::currentRowChanged, this, [this](int Row) {
    if (Row >= 0) SizeListBoxClick();
  });
  connect(SizeListBox, &QListWidget::itemDoubleClicked, this, [this] { Build(); });
}

void TWordMazeForm::BuildGameMenu() {
  CopyWords1 = MakeGameAction(this, "CopyWords1", "Copy &Words to Clipboard", "Ctrl+W", "");
  WordListEditor1 =
      MakeGameAction(this, "WordListEditor1", "&Word List Editor", "", "Word List editor...");
  GridSettings1 = MakeGameAction(this, "GridSettings1", "&Grid settings", "", "Grid settings...");
  BuildGame1 = MakeGameAction(this, "BuildGame1", "&Build Game", "", "");
  ClearAll1 = MakeGameAction(this, "ClearAll1", "&Clear all", "", "");
  Update1 = MakeGameAction(this, "Update1", "&Refresh", "", "");
  WordListEditor1->setIcon(ToolIcon(ToolGlyph::WordList));
  GridSettings1->setIcon(ToolIcon(ToolGlyph::GridSettings));

  ExportMenu->addAction(CopyWords1);
  GameMenu = new QMenu(QStringLiteral("&Game"));
  GameMenu->setObjectName(QStringLiteral("Game1"));
  GameMenu->addActions({WordListEditor1, GridSettings1});
  GameMenu->addSeparator();
  GameMenu->addActions({BuildGame1, ClearAll1, Update1});

  // The game's tool buttons go before "About".
  QAction* AboutButton = ToolBar1->actions().back();
  ToolBar1->insertActions(AboutButton, {WordListEditor1, GridSettings1});
  ToolBar1->insertSeparator(AboutButton);

  connect(CopyWords1, &QAction::triggered, this, &TWordMazeForm::GameList);
  connect(WordListEditor1, &QAction::triggered, this, &TWordMazeForm::ListEdit);
  connect(GridSettings1, &QAction::triggered, this, &TWordMazeForm::GridSet);
  // The menu's "&Build Game" does what the panel's button does.
  connect(BuildGame1, &QAction::triggered, this, &TWordMazeForm::Build);
  connect(ClearAll1, &QAction::triggered, this, &TWordMazeForm::DeleteAll);
  connect(Update1, &QAction::triggered, this, &TWordMazeForm::FullRefresh);
}

}  // namespace vornic::ui
