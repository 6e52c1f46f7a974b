// The shared frame's commands in every game window: keys that reach them from any input, items
// greyed where they cannot act, Copy Words of the text games, worksheets of what the window
// shows, and the print preview's size; the main window's New Game and Open Game keys.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "games/GameTable.h"
#include "support/GameFiles.h"
#include "support/Poppler.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/app/TmainGameForm.h"
#include "ui/dialogs/TWorksheetForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TGameForm.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/WorksheetCommands.h"

using namespace vornic;
using ui::TGameForm;
using ui::TmainGameForm;

namespace {

// The text inputs a user can type into: line edits, text boxes and spin boxes.
QList<QWidget*> TextInputs(const TGameForm& Form) {
  QList<QWidget*> Inputs;
  for (QWidget* Widget : Form.findChildren<QWidget*>()) {
    const bool Typed = (qobject_cast<QLineEdit*>(Widget) &&
                        !qobject_cast<QAbstractSpinBox*>(Widget->parentWidget())) ||
                       qobject_cast<QPlainTextEdit*>(Widget) ||
                       qobject_cast<QAbstractSpinBox*>(Widget);
    if (Typed && Widget->isVisible()) Inputs << Widget;
  }
  return Inputs;
}

void TypeAndBuild(TGameForm& Form, const char* Input, const QString& Text) {
  auto* Edit = test::Child<QLineEdit>(Form, Input);
  test::TypeText(Edit, Text);
  QTest::keyClick(Edit, Qt::Key_Return);
}

}  // namespace

class FrameCommandsTest : public QObject, test::WindowHarness {
  Q_OBJECT

  std::unique_ptr<TGameForm> Make(std::string_view Game) {
    std::unique_ptr<TGameForm> Form(ui::CreateGameWindow(Game, Answer()));
    Form->resize(600, 460);
    Form->show();
    Form->activateWindow();
    [&] { QVERIFY(QTest::qWaitForWindowActive(Form.get())); }();
    return Form;
  }
  std::string Path(const char* Name) const { return (*Home / Name).string(); }
  // Answers the worksheet choices with OK, then saves the worksheet to Pdf.
  void SaveWorksheet(TGameForm& Form, const std::string& Pdf) {
    Ui->SaveReplies.push_back(Pdf);
    test::ModalAnswer Accept([](QWidget* Window) { qobject_cast<QDialog*>(Window)->accept(); });
    test::FindAction(Form, "SaveWorksheet1")->trigger();
    QVERIFY(Accept.Done());
  }

 private slots:
  void init() {
    Start();
    RandomGenerator::Seed(5);
  }
  void cleanup() { Finish(); }

  // In every input of every window Ctrl+C copies the picture while no text is selected there,
  // and the selected text when there is some.
  void ctrlCCopiesThePictureUnlessTextIsSelected() {
    for (const GameInfo& Game : GameTable()) {
      auto Form = Make(Game.TypeName);
      // The maze copies its picture once it has one.
      if (!Form->CopyImage1->isEnabled()) {
        test::Child<QLineEdit>(*Form, "edtFrase")->setText("ABC");
        test::Child<QPlainTextEdit>(*Form, "UserWrdList")->setPlainText("CAT\nDOG\nEMU\nOWL\nGNU");
        test::Child<QListWidget>(*Form, "SizeListBox")->setCurrentRow(0);
        QTest::mouseClick(test::Child<QWidget>(*Form, "Button1"), Qt::LeftButton);
        QVERIFY(Form->CopyImage1->isEnabled());
      }
      const QList<QWidget*> Inputs = TextInputs(*Form);
      QVERIFY(!Inputs.isEmpty());
      for (QWidget* Input : Inputs) {
        const QByteArray Where =
            QByteArray(Game.TypeName.data()) + " " + Input->objectName().toLatin1();
        Input->setFocus();
        Ui->Clipboard.clear();
        QTest::keyClick(Input, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(Ui->Clipboard.size() == 1, Where.data());
        QVERIFY2(Ui->Clipboard[0].Picture == &Form->Game.MetaFile, Where.data());
      }
      // The first input of the game, which has the focus when the window opens.
      auto* First = qobject_cast<QLineEdit*>(Form->focusProxy());
      QVERIFY(First);
      First->setFocus();
      First->clear();
      test::TypeText(First, "OWL");
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
  void copyWordsGivesTheTextGamesAnswer_data() {
    QTest::addColumn<QString>("Game");
    QTest::newRow("jumbled text") << "JumbledUp";
    QTest::newRow("lost letters") << "LostLetters";
  }
  void copyWordsGivesTheTextGamesAnswer() {
    QFETCH(QString, Game);
    auto Form = Make(Game.toStdString());
    QAction* CopyWords = test::FindAction(*Form, "CopyWords1");
    QVERIFY(CopyWords->isEnabled());
    CopyWords->trigger();
    QVERIFY(Ui->Clipboard.empty());  // nothing built, nothing copied
    TypeAndBuild(*Form, "PathEdit", "the quick brown fox jumps");
    CopyWords->trigger();
    QCOMPARE(Ui->Clipboard.size(), std::size_t{1});
    QCOMPARE(Ui->Clipboard[0].Text, std::string("THE QUICK BROWN FOX JUMPS"));
    Form->Game.Modified = false;
  }

  // A command a window cannot act on is greyed (never hidden, never enabled doing nothing), the
  // same in every window.
  void commandsThatCannotActAreGreyed_data() {
    QTest::addColumn<QString>("Game");
    QTest::addColumn<QStringList>("Greyed");
    QTest::addColumn<QStringList>("Live");
    QTest::newRow("word search") << "VornicGame" << QStringList{}
                                 << QStringList{"CopyWords1", "WordListEditor1", "Contents1"};
    QTest::newRow("word maze") << "WordMaze" << QStringList{"BuildGame1"}
                               << QStringList{"CopyWords1", "WordListEditor1"};
    QTest::newRow("word labyrinth")
        << "WordLabirint" << QStringList{"CopyWords1", "WordListEditor1", "FillBlanks1", "Refresh1"}
        << QStringList{"GridSettings1"};
    QTest::newRow("jumbled text") << "JumbledUp" << QStringList{"WordListEditor1"}
                                  << QStringList{"CopyWords1"};
    QTest::newRow("lost letters") << "LostLetters" << QStringList{"WordListEditor1"}
                                  << QStringList{"CopyWords1"};
  }
  void commandsThatCannotActAreGreyed() {
    QFETCH(QString, Game);
    QFETCH(QStringList, Greyed);
    QFETCH(QStringList, Live);
    auto Form = Make(Game.toStdString());
    for (const QString& Name : Greyed) {
      QAction* Item = test::FindAction(*Form, Name.toLatin1().constData());
      QVERIFY2(!Item->isEnabled() && Item->isVisible(), Name.toLatin1().constData());
    }
    for (const QString& Name : Live)
      QVERIFY2(test::FindAction(*Form, Name.toLatin1().constData())->isEnabled(),
               Name.toLatin1().constData());
    // A greyed item has no tool button.
    QAction* Editor = test::FindAction(*Form, "WordListEditor1");
    QCOMPARE(Form->ToolBar1->actions().contains(Editor), Editor->isEnabled());
    // The text games' button that copies the selected text waits for a selection.
    if (auto* CopySelection = Form->findChild<QToolButton*>("ToolButton14")) {
      QVERIFY(!CopySelection->isEnabled());
      auto* Text = test::Child<QLineEdit>(*Form, "PathEdit");
      test::TypeText(Text, "CAT");
      Text->selectAll();
      QVERIFY(CopySelection->isEnabled());
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

  // The worksheet is made from the puzzle the window shows: without the mark of a word the user
  // clicked, and never the puzzle before New. Copy image keeps the picture as shown.
  void worksheetsAreOfThePuzzleShown() {
    test::WriteGameFile(*Home / "animals.gm", "VornicGame", 6, 3, {"CAT", "DOG", "COW"});
    auto Form = Make("VornicGame");
    QVERIFY(Form->OpenVornicG(Path("animals.gm")));
    auto* List = test::Child<QListWidget>(*Form, "ListBox1");
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {},
                      List->visualItemRect(List->item(1)).center());
    QVERIFY(test::RedPixels(Form->Image1->Bitmap()) > 0);
    Form->CopyImage1->trigger();
    QCOMPARE(Ui->Clipboard.back().Picture, &Form->Game.MetaFile);
    SaveWorksheet(*Form, Path("clicked.pdf"));
    test::RunReader("pdftoppm -r 40 -png -f 1 -l 1 -singlefile '" + Path("clicked.pdf") + "' '" +
                    Path("clicked") + "'");
    const QImage Page(QString::fromStdString(Path("clicked.png")));
    QVERIFY(!Page.isNull());
    QCOMPARE(test::RedPixels(Page), 0);

    Form->Game.Modified = false;
    Form->New1->trigger();
    SaveWorksheet(*Form, Path("new.pdf"));
    QVERIFY(test::PdfPageText(Path("new.pdf"), 1).find("COW") == std::string::npos);
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
