#pragma once

#include <QImage>
#include <QListWidget>
#include <QStringList>
#include <QtTest>
#include <cstdint>
#include <memory>

#include "base/RandomGenerator.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"
#include "ui/app/Answerers.h"

namespace vornic::test {

// What every window test sets up: a scratch home, scripted answers and prompts; Finish checks
// that nothing was asked unscripted and that no window is left open.
struct WindowHarness {
  std::unique_ptr<TempHome> Home;
  std::unique_ptr<ScriptedUserInterface> Ui;
  ScriptedPrompts Prompts;

  ui::Answerers Answer() { return {Ui.get(), &Prompts}; }
  void Start() {
    Home = std::make_unique<TempHome>();
    Ui = std::make_unique<ScriptedUserInterface>();
    Prompts = ScriptedPrompts();
  }
  void Finish() {
    QCOMPARE(Prompts.Unscripted, 0);
    Ui.reset();
    Home.reset();
    QVERIFY(NoWindowLeft());
  }
};

// The harness with one shown game window of type Window, the generator seeded.
template <typename Window>
struct FormHarness : WindowHarness {
  std::unique_ptr<Window> Form;

  void Start(int Width, int Height, std::uint64_t Seed) {
    WindowHarness::Start();
    Form = std::make_unique<Window>(Answer());
    Form->resize(Width, Height);
    Form->show();
    RandomGenerator::Seed(Seed);
  }
  void Finish() {
    Form->Game.Modified = false;  // closing asks nothing
    Form.reset();
    WindowHarness::Finish();
  }
};

inline QStringList Items(const QListWidget* Box) {
  QStringList Texts;
  for (int Row = 0; Row < Box->count(); ++Row) Texts << Box->item(Row)->text();
  return Texts;
}

// Pixels drawn in the highlight colour (red letters).
inline int RedPixels(const QImage& Image) {
  int Count = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      const QColor C = Image.pixelColor(X, Y);
      Count += C.red() > 160 && C.green() < 90 && C.blue() < 90;
    }
  return Count;
}

}  // namespace vornic::test
