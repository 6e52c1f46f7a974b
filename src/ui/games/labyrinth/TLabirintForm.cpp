#include "ui/games/labyrinth/TLabirintForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "base/RandomGenerator.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "ui/games/GameWindowParts.h"

namespace vornic::ui {

TLabirintForm::TLabirintForm(const Answerers& Answer, QWidget* Parent)
    : TGameForm(
          std::string(TypeName), Answer,
          {.WordList = FrameLayout::WordListUse::Greyed, .GridCells = false, .GridLanguage = false},
          Parent) {
  setObjectName(QStringLiteral("LabirintForm"));
  setMinimumSize(440, 380);
  resize(440, 380);
  BuildInputStrip();
  BuildGameMenu();
  KeepInSteps({Edit1, cbPath, cbTrap, cbText, cbStart});
  RandomGenerator::SeedFromClock();
  NewFile();
  // Whenever the window is given the focus (opened, activated), typing goes here.
  setFocusProxy(Edit1);
  Edit1->setFocus();
}

void TLabirintForm::NewFile() {
  // The save-changes question comes first, so that Yes saves the labyrinth in its own size.
  if (!Game.CloseQuery()) return;
  Game.SetSize(StartCols, StartRows);
  if (!Game.New()) return;
  DoPaint();
}

bool TLabirintForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  // Entry 0 holds the whole text: back in its box, a build needs nothing typed again.
  Edit1->setText(Game.Words.empty() ? QString()
                                    : QString::fromStdString(Game.Codes().Decode(
                                          LabyrinthEntry::Parse(Game.Words[0]).Item)));
  DoPaint();
  return true;
}

LabyrinthView TLabirintForm::View() const {
  return {cbPath->isChecked(), cbTrap->isChecked(), cbText->isChecked(), cbStart->isChecked()};
}

void TLabirintForm::Enter() {
  AsStep(QStringLiteral("Build"), [this] {
    LabyrinthGameInput Input;
    Input.Text = Edit1->text().toStdString();
    Input.OnBusy = ShowBusy;
    // A refusal has been told; the document kept its labyrinth, and with it the start mark.
    if (Descriptor().BuildInto(Game, Input)) DoPaint();
  });
}

std::optional<GridCell> TLabirintForm::StartCell() const {
  return StartCellFromDocument(Game);
}

bool TLabirintForm::TypedTextPending() const {
  if (Edit1->text().trimmed().isEmpty()) return false;
  return Game.Words.empty() ||
         Edit1->text() !=
             QString::fromStdString(Game.Codes().Decode(LabyrinthEntry::Parse(Game.Words[0]).Item));
}

void TLabirintForm::DoPaint() {
  LabyrinthGameView Shown;
  Shown.Switches = View();
  static_cast<void>(Descriptor().Draw(Game, Shown));  // draws every view it is given
}

void TLabirintForm::cbPathClick() {
  DoPaint();
}

void TLabirintForm::SettingsApplied(bool) {
  // The size stays editable in the dialog: the next build uses it. A new size emptied the grid
  // and the words, and with them the start mark.
  DoPaint();
}

void TLabirintForm::Edit1Edited(const QString& Text) {
  const QString Upper = UpperOneForOne(Game.Case(), Text);
  if (Upper == Text) return;
  const int Cursor = Edit1->cursorPosition();
  Edit1->setText(Upper);
  Edit1->setCursorPosition(Cursor);
}

}  // namespace vornic::ui
