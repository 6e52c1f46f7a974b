#include "ui/games/jumble/TJumbleForm.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "base/RandomGenerator.h"
#include "games/jumble/JumbleBuilder.h"
#include "games/jumble/JumbleDrawing.h"
#include "ui/games/PreviewRoutines.h"

namespace vornic::ui {

TJumbleForm::TJumbleForm(const Answerers& Answer, QWidget* Parent)
    : TTextGameForm(TypeName, Answer, Parent) {
  setObjectName(QStringLiteral("JumbleForm"));
  AddStripColumn(Button1);

  Mix = new QCheckBox(QStringLiteral("&Mix words"), Solution->parentWidget());
  Mix->setObjectName(QStringLiteral("Mix"));
  Mix->setChecked(true);
  Mix->setFocusPolicy(Qt::NoFocus);
  Switches->insertWidget(0, Mix);
  connect(Mix, &QCheckBox::clicked, this, [this] { MixClick(Mix); });

  Wordmix1 = new QAction(QStringLiteral("&Word mix"), this);
  Wordmix1->setObjectName(QStringLiteral("Wordmix1"));
  Wordmix1->setCheckable(true);
  Wordmix1->setChecked(true);
  GameMenu->insertAction(ShowSolution, Wordmix1);
  connect(Wordmix1, &QAction::triggered, this, [this] { MixClick(Wordmix1); });

  RandomGenerator::SeedFromClock();
  NewFile();
}

void TJumbleForm::Build() {
  const std::optional<std::string> Text = TypedBytes();
  if (!Text) return;
  JumbleBuilder Builder(Game);
  Builder.Mix = Mix->isChecked();
  if (Builder.Build(*Text)) DrawTheGame();
}

bool TJumbleForm::DrawTheGame() {
  JumbleDrawing Drawing(Game);
  Drawing.Solution = Solution->isChecked();
  if (!Drawing.DrawTheGame()) return false;
  RedrawPreview(*Image1, Game);
  return true;
}

void TJumbleForm::MixClick(QObject* Source) {
  if (Source == Mix)
    Wordmix1->setChecked(Mix->isChecked());
  else
    Mix->setChecked(Wordmix1->isChecked());
  Build();
}

}  // namespace vornic::ui
