#include "ui/games/TTextGameForm.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "base/EmptyChar.h"
#include "games/GameText.h"
#include "ui/games/GameWindowParts.h"
#include "ui/games/ToolIcons.h"

namespace vornic::ui {
TTextGameForm::TTextGameForm(std::string_view TypeName, const Answerers& Answer, QWidget* Parent)
    : TGameForm(std::string(TypeName), Answer,
                {.WordList = FrameLayout::WordListUse::TextOnly,
                 .SettingsFirst = true,
                 .GridSize = false,
                 .GridLanguage = false},
                Parent) {
  setMinimumSize(400, 350);
  resize(408, 350);
  Preview->setTitle(QStringLiteral(" Preview "));
  BuildStrip();
  BuildGameMenu();
  BuildCopyTool();
  KeepInSteps({PathEdit, Solution, ShowSolution});
  // Whenever the window is given the focus (opened, activated), typing goes into the text.
  setFocusProxy(PathEdit);
  PathEdit->setFocus();
}

void TTextGameForm::BuildStrip() {
  auto* Panel = new QWidget(this);
  Panel->setObjectName(QStringLiteral("Panel1"));
  Strip = new QGridLayout(Panel);
  Strip->setContentsMargins(0, 0, 0, 0);
  Strip->setHorizontalSpacing(6);
  Strip->setVerticalSpacing(2);

  PathEdit = new QLineEdit(Panel);
  PathEdit->setObjectName(QStringLiteral("PathEdit"));
  PathEdit->setFont(CourierNew(PathEdit->font()));
  PathEdit->installEventFilter(this);
  connect(PathEdit, &QLineEdit::textEdited, this, &TTextGameForm::PathEditChange);
  Strip->addWidget(PathEdit, 0, 0);
  Strip->setColumnStretch(0, 1);

  Switches = new QHBoxLayout;
  Switches->setSpacing(12);
  Solution = new QCheckBox(QStringLiteral("&Show solution"), Panel);
  Solution->setObjectName(QStringLiteral("Solution"));
  // Like the build button, the switches leave the focus in the text field.
  Solution->setFocusPolicy(Qt::NoFocus);
  connect(Solution, &QCheckBox::clicked, this, [this] { SolutionClick(Solution); });
  Switches->addWidget(Solution);
  Switches->addStretch(1);
  Strip->addLayout(Switches, 1, 0);

  Button1 = new QPushButton(QStringLiteral("&Build"), Panel);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setFocusPolicy(Qt::NoFocus);
  connect(Button1, &QPushButton::clicked, this, [this] { Build(); });

  AddInputStrip(Panel);
}

void TTextGameForm::AddStripColumn(QWidget* Top, QWidget* Below) {
  const int Column = Strip->columnCount();
  Strip->addWidget(Top, 0, Column);
  if (Below) Strip->addWidget(Below, 1, Column, Qt::AlignHCenter | Qt::AlignTop);
}

void TTextGameForm::BuildGameMenu() {
  Fillblanks1 = MakeAction(this, "Fillblanks1", "&Build", "F2");
  ShowSolution = MakeAction(this, "ShowSolution", "&Show Solution");
  ShowSolution->setCheckable(true);
  GameMenu->addActions({Fillblanks1, ShowSolution});

  connect(Fillblanks1, &QAction::triggered, this, [this] { Build(); });
  connect(ShowSolution, &QAction::triggered, this, [this] { SolutionClick(ShowSolution); });
}

void TTextGameForm::BuildCopyTool() {
  ToolButton14 = new QToolButton(this);
  ToolButton14->setObjectName(QStringLiteral("ToolButton14"));
  ToolButton14->setIcon(ToolIcon(ToolGlyph::CopyWords));
  ToolButton14->setAutoRaise(true);
  ToolButton14->setFocusPolicy(Qt::NoFocus);
  connect(ToolButton14, &QToolButton::clicked, this, &TTextGameForm::ToolButton14Click);
  // It copies the selected part of the text: with none, it has nothing to copy.
  ToolButton14->setEnabled(false);
  connect(
      PathEdit, &QLineEdit::selectionChanged, ToolButton14,
      [Button = ToolButton14, Edit = PathEdit] { Button->setEnabled(Edit->hasSelectedText()); });
  AddGameTool(ToolButton14);
}

void TTextGameForm::NewFile() {
  // Cancel on the save-changes question leaves text, puzzle and preview as they are.
  if (!Game.New()) return;
  PathEdit->clear();
}

bool TTextGameForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  if (!Game.Words.empty()) {
    PathEdit->setText(QString::fromStdString(Game.Codes().Decode(Game.Words[0])));
    ShowOpened();
  }
  DrawTheGame();
  SettleTriggers();
  return true;
}

bool TTextGameForm::PathEditKeyDown(int Key) {
  if (Key != Qt::Key_Return && Key != Qt::Key_Enter) return false;
  Build();
  return true;
}

void TTextGameForm::PathEditChange(const QString& Text) {
  // The builders upper-case by the puzzle's code page without changing the length; the field
  // shows the same at once.
  const QString Upper = UpperOneForOne(Game.Case(), Text);
  if (Upper == Text) return;
  const int Cursor = PathEdit->cursorPosition();
  PathEdit->setText(Upper);
  PathEdit->setCursorPosition(Cursor);
}

void TTextGameForm::SolutionClick(QObject* Source) {
  if (Source == Solution)
    ShowSolution->setChecked(Solution->isChecked());
  else
    Solution->setChecked(ShowSolution->isChecked());
  DrawTheGame();
}

void TTextGameForm::SettingsApplied(bool) {
  // An empty puzzle draws nothing: its picture stays empty.
  DrawTheGame();
}

void TTextGameForm::ToolButton14Click() {
  ClipboardContent Content;
  Content.Text = PathEdit->selectedText().toStdString();
  Ui().SetClipboard(Content);
}

void TTextGameForm::Build() {
  AsStep(QStringLiteral("Build"), [this] {
    if (Descriptor().BuildInto(Game, *TypedInput())) DrawTheGame();
  });
}

void TTextGameForm::DrawTheGame() {
  static_cast<void>(Descriptor().Draw(Game, *ShownView()));  // draws every view it is given
}

bool TTextGameForm::TypedTextPending() const {
  // The lost letters' puzzle holds the text padded with spaces.
  const auto Trimmed = [](QString Text) {
    while (Text.endsWith(QLatin1Char(' '))) Text.chop(1);
    return Text;
  };
  const QString Typed = Trimmed(PathEdit->text());
  if (Typed.trimmed().isEmpty()) return false;
  return Game.Words.empty() ||
         Typed != Trimmed(QString::fromStdString(Game.Codes().Decode(Game.Words[0])));
}

bool TTextGameForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == PathEdit && Event->type() == QEvent::KeyPress)
    return PathEditKeyDown(static_cast<QKeyEvent*>(Event)->key());
  return TGameForm::eventFilter(Watched, Event);
}

}  // namespace vornic::ui
