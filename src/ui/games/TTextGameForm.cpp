#include "ui/games/TTextGameForm.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include "base/EmptyChar.h"
#include "games/GameText.h"
#include "games/TypedText.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/games/GameWindowParts.h"
#include "ui/games/PreviewRoutines.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/ToolIcons.h"

namespace vornic::ui {
namespace {

// The box layout that holds Widget, searched from Layout down.
QBoxLayout* ColumnHolding(QLayout* Layout, QWidget* Widget) {
  if (!Layout) return nullptr;
  if (Layout->indexOf(Widget) >= 0) return qobject_cast<QBoxLayout*>(Layout);
  for (int i = 0; i < Layout->count(); ++i)
    if (QBoxLayout* Found = ColumnHolding(Layout->itemAt(i)->layout(), Widget)) return Found;
  return nullptr;
}

}  // namespace

TTextGameForm::TTextGameForm(std::string_view TypeName, const Answerers& Answer, QWidget* Parent)
    : TGameForm(std::string(TypeName), Answer, Parent) {
  setMinimumSize(400, 350);
  resize(408, 350);
  Preview->setTitle(QStringLiteral(" Preview "));
  BuildStrip();
  BuildGameMenu();
  BuildToolBar();
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
  QFont Courier = PathEdit->font();
  Courier.setFamily(QStringLiteral("Courier New"));
  Courier.setStyleHint(QFont::TypeWriter);
  PathEdit->setFont(Courier);
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

  // The strip lies between the tool bar and the preview.
  if (QBoxLayout* Column = ColumnHolding(layout(), Preview))
    Column->insertWidget(Column->indexOf(Preview), Panel);
}

void TTextGameForm::AddStripColumn(QWidget* Top, QWidget* Below) {
  const int Column = Strip->columnCount();
  Strip->addWidget(Top, 0, Column);
  if (Below) Strip->addWidget(Below, 1, Column, Qt::AlignHCenter | Qt::AlignTop);
}

void TTextGameForm::BuildGameMenu() {
  CopyWords1 = MakeGameAction(this, "CopyWords1", "Copy &Words to Clipboard", "Ctrl+W", "");
  WordListEditor1 =
      MakeGameAction(this, "WordListEditor1", "&Word List Editor", "", "Word List editor...");
  WordListEditor1->setIcon(ToolIcon(ToolGlyph::WordList));
  WordListEditor1->setVisible(false);
  GridSettings1 = MakeGameAction(this, "GridSettings1", "&Grid settings", "", "Grid settings...");
  GridSettings1->setIcon(ToolIcon(ToolGlyph::GridSettings));
  Fillblanks1 = MakeGameAction(this, "Fillblanks1", "&Build", "F2", "");
  ShowSolution = MakeGameAction(this, "ShowSolution", "&Show Solution", "", "");
  ShowSolution->setCheckable(true);

  ExportMenu->addAction(CopyWords1);
  GameMenu = new QMenu(QStringLiteral("&Game"));
  GameMenu->setObjectName(QStringLiteral("Game1"));
  GameMenu->addActions({GridSettings1, Fillblanks1, ShowSolution});

  connect(GridSettings1, &QAction::triggered, this, &TTextGameForm::GridSet);
  connect(Fillblanks1, &QAction::triggered, this, [this] { Build(); });
  connect(ShowSolution, &QAction::triggered, this, [this] { SolutionClick(ShowSolution); });
}

void TTextGameForm::BuildToolBar() {
  ToolButton14 = new QToolButton(this);
  ToolButton14->setObjectName(QStringLiteral("ToolButton14"));
  ToolButton14->setIcon(ToolIcon(ToolGlyph::CopyWords));
  ToolButton14->setAutoRaise(true);
  ToolButton14->setFocusPolicy(Qt::NoFocus);
  connect(ToolButton14, &QToolButton::clicked, this, &TTextGameForm::ToolButton14Click);

  // These games order the picture commands copy first, and add their own between the groups.
  ToolBar1->clear();
  ToolBar1->addActions({New1, Open1, Save1, Saveas1});
  ToolBar1->addSeparator();
  ToolBar1->addActions({WordListEditor1, GridSettings1});
  ToolBar1->addSeparator();
  ToolBar1->addActions({CopyImage1, Savetofile1, CopyasText1});
  ToolBar1->addSeparator();
  ToolBar1->addWidget(ToolButton14);
  ToolBar1->addSeparator();
  ToolBar1->addAction(About1);
}

void TTextGameForm::NewFile() {
  // Cancel on the save-changes question leaves text, puzzle and preview as they are.
  if (!Game.New()) return;
  PathEdit->clear();
  ClearPreview(*Image1);
}

bool TTextGameForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  ClearPreview(*Image1);
  if (!Game.Words.empty()) {
    PathEdit->setText(QString::fromStdString(Game.Codes().Decode(Game.Words[0])));
    ShowOpened();
  }
  DrawTheGame();
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

void TTextGameForm::GridSet() {
  TGridForm Dialog(this, Answer().Prompts);
  Dialog.LanguageGroup->hide();
  Dialog.SizeGroup->hide();
  Dialog.SetProps(Game.Settings);
  if (Dialog.exec() != QDialog::Accepted) return;
  // Without its size group the dialog leaves the size and the puzzle alone, whatever they are.
  Game.ApplySettings(Dialog.GetProps(Game.Settings));
  ClearPreview(*Image1);
  DrawTheGame();
}

void TTextGameForm::ToolButton14Click() {
  ClipboardContent Content;
  Content.Text = PathEdit->selectedText().toStdString();
  Ui().SetClipboard(Content);
}

void TTextGameForm::FormResize() {
  ResizePreview(*this, false, *Image1, Game);
  if (!isVisible()) return;
  ClearPreview(*Image1);
  DrawTheGame();
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

std::optional<std::string> TTextGameForm::TypedBytes() {
  const TypedText Typed = ReadTypedText(Game.Case(), PathEdit->text().toStdString());
  if (Typed.Ok()) return Typed.Bytes;
  Ui().Tell(ApplicationTitle, Typed.Refusal, Icon::Warning);
  return std::nullopt;
}

bool TTextGameForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == PathEdit && Event->type() == QEvent::KeyPress)
    return PathEditKeyDown(static_cast<QKeyEvent*>(Event)->key());
  return TGameForm::eventFilter(Watched, Event);
}

}  // namespace vornic::ui
