#include "ui/games/jumble/TJumbleForm.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "base/RandomGenerator.h"
#include "ui/games/GameWindowParts.h"

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

  Wordmix1 = MakeAction(this, "Wordmix1", "&Word mix");
  Wordmix1->setCheckable(true);
  Wordmix1->setChecked(true);
  GameMenu->insertAction(ShowSolution, Wordmix1);
  connect(Wordmix1, &QAction::triggered, this, [this] { MixClick(Wordmix1); });
  // The switch rebuilds: a step keeps it as it was before the click.
  KeepInSteps({Mix, Wordmix1}, {Mix, Wordmix1});

  RandomGenerator::SeedFromClock();
  NewFile();
}

std::unique_ptr<GameInput> TJumbleForm::TypedInput() const {
  auto Input = std::make_unique<JumbleInput>();
  Input->Text = PathEdit->text().toStdString();
  Input->Mix = Mix->isChecked();
  return Input;
}

std::unique_ptr<GameView> TJumbleForm::ShownView() const {
  auto View = std::make_unique<JumbleView>();
  View->Solution = Solution->isChecked();
  return View;
}

void TJumbleForm::MixClick(QObject* Source) {
  AsStep(QStringLiteral("Word Mix"), [this, Source] {
    if (Source == Mix)
      Wordmix1->setChecked(Mix->isChecked());
    else
      Mix->setChecked(Wordmix1->isChecked());
    Build();
  });
}

}  // namespace vornic::ui
