// What every game window has from the shared frame, checked for each game of the game table.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "games/GameTable.h"
#include "support/GameFiles.h"
#include "support/WindowHarness.h"
#include "ui/dialogs/ColorComboBox.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TGameForm.h"
#include "ui/games/TPreviewImage.h"

using namespace vornic;

namespace {

QStringList Names(const QList<QAction*>& Actions) {
  QStringList Found;
  for (const QAction* Action : Actions)
    if (!Action->isSeparator()) Found << Action->objectName();
  return Found;
}

int Count(const QImage& Image, const QColor& Colour) {
  int Found = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) Found += Image.pixelColor(X, Y) == Colour;
  return Found;
}
bool Uniform(const QImage& Image, const QColor& Colour) {
  return Count(Image, Colour) == Image.width() * Image.height();
}

}  // namespace

class GameFrameTest : public QObject, test::WindowHarness {
  Q_OBJECT

  std::unique_ptr<ui::TGameForm> Make(const GameInfo& Game) {
    std::unique_ptr<ui::TGameForm> Form(ui::CreateGameWindow(Game.TypeName, Answer()));
    Form->resize(560, 460);
    Form->show();
    return Form;
  }

 private slots:
  void init() { Start(); }
  void cleanup() { Finish(); }

  // Every game of the core's table has its window (a game added to the table without one fails
  // here), and the shared commands are the frame's, made once: a game adds its own after them.
  void everyWindowHasTheSharedCommandsOnce() {
    for (const GameInfo& Game : GameTable()) {
      QVERIFY2(ui::HasGameWindow(Game.TypeName), Game.TypeName.data());
      auto Form = Make(Game);
      for (const char* Shared : {"CopyWords1", "WordListEditor1", "GridSettings1", "ZoomToFit1"})
        QVERIFY2(Form->findChildren<QAction*>(Shared).size() == 1, Shared);
      const QStringList GameItems = Names(Form->GameMenu->actions());
      QCOMPARE(GameItems.mid(0, 2), QStringList({"WordListEditor1", "GridSettings1"}));
      QCOMPARE(GameItems.back(), QString("ZoomToFit1"));
      QCOMPARE(Names(Form->ExportMenu->actions()).back(), QString("CopyWords1"));
      const QStringList Tools = Names(test::Child<QToolBar>(*Form, "ToolBar1")->actions());
      QVERIFY(Tools.contains("GridSettings1"));
      QCOMPARE(Tools.back(), QString("About1"));
    }
  }

  // The preview shows the document's picture whichever command changed it.
  void thePreviewFollowsTheDocumentsPicture() {
    for (const GameInfo& Game : GameTable()) {
      auto Form = Make(Game);
      auto* Image1 = test::Child<ui::TPreviewImage>(*Form, "Image1");
      QImage& Shown = Image1->Bitmap();
      Shown.fill(Qt::green);
      Form->Game.DrawGrid(true);
      QVERIFY2(!Uniform(Shown, Image1->BrushColor), Game.TypeName.data());
      QCOMPARE(Count(Shown, Qt::green), 0);  // painted afresh, not over what was there
      Form->Game.ClearPicture();
      QVERIFY2(Uniform(Shown, Image1->BrushColor), Game.TypeName.data());
    }
  }

  // One grid settings dialog for all: what it gives goes into the document.
  void theGridSettingsReachTheDocument() {
    for (const GameInfo& Game : GameTable()) {
      auto Form = Make(Game);
      test::ModalAnswer Colour([](QWidget* Window) {
        auto* Dialog = qobject_cast<ui::TGridForm*>(Window);
        QVERIFY(Dialog);
        test::Child<ui::ColorComboBox>(*Dialog, "ColorComboBox2")->SetColor(0x00FFFF);
        test::Child<QPushButton>(*Dialog, "OkButton")->click();
      });
      test::FindAction(*Form, "GridSettings1")->trigger();
      QVERIFY(Colour.Done());
      QCOMPARE(Form->Game.Settings.BackColor, std::uint32_t{0x00FFFF});
      Form->Game.Modified = false;
    }
  }
};

QTEST_MAIN(GameFrameTest)
#include "GameFrameTest.moc"
