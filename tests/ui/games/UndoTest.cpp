// Undo and redo in every game window, through its widgets and keys: a step taken back puts the
// puzzle, the picture and every control back as they were, and arriving back at the saved
// puzzle leaves the window unmodified.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QUndoStack>
#include <QtTest>
#include <functional>
#include <memory>

#include "document/GameFile.h"
#include "support/GameFiles.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TGameForm.h"
#include "ui/games/TPreviewImage.h"

using namespace vornic;
using ui::TGameForm;

namespace {

using Step = std::function<void(TGameForm&)>;

// The puzzle as its file would hold it.
std::string Bytes(const TVornicGame& Game) {
  return SerializeGameFile({Game.GameName, Game.Settings, Game.Grid, Game.Words.Items()});
}

// Everything the user can see of the window's controls, by object name.
QStringList Controls(const TGameForm& Form) {
  QStringList Seen;
  for (const QWidget* Widget : Form.findChildren<QWidget*>()) {
    QString Value;
    if (const auto* Line = qobject_cast<const QLineEdit*>(Widget))
      Value = Line->text();
    else if (const auto* Text = qobject_cast<const QPlainTextEdit*>(Widget))
      Value = Text->toPlainText();
    else if (const auto* Button = qobject_cast<const QAbstractButton*>(Widget))
      Value = QString::number(Button->isChecked());
    else if (const auto* Spin = qobject_cast<const QSpinBox*>(Widget))
      Value = QString::number(Spin->value());
    else if (const auto* List = qobject_cast<const QListWidget*>(Widget))
      Value = test::Items(List).join('|') + "@" + QString::number(List->currentRow());
    else if (const auto* Label = qobject_cast<const QLabel*>(Widget))
      Value = Label->text() + (Label->isHidden() ? " hidden" : "");
    else
      continue;
    Seen << Widget->objectName() + "=" + Value + (Widget->isEnabled() ? "" : " off");
  }
  for (const QAction* Item : Form.findChildren<QAction*>())
    if (Item->objectName() != "Undo1" && Item->objectName() != "Redo1")
      Seen << Item->objectName() + (Item->isChecked() ? " on" : "") +
                  (Item->isEnabled() ? "" : " off");
  return Seen;
}

void Type(TGameForm& Form, const char* Input, const QString& Text) {
  auto* Edit = test::Child<QLineEdit>(Form, Input);
  Edit->clear();
  test::TypeText(Edit, Text);
}
void Click(TGameForm& Form, const char* Button) {
  QTest::mouseClick(test::Child<QAbstractButton>(Form, Button), Qt::LeftButton);
}
void Press(TGameForm& Form, const char* Input, Qt::Key Key) {
  QTest::keyClick(test::Child<QWidget>(Form, Input), Key);
}
void BuildMaze(TGameForm& Form, const QString& Words) {
  test::Child<QLineEdit>(Form, "edtFrase")->setText("ABC");
  test::Child<QPlainTextEdit>(Form, "UserWrdList")->setPlainText(Words);
  test::Child<QListWidget>(Form, "SizeListBox")->setCurrentRow(0);
  Click(Form, "Button1");
}

// What the user sees and what would be saved, at one moment.
struct Seen {
  std::string Puzzle;
  QStringList Shown;
  QImage Preview;
  explicit Seen(const TGameForm& Form)
      : Puzzle(Bytes(Form.Game)), Shown(Controls(Form)), Preview(Form.Image1->Bitmap().copy()) {}
};

}  // namespace

Q_DECLARE_METATYPE(Step)

class UndoTest : public QObject, test::WindowHarness {
  Q_OBJECT

  std::unique_ptr<TGameForm> Make(const QString& Game) {
    std::unique_ptr<TGameForm> Form(ui::CreateGameWindow(Game.toStdString(), Answer()));
    Form->resize(640, 480);
    Form->show();
    Form->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(Form.get())); }();
    return Form;
  }
  void Compare(const Seen& Now, const Seen& Expected) {
    QCOMPARE(Now.Puzzle, Expected.Puzzle);
    QCOMPARE(Now.Shown, Expected.Shown);
    QCOMPARE(Now.Preview, Expected.Preview);
  }
  static void Key(int Key, Qt::KeyboardModifiers Modifiers) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(Key), Modifiers);
  }

 private slots:
  void init() {
    Start();
    RandomGenerator::Seed(21);
  }
  void cleanup() { Finish(); }

  // Build, save, prepare (typing, which is no step), then one step: Ctrl+Z puts everything
  // back as it was after the typing, the window unmodified at the saved puzzle; Ctrl+Y and
  // Ctrl+Shift+Z take the step again.
  void undoAndRedoOfEachGamesSteps_data() {
    QTest::addColumn<QString>("Game");
    QTest::addColumn<Step>("Build");
    QTest::addColumn<Step>("Prepare");
    QTest::addColumn<Step>("Act");
    QTest::addColumn<QString>("Undo");
    const Step Nothing = [](TGameForm&) {};
    const Step Words = [](TGameForm& F) {
      for (const char* Word : {"CAT", "DOG", "EMU"}) {
        Type(F, "Edit1", Word);
        Press(F, "Edit1", Qt::Key_Return);
      }
    };
    QTest::newRow("word search: fill blanks")
        << "VornicGame" << Words << Nothing << Step([](auto& F) { Click(F, "SpeedButton8"); })
        << "&Undo Fill Blanks";
    QTest::newRow("word search: word entered")
        << "VornicGame" << Words << Step([](auto& F) { Type(F, "Edit1", "OWL"); })
        << Step([](auto& F) { Press(F, "Edit1", Qt::Key_Return); }) << "&Undo Enter Word";
    QTest::newRow("word search: shuffle")
        << "VornicGame" << Words << Step([](auto& F) { Click(F, "CheckBox5"); })
        << Step([](auto& F) { Click(F, "SpeedButton9"); }) << "&Undo Shuffle";
    QTest::newRow("word search: clear all")
        << "VornicGame" << Words << Nothing << Step([](auto& F) { Click(F, "SpeedButton7"); })
        << "&Undo Clear All";
    QTest::newRow("word maze: build")
        << "WordMaze" << Step([](auto& F) { BuildMaze(F, "CAT\nDOG\nEMU\nOWL\nGNU"); })
        << Step([](auto& F) {
             test::Child<QPlainTextEdit>(F, "UserWrdList")->setPlainText("COW\nDOG\nEMU\nOWL\nGNU");
             test::Child<QListWidget>(F, "SizeListBox")->setCurrentRow(0);
           })
        << Step([](auto& F) { Click(F, "Button1"); }) << "&Undo Build Game";
    QTest::newRow("word maze: clear all")
        << "WordMaze" << Step([](auto& F) { BuildMaze(F, "CAT\nDOG\nEMU\nOWL\nGNU"); }) << Nothing
        << Step([](auto& F) { Click(F, "SpeedButton7"); }) << "&Undo Clear All";
    QTest::newRow("word labyrinth: build") << "WordLabirint" << Step([](auto& F) {
      Type(F, "Edit1", "WORD LABYRINTH");
      Click(F, "Button1");
    }) << Step([](auto& F) {
      Type(F, "Edit1", "OTHER PATH");
      Click(F, "cbTrap");
    }) << Step([](auto& F) { Click(F, "Button1"); })
                                           << "&Undo Build";
    const Step Text = [](TGameForm& F) {
      Type(F, "PathEdit", "THE CAT SAT ON THE MAT");
      Press(F, "PathEdit", Qt::Key_Return);
    };
    QTest::newRow("jumbled text: word mix")
        << "JumbledUp" << Text << Nothing << Step([](auto& F) { Click(F, "Mix"); })
        << "&Undo Word Mix";
    QTest::newRow("jumbled text: build")
        << "JumbledUp" << Text << Step([](auto& F) { Type(F, "PathEdit", "A NEW TEXT"); })
        << Step([](auto& F) { test::FindAction(F, "Fillblanks1")->trigger(); }) << "&Undo Build";
    QTest::newRow("lost letters: line count")
        << "LostLetters" << Text << Nothing
        << Step([](auto& F) { Press(F, "SpinEdit1", Qt::Key_Up); }) << "&Undo Line Count";
  }
  void undoAndRedoOfEachGamesSteps() {
    QFETCH(QString, Game);
    QFETCH(Step, Build);
    QFETCH(Step, Prepare);
    QFETCH(Step, Act);
    QFETCH(QString, Undo);
    auto Form = Make(Game);
    QAction* Undo1 = test::FindAction(*Form, "Undo1");
    QAction* Redo1 = test::FindAction(*Form, "Redo1");
    Build(*Form);
    QVERIFY(Form->Game.Modified);
    QVERIFY(Form->isWindowModified());
    const auto File = *Home / "saved.gm";
    Ui->SaveReplies.push_back(File.string());
    Form->Save1->trigger();
    QVERIFY(!Form->isWindowModified());
    Prepare(*Form);
    const Seen Before(*Form);
    Act(*Form);
    const Seen After(*Form);
    QVERIFY(After.Puzzle != Before.Puzzle || After.Shown != Before.Shown);
    QCOMPARE(Undo1->text(), Undo);
    QVERIFY(Undo1->isEnabled());
    QVERIFY(Form->isWindowModified() == (After.Puzzle != Before.Puzzle));

    Form->setFocus();  // the keys, not an input's own undo
    Key(Qt::Key_Z, Qt::ControlModifier);
    Compare(Seen(*Form), Before);
    QVERIFY(!Form->Game.Modified);
    QVERIFY(!Form->isWindowModified());
    QCOMPARE(Redo1->text(), "&Redo " + Undo.mid(6));
    Key(Qt::Key_Y, Qt::ControlModifier);
    Compare(Seen(*Form), After);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Compare(Seen(*Form), After);
    // Back to the build: the saved bytes again, and nothing to save on closing.
    Undo1->trigger();
    QCOMPARE(Bytes(Form->Game), test::ReadFile(File));
    Form->Game.Modified = false;
  }

  // Several steps taken back one by one arrive at the saved puzzle; a save in between makes
  // that moment the unmodified one.
  void everyStepBackToTheSavedPuzzle() {
    test::WriteGameFile(*Home / "zoo.gm", "VornicGame", 8, 6, {"CAT", "DOG"});
    auto Form = Make("VornicGame");
    QVERIFY(Form->OpenVornicG((*Home / "zoo.gm").string()));
    QVERIFY(!Form->Steps->canUndo());
    Type(*Form, "Edit1", "OWL");
    const Seen Opened(*Form);
    Press(*Form, "Edit1", Qt::Key_Return);
    Click(*Form, "SpeedButton8");
    Click(*Form, "SpeedButton9");
    QCOMPARE(Form->Steps->count(), 3);
    Form->Save1->trigger();
    const Seen Saved(*Form);
    Click(*Form, "SpeedButton7");
    Form->Undo1->trigger();
    Compare(Seen(*Form), Saved);
    QVERIFY(!Form->isWindowModified());
    while (Form->Steps->canUndo()) Form->Undo1->trigger();
    Compare(Seen(*Form), Opened);
    QVERIFY(Form->isWindowModified());  // the file now holds the shuffled puzzle
    Form->Game.Modified = false;
    // New starts a new record.
    Form->New1->trigger();
    QVERIFY(!Form->Steps->canUndo() && !Form->Steps->canRedo());
    QCOMPARE(Form->Undo1->text(), QString("&Undo"));
  }

  // Ctrl+Z in a text input takes back its own typing first; without any, the window's step.
  void ctrlZUndoesTypingInTheInputFirst() {
    auto Form = Make("WordMaze");
    auto* Words = test::Child<QPlainTextEdit>(*Form, "UserWrdList");
    BuildMaze(*Form, "CAT\nDOG\nEMU\nOWL\nGNU");
    QVERIFY(Form->Steps->canUndo());
    Words->setFocus();
    Words->moveCursor(QTextCursor::End);
    test::TypeText(Words, "X");
    QTest::keyClick(Words, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Words->toPlainText(), QString("CAT\nDOG\nEMU\nOWL\nGNU"));
    QVERIFY(!Form->Game.Words.empty());
    QTest::keyClick(Words, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(Form->Game.Words.empty());
    QVERIFY(!Form->isWindowModified());
  }
};

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
