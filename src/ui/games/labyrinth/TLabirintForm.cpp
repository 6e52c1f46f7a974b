#include "ui/games/labyrinth/TLabirintForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPoint>

#include "base/RandomGenerator.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "games/labyrinth/LabyrinthInput.h"
#include "ui/games/GameWindowParts.h"

namespace vornic::ui {
namespace {

std::string SizeText(const TVornicGame& Game) {
  return std::to_string(Game.Settings.Cols) + " x " + std::to_string(Game.Settings.Rows);
}

}  // namespace

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
  Start.reset();
  DoPaint();
}

bool TLabirintForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  // Entry 0 holds the whole text: back in its box, a build needs nothing typed again.
  Edit1->setText(Game.Words.empty() ? QString()
                                    : QString::fromStdString(Game.Codes().Decode(
                                          LabyrinthEntry::Parse(Game.Words[0]).Item)));
  Start = StartCellFromDocument(Game);
  DoPaint();
  return true;
}

LabyrinthView TLabirintForm::View() const {
  return {cbPath->isChecked(), cbTrap->isChecked(), cbText->isChecked(), cbStart->isChecked()};
}

void TLabirintForm::Enter() {
  AsStep(QStringLiteral("Build"), [this] { BuildLabyrinth(); });
}

QVariant TLabirintForm::StepState() const {
  return Start ? QVariant(QPoint(Start->X, Start->Y)) : QVariant();
}

void TLabirintForm::RestoreStepState(const QVariant& State) {
  Start.reset();
  if (State.isValid()) Start = GridCell{State.toPoint().x(), State.toPoint().y()};
}

void TLabirintForm::BuildLabyrinth() {
  const FieldText Text = ReadFieldText(Game.Codes(), Edit1->text(), "The text");
  if (!Text.Ok()) {
    Ui().Tell(ApplicationTitle, Text.Refusal, Icon::Warning);
    return;
  }
  if (Text.Bytes.empty()) {
    Ui().Tell(ApplicationTitle, "Type the text that the labyrinth leads through, then build.",
              Icon::Information);
    return;
  }
  // A grid from a file may be larger than a path can record; the builder would refuse it unsaid.
  if (const auto Refusal = RefuseUnrecordableGrid(Game.Settings.Cols, Game.Settings.Rows)) {
    Ui().Tell(ApplicationTitle, *Refusal, Icon::Warning);
    return;
  }
  LabyrinthBuilder::Result Outcome;
  {
    BusyCursor Busy;
    Outcome = Builder.BuildLabyrinth(Text.Bytes, Game);
  }
  if (Outcome == LabyrinthBuilder::Result::NoMainPath) {
    // The document kept its labyrinth; so do the start mark and the picture.
    Ui().Tell(ApplicationTitle,
              "The text does not fit a " + SizeText(Game) +
                  " grid: no path from border to border was found for it. " +
                  LabyrinthCapacityText(Game.Settings.Cols, Game.Settings.Rows) +
                  ": make the text shorter or the grid larger in Grid settings.",
              Icon::Warning);
    return;
  }
  Start = Game.Words.empty() ? std::nullopt : std::optional<GridCell>(Builder.StartCell());
  DoPaint();
}

bool TLabirintForm::TypedTextPending() const {
  if (Edit1->text().trimmed().isEmpty()) return false;
  return Game.Words.empty() ||
         Edit1->text() !=
             QString::fromStdString(Game.Codes().Decode(LabyrinthEntry::Parse(Game.Words[0]).Item));
}

void TLabirintForm::DoPaint() {
  vornic::DoPaint(Game, View(), Start);
}

void TLabirintForm::cbPathClick() {
  DoPaint();
}

void TLabirintForm::SettingsApplied(bool SizeChanged) {
  // The size stays editable in the dialog: the next build uses it.
  if (SizeChanged) Start.reset();
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
