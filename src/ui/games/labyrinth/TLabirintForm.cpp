#include "ui/games/labyrinth/TLabirintForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "base/RandomGenerator.h"
#include "games/labyrinth/LabyrinthEntry.h"
#include "games/labyrinth/LabyrinthInput.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/games/GameWindowParts.h"
#include "ui/games/PreviewRoutines.h"
#include "ui/games/TPreviewImage.h"

namespace vornic::ui {
namespace {

std::string SizeText(const TVornicGame& Game) {
  return std::to_string(Game.Settings.Cols) + " x " + std::to_string(Game.Settings.Rows);
}

}  // namespace

TLabirintForm::TLabirintForm(const Answerers& Answer, QWidget* Parent)
    : TGameForm(std::string(TypeName), Answer, Parent) {
  setObjectName(QStringLiteral("LabirintForm"));
  setMinimumSize(440, 380);
  resize(440, 380);
  BuildInputStrip();
  BuildGameMenu();
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
  RedrawPreview(*Image1, Game);
}

bool TLabirintForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  ClearPreview(*Image1);
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
  DrawPreview(*Image1, Game);
}

void TLabirintForm::cbPathClick() {
  DoPaint();
}

void TLabirintForm::GridSet() {
  TGridForm Dialog(this, Answer().Prompts);
  Dialog.SetProps(Game.Settings);
  // The size stays editable: the next build uses it.
  Dialog.LanguageGroup->hide();
  Dialog.CellsGroup->hide();
  if (Dialog.exec() != QDialog::Accepted) return;
  // A new size empties the grid and the words, and with them the start mark.
  if (Game.ApplySettings(Dialog.GetProps(Game.Settings))) Start.reset();
  ClearPreview(*Image1);
  DoPaint();
}

void TLabirintForm::FormResize() {
  ResizePreview(*this, false, *Image1, Game);
  if (isVisible()) {
    ClearPreview(*Image1);
    DoPaint();
  }
}

void TLabirintForm::Edit1Edited(const QString& Text) {
  const QString Upper = UpperOneForOne(Game.Case(), Text);
  if (Upper == Text) return;
  const int Cursor = Edit1->cursorPosition();
  Edit1->setText(Upper);
  Edit1->setCursorPosition(Cursor);
}

}  // namespace vornic::ui
