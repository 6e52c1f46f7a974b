#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <memory>

#include "support/GameFiles.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/dialogs/ColorComboBox.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/dialogs/TListEditForm.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/wordsearch/TVornicForm.h"

using namespace vornic;
using test::Child;
using ui::TVornicForm;

namespace {

QListWidget* ListBox1(const TVornicForm& Form) {
  return Child<QListWidget>(Form, "ListBox1");
}
ui::TPreviewImage* Image1(const TVornicForm& Form) {
  return Child<ui::TPreviewImage>(Form, "Image1");
}
QStringList Items(const TVornicForm& Form) {
  return test::Items(ListBox1(Form));
}
int RedPixels(const TVornicForm& Form) {
  return test::RedPixels(Image1(Form)->Bitmap());
}

int Letters(const TVornicGame& Game) {
  return static_cast<int>(
      std::count_if(Game.Grid.begin(), Game.Grid.end(), [](char C) { return C != EmptyChar; }));
}

void Click(const TVornicForm& Form, const char* Name) {
  QTest::mouseClick(Child<QAbstractButton>(Form, Name), Qt::LeftButton);
}

}  // namespace

class TVornicFormTest : public QObject, test::FormHarness<TVornicForm> {
  Q_OBJECT

  void Type(TVornicForm& Window, const QString& Word) {
    auto* Edit = Child<QLineEdit>(Window, "Edit1");
    Edit->setFocus();
    test::TypeText(Edit, Word);
    QTest::keyClick(Edit, Qt::Key_Return);
  }
  void Trigger(const char* Action) { test::FindAction(*Form, Action)->trigger(); }

 private slots:
  void init() { Start(500, 420, 1234); }
  void cleanup() { Finish(); }

  void typedWordsArePlacedInCapitalsAndEscapeOnlyEmptiesTheInput() {
    QCOMPARE(Form->windowTitle(), QString("VornicGame - Untitled.gm[*]"));
    auto* Edit = Child<QLineEdit>(*Form, "Edit1");
    test::TypeText(Edit, "cat");
    QCOMPARE(Edit->text(), QString("CAT"));
    QTest::keyClick(Edit, Qt::Key_Return);
    QCOMPARE(Edit->text(), QString());
    test::TypeText(Edit, "dog");
    Click(*Form, "Button1");
    test::TypeText(Edit, "emu");
    QTest::keyClick(Edit, Qt::Key_Escape);
    QCOMPARE(Items(*Form), QStringList({"CAT", "DOG"}));
    QCOMPARE(Letters(Form->Game), 6);
    QVERIFY(Form->Game.Modified);
    QTest::keyClick(Edit, Qt::Key_Return);  // an empty input places nothing, silently
    QCOMPARE(Form->Game.Words.size(), std::size_t{2});
    QVERIFY(Ui->Messages.empty());
  }

  void answeringYesSavesInTheSizeTheGridHas() {
    // The starting size of New must not reach the file that the question saves.
    Form->Game.SetSize(5, 4);
    Form->Game.ClearGrid();
    Form->Game.ResizeImage();
    Type(*Form, "CAT");
    Ui->Answers.push_back(Answer::Yes);
    Ui->SaveReplies.push_back((*Home / "small.gm").string());
    Form->NewFile();
    TVornicGame Saved;
    Saved.Init("VornicGame", nullptr);
    QVERIFY(Saved.LoadFromFile((*Home / "small.gm").string()));
    QCOMPARE(Saved.Grid.size(), std::size_t{20});
    QCOMPARE(Form->Game.Grid.size(), std::size_t{150});
  }

  // Saving and reading the file are the document's tests; the window lists the reopened words.
  void savedPuzzlesReopenWithTheirWordsListed() {
    Type(*Form, "GIRAFFE");
    Type(*Form, "ZEBRA");
    Click(*Form, "SpeedButton8");
    Ui->SaveReplies.push_back((*Home / "zoo.gm").string());
    Trigger("Save1");
    QCOMPARE(Form->windowTitle(), QString("VornicGame - zoo.gm[*]"));
    TVornicForm Second(Answer());
    QVERIFY(Second.OpenVornicG((*Home / "zoo.gm").string()));
    QCOMPARE(Second.Game.Grid, Form->Game.Grid);
    QCOMPARE(Items(Second), QStringList({"GIRAFFE", "ZEBRA"}));
    // Without a main window no one takes a maze file: it is told as unreadable, nothing changes.
    test::WriteGameFile(*Home / "maze.gm", "WordMaze", 5, 5, {"EMU"});
    QVERIFY(!Form->OpenVornicG((*Home / "maze.gm").string()));
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QCOMPARE(Form->windowTitle(), QString("VornicGame - zoo.gm[*]"));
  }

  void fillMarksThePuzzleModifiedAndClearEmptiesIt() {
    Type(*Form, "CAT");
    Form->Game.Modified = false;
    Click(*Form, "SpeedButton8");
    QCOMPARE(Letters(Form->Game), 150);
    QVERIFY(Form->Game.Modified);  // closing must ask before the fill is lost
    Trigger("CopyWords1");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("CAT\n"));
    Click(*Form, "SpeedButton7");
    QCOMPARE(Letters(Form->Game), 0);
    QCOMPARE(Items(*Form), QStringList{});
  }

  void colourChangeKeepsLettersAndSizeChangePlacesAgain() {
    Type(*Form, "CAT");
    Type(*Form, "DOG");
    Click(*Form, "SpeedButton8");
    const std::string Filled = Form->Game.Grid;
    test::ModalAnswer Colour([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TGridForm*>(Window);
      QVERIFY(Dialog && Child<QGroupBox>(*Dialog, "CellsGroup")->isHidden());
      Child<ui::ColorComboBox>(*Dialog, "ColorComboBox2")->SetColor(0x00FFFF);
      Child<QPushButton>(*Dialog, "OkButton")->click();
    });
    Trigger("GridSettings1");
    QVERIFY(Colour.Done());
    QCOMPARE(Form->Game.Grid, Filled);
    QCOMPARE(Form->Game.Settings.BackColor, std::uint32_t{0x00FFFF});
    test::ModalAnswer Size([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TGridForm*>(Window);
      QVERIFY(Dialog);
      Child<ui::SpinEdit>(*Dialog, "SpinEdit2")->setValue(8);
      Child<ui::SpinEdit>(*Dialog, "SpinEdit1")->setValue(6);
      Child<QPushButton>(*Dialog, "OkButton")->click();
    });
    Trigger("GridSettings1");
    QVERIFY(Size.Done());
    QCOMPARE(Form->Game.Grid.size(), std::size_t{48});
    QCOMPARE(Letters(Form->Game), 6);  // the two words again, the fill gone
    QCOMPARE(Items(*Form), QStringList({"CAT", "DOG"}));
  }

  void theWordListEditorReplacesTheListAndTellsWhatDoesNotFit() {
    Type(*Form, "CAT");
    test::ModalAnswer Editor([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TListEditForm*>(Window);
      QVERIFY(Dialog);
      QCOMPARE(Dialog->UserWords(), QStringList{"CAT"});
      Dialog->SetUserWords({"LION", "TIGER", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"});
      Child<QPushButton>(*Dialog, "OkButton")->click();
    });
    Trigger("WordListEditor1");
    QVERIFY(Editor.Done());
    QCOMPARE(Items(*Form), QStringList({"LION", "TIGER"}));
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.starts_with("Could not insert word ABCDEF"));
  }

  void aListInAnotherScriptBringsItsCodePageAndFillLetters() {
    test::ModalAnswer Editor([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TListEditForm*>(Window);
      QVERIFY(Dialog);
      auto* Lists = Child<QComboBox>(*Dialog, "ComboBox1");
      Lists->setCurrentIndex(Lists->findText("Ζώα (Greek, built in)"));
      Child<QSpinBox>(*Dialog, "PickSpinEdit")->setValue(4);
      Child<QPushButton>(*Dialog, "PickButton")->click();
      Child<QPushButton>(*Dialog, "OkButton")->click();
    });
    Trigger("WordListEditor1");
    QVERIFY(Editor.Done());
    QCOMPARE(int{Form->Game.Settings.Charset}, 161);
    QCOMPARE(Form->Game.Settings.LanguageName(), std::string("Greek"));
    QCOMPARE(Items(*Form).size(), 4);
    QVERIFY(!Form->Game.Letters.empty() && Form->Game.Letters.find('Q') == std::string::npos);
  }

  void onlyTheUsersOwnChoiceHighlightsAWord() {
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    Type(*Form, "HORSE");
    Type(*Form, "CAT");
    // Taking the focus makes a row current: no choice, so no answer in the picture.
    ListBox1(*Form)->setFocus(Qt::TabFocusReason);
    QCOMPARE(RedPixels(*Form), 0);
    QTest::keyClick(ListBox1(*Form), Qt::Key_Down);
    QVERIFY(RedPixels(*Form) > 0);
    // A new size, Fill Blanks and Refresh show the plain grid, also in what Copy takes.
    Form->resize(Form->width() + 40, Form->height() + 30);
    QCoreApplication::processEvents();
    QCOMPARE(RedPixels(*Form), 0);
    QCOMPARE(ListBox1(*Form)->currentRow(), -1);
    QTest::keyClick(ListBox1(*Form), Qt::Key_Down);
    QVERIFY(RedPixels(*Form) > 0);
    Click(*Form, "SpeedButton8");
    QCOMPARE(RedPixels(*Form), 0);
    // A click on a listed word is a choice too; Refresh takes it away.
    const QPoint First = ListBox1(*Form)->visualItemRect(ListBox1(*Form)->item(0)).center();
    QTest::mouseClick(ListBox1(*Form)->viewport(), Qt::LeftButton, {}, First);
    QVERIFY(RedPixels(*Form) > 0);
    Click(*Form, "SpeedButton6");
    QCOMPARE(RedPixels(*Form), 0);
  }

  void aWordThatCannotBePlacedStaysInTheBoxWithTheReason() {
    auto* Edit = Child<QLineEdit>(*Form, "Edit1");
    test::TypeText(Edit, "abcdefghijklmnopq");
    QTest::keyClick(Edit, Qt::Key_Return);
    QCOMPARE(Edit->text(), QString("ABCDEFGHIJKLMNOPQ"));
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(
        Ui->Messages[0].Text.starts_with("Could not insert word ABCDEFGHIJKLMNOPQ\nThe word is "
                                         "longer than the grid"));
  }

  void zoomToFitEnlargesThePictureAndIsRemembered() {
    Type(*Form, "CAT");
    Form->resize(1000, 760);
    QCoreApplication::processEvents();
    const QImage& Bitmap = Image1(*Form)->Bitmap();
    // At its own size the picture is 245 units wide: 200 to the right of the centre is outside.
    const QPoint Outside(Bitmap.width() / 2 + 200, Bitmap.height() / 2);
    QCOMPARE(Bitmap.pixelColor(Outside), Image1(*Form)->BrushColor);
    QAction* Zoom = test::FindAction(*Form, "ZoomToFit1");
    QVERIFY(Form->GameMenu->actions().contains(Zoom) && Zoom->isCheckable() && !Zoom->isChecked());
    Zoom->trigger();
    QVERIFY(Image1(*Form)->Bitmap().pixelColor(Outside) != Image1(*Form)->BrushColor);
    TVornicForm Next(Answer());
    QVERIFY(test::FindAction(Next, "ZoomToFit1")->isChecked());
  }
};

QTEST_MAIN(TVornicFormTest)
#include "TVornicFormTest.moc"
