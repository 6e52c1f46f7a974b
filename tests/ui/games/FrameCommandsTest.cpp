// The shared frame's commands in every game window, through widgets and keys: undo and redo,
// Ctrl+C from any input, greyed items, Copy Words, the print preview; and the main
// window's New Game and Open Game keys.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "document/GameFile.h"
#include "games/GameTable.h"
#include "support/GameFiles.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/app/TmainGameForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TGameForm.h"
#include "ui/games/TPreviewImage.h"

using namespace vornic;
using ui::TGameForm;
using ui::TmainGameForm;

namespace {

using Step = std::function<void(TGameForm&)>;

// The puzzle as its file would hold it.
std::string Bytes(const TVornicGame& Game) {
  return SerializeGameFile({Game.GameName, Game.Settings, Game.Grid, Game.Words.Items()});
}

// What the user sees of a control; nothing for a widget that is no control.
std::optional<QString> StateOf(const QWidget* Widget) {
  if (const auto* Line = qobject_cast<const QLineEdit*>(Widget)) return Line->text();
  if (const auto* Text = qobject_cast<const QPlainTextEdit*>(Widget)) return Text->toPlainText();
  if (const auto* Button = qobject_cast<const QAbstractButton*>(Widget))
    return QString(Button->isChecked() ? "on" : "off");
  if (const auto* Spin = qobject_cast<const QSpinBox*>(Widget))
    return QString::number(Spin->value());
  if (const auto* List = qobject_cast<const QListWidget*>(Widget))
    return test::Items(List).join('|') + "@" + QString::number(List->currentRow());
  if (const auto* Label = qobject_cast<const QLabel*>(Widget))
    return Label->text() + (Label->isHidden() ? " hidden" : "");
  return std::nullopt;
}

// Everything the user can see of the window's controls and items, by object name.
QStringList Controls(const TGameForm& Form) {
  QStringList Seen;
  for (const QWidget* Widget : Form.findChildren<QWidget*>())
    if (const auto State = StateOf(Widget))
      Seen << Widget->objectName() + "=" + *State + (Widget->isEnabled() ? "" : " off");
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

class FrameCommandsTest : public QObject, test::WindowHarness {
  Q_OBJECT

  std::unique_ptr<TGameForm> Make(std::string_view Game) {
    std::unique_ptr<TGameForm> Form(ui::CreateGameWindow(Game, Answer()));
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
    auto Form = Make(Game.toStdString());
    QAction* Undo1 = test::FindAction(*Form, "Undo1");
    QAction* Redo1 = test::FindAction(*Form, "Redo1");
    Build(*Form);
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
  // In every input of every window Ctrl+C copies the picture while no text is selected there,
  // and the selected text when there is some.
  void ctrlCCopiesThePictureUnlessTextIsSelected() {
    for (const GameInfo& Game : GameTable()) {
      auto Form = Make(Game.TypeName);
      // The maze copies its picture once it has one.
      if (!Form->CopyImage1->isEnabled()) BuildMaze(*Form, "CAT\nDOG\nEMU\nOWL\nGNU");
      for (QWidget* Input : Form->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(Input) && !qobject_cast<QPlainTextEdit*>(Input) &&
            !qobject_cast<QAbstractSpinBox*>(Input))
          continue;
        Input->setFocus();
        Ui->Clipboard.clear();
        QTest::keyClick(Input, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(Ui->Clipboard.size() == 1 && Ui->Clipboard[0].Picture == &Form->Game.MetaFile,
                 qPrintable(Input->objectName()));
      }
      // The first input of the game, which has the focus when the window opens.
      auto* First = qobject_cast<QLineEdit*>(Form->focusProxy());
      First->setFocus();
      First->setText("OWL");
      First->selectAll();
      Ui->Clipboard.clear();
      QTest::keyClick(First, Qt::Key_C, Qt::ControlModifier);
      QVERIFY(Ui->Clipboard.empty());
      QCOMPARE(QGuiApplication::clipboard()->text(), QString("OWL"));
      First->clear();
      Form->Game.Modified = false;
    }
  }

  // Copy Words of the text games gives the answer: the text in its own order, without padding.
  void copyWordsGivesTheTextGamesAnswer() {
    for (const char* Game : {"JumbledUp", "LostLetters"}) {
      auto Form = Make(Game);
      Ui->Clipboard.clear();
      test::FindAction(*Form, "CopyWords1")->trigger();
      QVERIFY(Ui->Clipboard.empty());  // nothing built, nothing copied
      Type(*Form, "PathEdit", "the quick brown fox jumps");
      Press(*Form, "PathEdit", Qt::Key_Return);
      test::FindAction(*Form, "CopyWords1")->trigger();
      QCOMPARE(Ui->Clipboard.back().Text, std::string("THE QUICK BROWN FOX JUMPS"));
      Form->Game.Modified = false;
    }
  }

  // A command a window cannot act on is greyed (never hidden, never enabled doing nothing) and
  // has no tool button, the same in every window.
  void commandsThatCannotActAreGreyed() {
    const std::map<std::string_view, QStringList> Greyed{
        {"VornicGame", {}},
        {"WordMaze", {"BuildGame1"}},
        {"WordLabirint", {"CopyWords1", "WordListEditor1", "FillBlanks1", "Refresh1"}},
        {"JumbledUp", {"WordListEditor1"}},
        {"LostLetters", {"WordListEditor1"}}};
    for (const GameInfo& Game : GameTable()) {
      auto Form = Make(Game.TypeName);
      for (const QString& Name : Greyed.at(Game.TypeName)) {
        QAction* Item = test::FindAction(*Form, Name.toLatin1().constData());
        QVERIFY2(!Item->isEnabled() && Item->isVisible(), Name.toLatin1().constData());
      }
      QAction* Editor = test::FindAction(*Form, "WordListEditor1");
      QCOMPARE(Form->ToolBar1->actions().contains(Editor), Editor->isEnabled());
      // The text games' button that copies the selected text waits for a selection.
      if (auto* CopySelection = Form->findChild<QToolButton*>("ToolButton14")) {
        QVERIFY(!CopySelection->isEnabled());
        test::Child<QLineEdit>(*Form, "PathEdit")->setText("CAT");
        test::Child<QLineEdit>(*Form, "PathEdit")->selectAll();
        QVERIFY(CopySelection->isEnabled());
      }
    }
  }

  // New Game and Open Game answer the keyboard with or without an active game window, and the
  // window's own New and Open keep Ctrl+N and Ctrl+O while it is active.
  void newGameAndOpenGameWorkFromTheKeyboard() {
    TmainGameForm::Options Options;
    Options.Answer = Answer();
    Options.Associate = false;
    auto Main = std::make_unique<TmainGameForm>(Options);
    Main->show();
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main.get()));
    auto* NewGame = test::Child<QMenu>(*Main, "S1");
    QSignalSpy FrameOpen(test::FindAction(*Main, "Open1"), &QAction::triggered);
    Ui->OpenReplies = {std::nullopt};
    QTest::keyClick(Main.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(FrameOpen.count(), 1);
    QTest::keyClick(Main.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(NewGame->isVisible());
    QTest::keyClick(NewGame, Qt::Key_Return);
    QTRY_COMPARE(Main->GameWindows().size(), 1);
    TGameForm* Game = Main->GameWindows().front();

    QSignalSpy GameNew(Game->New1, &QAction::triggered);
    QSignalSpy GameOpen(Game->Open1, &QAction::triggered);
    Ui->OpenReplies = {std::nullopt, std::nullopt};
    QWidget* Focus = QApplication::focusWidget();
    QVERIFY(Focus && Game->isAncestorOf(Focus));
    QTest::keyClick(Focus, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(GameOpen.count(), 1);
    QTest::keyClick(Focus, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(FrameOpen.count(), 2);
    QCOMPARE(GameOpen.count(), 1);
    QTest::keyClick(Focus, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(GameNew.count(), 1);
    QVERIFY(!NewGame->isVisible());
    QTest::keyClick(Focus, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(NewGame->isVisible());
    NewGame->close();
    QVERIFY(Ui->OpenReplies.empty());
  }

  // The print preview opens large enough to read a page, and as large as the user left it.
  void thePrintPreviewIsLargeAndKeepsItsSize() {
    auto Form = Make("VornicGame");
    QSize First, Second;
    const QSize Chosen(520, 410);
    const auto Preview = [&](QSize& Shown, bool Resize) {
      std::unique_ptr<test::ModalAnswer> Dialog;
      test::ModalAnswer Options([&](QWidget* Window) {
        Dialog = std::make_unique<test::ModalAnswer>([&](QWidget* Opened) {
          Shown = Opened->size();
          if (Resize) Opened->resize(Chosen);
          Opened->close();
        });
        qobject_cast<QDialog*>(Window)->accept();
      });
      test::FindAction(*Form, "PrintPreview1")->trigger();
      QVERIFY(Options.Done() && Dialog->Done());
    };
    Preview(First, true);
    const QRect Screen = Form->screen()->availableGeometry();
    QVERIFY(First.height() >= Screen.height() * 8 / 10);
    Preview(Second, false);
    QCOMPARE(Second, Chosen);
  }
};

QTEST_MAIN(FrameCommandsTest)
#include "FrameCommandsTest.moc"
