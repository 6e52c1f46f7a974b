#include "ui/games/lostletters/TLostLettersForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "base/RandomGenerator.h"
#include "games/lostletters/LostLettersBuilder.h"
#include "games/lostletters/LostLettersDrawing.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/games/PreviewRoutines.h"

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
  connect(SpinEdit1, &SpinEdit::valueChanged, this, [this] { Build(); });

  RandomGenerator::SeedFromClock();
  NewFile();
}

void TLostLettersForm::Build() {
  const std::optional<std::string> Text = TypedBytes();
  if (!Text) return;
  LostLettersBuilder Builder(Game);
  if (Builder.Build(*Text, SpinEdit1->value())) DrawTheGame();
}

bool TLostLettersForm::DrawTheGame() {
  LostLettersDrawing Drawing(Game);
  Drawing.Solution = Solution->isChecked();
  if (!Drawing.DrawTheGame()) return false;
  RedrawPreview(*Image1, Game);
  return true;
}

void TLostLettersForm::ShowOpened() {
  const QSignalBlocker Quiet(SpinEdit1);
  SpinEdit1->setValue(Game.Settings.Rows);
  LostLettersDrawing::ResizeImage(Game);
  // Spaces at the end are invisible in the field; selected, the padding shows.
  const QString Text = PathEdit->text();
  qsizetype End = Text.size();
  while (End > 0 && Text[End - 1] == QLatin1Char(' ')) --End;
  if (End < Text.size())
    PathEdit->setSelection(static_cast<int>(End), static_cast<int>(Text.size() - End));
}

}  // namespace vornic::ui
