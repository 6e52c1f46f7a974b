#include "ui/games/lostletters/TLostLettersForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "base/RandomGenerator.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "ui/dialogs/SpinEdit.h"

namespace vornic::ui {

TLostLettersForm::TLostLettersForm(const Answerers& Answer, QWidget* Parent)
    : TTextGameForm(TypeName, Answer, Parent) {
  setObjectName(QStringLiteral("LostLettersForm"));
  QWidget* Panel = PathEdit->parentWidget();
  SpinEdit1 = new SpinEdit(Panel);
  SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
  SpinEdit1->setRange(LostLettersBuilder::MinLines, LostLettersBuilder::MaxLines);
  SpinEdit1->setValue(LostLettersBuilder::DefaultLines);
  Label1 = new QLabel(QStringLiteral("Lines"), Panel);
  Label1->setObjectName(QStringLiteral("Label1"));
  AddStripColumn(SpinEdit1, Label1);
  AddStripColumn(Button1);
  connect(SpinEdit1, &SpinEdit::valueChanged, this,
          [this] { AsStep(QStringLiteral("Line Count"), [this] { Build(); }); });
  // A new count rebuilds: a step keeps the count as it was before.
  KeepInSteps({SpinEdit1}, {SpinEdit1});

  RandomGenerator::SeedFromClock();
  NewFile();
}

std::unique_ptr<GameInput> TLostLettersForm::TypedInput() const {
  auto Input = std::make_unique<LostLettersInput>();
  Input->Text = PathEdit->text().toStdString();
  Input->Lines = SpinEdit1->value();
  return Input;
}

std::unique_ptr<GameView> TLostLettersForm::ShownView() const {
  auto View = std::make_unique<LostLettersView>();
  View->Solution = Solution->isChecked();
  return View;
}

void TLostLettersForm::ShowOpened() {
  const QSignalBlocker Quiet(SpinEdit1);
  SpinEdit1->setValue(Game.Settings.Rows);
  Descriptor().ResizeImage(Game);
  // Spaces at the end are invisible in the field; selected, the padding shows.
  const QString Text = PathEdit->text();
  qsizetype End = Text.size();
  while (End > 0 && Text[End - 1] == QLatin1Char(' ')) --End;
  if (End < Text.size())
    PathEdit->setSelection(static_cast<int>(End), static_cast<int>(Text.size() - End));
}

}  // namespace vornic::ui
