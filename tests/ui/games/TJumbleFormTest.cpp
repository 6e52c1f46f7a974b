#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "base/RandomGenerator.h"
#include "support/GameFiles.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/dialogs/ColorComboBox.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/jumble/TJumbleForm.h"

using namespace vornic;
using ui::TJumbleForm;

class TJumbleFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;
  std::unique_ptr<test::ScriptedUserInterface> Ui;
  test::ScriptedPrompts Prompts;
  std::unique_ptr<TJumbleForm> Form;

  std::unique_ptr<TJumbleForm> MakeForm() {
    auto Made = std::make_unique<TJumbleForm>(ui::Answerers{Ui.get(), &Prompts});
    Made->resize(600, 450);
    Made->show();
    return Made;
  }
  void Enter(const QString& Text) {
    Form->PathEdit->clear();
    test::TypeText(Form->PathEdit, Text);
    QTest::keyClick(Form->PathEdit, Qt::Key_Return);
  }

 private slots:
  void init() {
    Home = std::make_unique<test::TempHome>();
    Ui = std::make_unique<test::ScriptedUserInterface>();
    Prompts = test::ScriptedPrompts();
    Form = MakeForm();
    RandomGenerator::Seed(99);
  }
  void cleanup() {
    QCOMPARE(Prompts.Unscripted, 0);
    Form->Game.Modified = false;
    Form.reset();
    Ui.reset();
    Home.reset();
    QVERIFY(test::NoWindowLeft());
  }

  // Typing, building by Enter, button and F2's item, the word-mix switch in step with its menu
  // item, save, reopen in another window, and both text copies.
  void buildSaveReopenAndCopy() {
    QVERIFY(ui::HasGameWindow(4));
    QCOMPARE(Form->windowTitle(), QString("JumbledUp - Untitled.gm"));
    QCOMPARE(Form->Preview->title(), QString(" Preview "));
    QCOMPARE(test::FindAction(*Form, "Fillblanks1")->shortcut().toString(), QString("F2"));
    test::TypeText(Form->PathEdit, "the cat sat");
    QCOMPARE(Form->PathEdit->text(), QString("THE CAT SAT"));
    QTest::keyClick(Form->PathEdit, Qt::Key_Return);
    QCOMPARE(Form->Game.Words.size(), std::size_t{4});
    QVERIFY(Form->Game.Modified);

    QTest::mouseClick(Form->Mix, Qt::LeftButton);
    QVERIFY(!Form->Wordmix1->isChecked());
    QCOMPARE(int(Form->Game.Settings.Cols), 5);  // rebuilt in text order: one word column
    QCOMPARE(Form->Game.GetCell(3, 1), 'T');
    Form->Wordmix1->trigger();
    QVERIFY(Form->Mix->isChecked());
    Form->Mix->click();
    QTest::mouseClick(Form->Button1, Qt::LeftButton);
    test::FindAction(*Form, "Fillblanks1")->trigger();
    const std::string Grid = Form->Game.Grid;

    const auto File = *Home / "cat.gm";
    Ui->SaveReplies.push_back(File.string());
    test::FindAction(*Form, "Save1")->trigger();
    TJumbleForm Second({Ui.get(), &Prompts});
    QVERIFY(Second.OpenVornicG(File.string()));
    QCOMPARE(Second.PathEdit->text(), QString("THE CAT SAT"));
    QCOMPARE(Second.Game.Grid, Grid);
    QCOMPARE(Second.Game.Words.Items(), Form->Game.Words.Items());
    QVERIFY(!Second.Game.Modified);

    test::FindAction(*Form, "CopyasText1")->trigger();
    const QStringList Hints = QGuiApplication::clipboard()->text().split("\r\n");
    QCOMPARE(Hints.size(), 4);  // three words and the last line end
    for (int k = 0; k < 3; ++k)
      QCOMPARE(QString::fromStdString(Form->Game.Words[k + 1]).left(3), Hints[k]);
    Form->PathEdit->setSelection(4, 3);
    QTest::mouseClick(Form->ToolButton14, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("CAT"));
    QVERIFY(Ui->Messages.empty());
  }

  void solutionViewChangesOnlyThePicture() {
    Enter("HORSE");
    Form->Game.Modified = false;
    const QImage Puzzle = Form->Image1->Bitmap().copy();
    QTest::mouseClick(Form->Solution, Qt::LeftButton);
    QVERIFY(Form->ShowSolution->isChecked());
    QVERIFY(Form->Image1->Bitmap() != Puzzle);
    Form->ShowSolution->trigger();
    QVERIFY(!Form->Solution->isChecked());
    QCOMPARE(Form->Image1->Bitmap(), Puzzle);
    QVERIFY(!Form->Game.Modified);
  }

  // New window, blank text (the puzzle stays), solution toggled, resized: nothing is drawn.
  void anEmptyPuzzleDrawsNothing() {
    Form->Image1->Bitmap().fill(Qt::green);
    Form->Solution->click();
    QCOMPARE(Form->Image1->Bitmap().pixelColor(10, 10), QColor(Qt::green));
    Form->resize(640, 480);
    QCoreApplication::processEvents();
    const QImage& Shown = Form->Image1->Bitmap();
    QCOMPARE(Shown.pixelColor(Shown.width() / 2, Shown.height() / 2), Form->Image1->BrushColor);

    Enter("CAT");
    const auto Words = Form->Game.Words.Items();
    Enter("   ");
    QCOMPARE(Form->Game.Words.Items(), Words);
    QVERIFY(Ui->Messages.empty());
  }

  void textTheCodePageCannotHoldIsRefusedByName() {
    Enter("CAT");
    const std::string Grid = Form->Game.Grid;
    Enter("DOG 日");
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(Ui->Messages[0].Text).contains("日"));
    QCOMPARE(Form->Game.Grid, Grid);
  }

  void newAnsweredCancelKeepsEverything() {
    Enter("CAT DOG");
    const QImage Shown = Form->Image1->Bitmap().copy();
    Ui->Answers.push_back(Answer::Cancel);
    Form->New1->trigger();
    QCOMPARE(Form->PathEdit->text(), QString("CAT DOG"));
    QCOMPARE(Form->Game.Words.size(), std::size_t{3});
    QCOMPARE(Form->Image1->Bitmap(), Shown);
  }

  // One and two rows are below the dialog's own minimum size; the puzzle keeps them.
  void gridSettingsKeepAOneOrTwoRowPuzzle() {
    for (const QString Text : {"ELEPHANT", "ELEPHANT MOUSE"}) {
      Enter(Text);
      const std::string Grid = Form->Game.Grid;
      const auto Words = Form->Game.Words.Items();
      test::ModalAnswer Colour([](QWidget* Window) {
        auto* Dialog = qobject_cast<ui::TGridForm*>(Window);
        QVERIFY(Dialog && Dialog->SizeGroup->isHidden() && Dialog->LanguageGroup->isHidden());
        Dialog->ColorComboBox6->SetColor(0x00FF00);
        Dialog->OkButton->click();
      });
      Form->GridSettings1->trigger();
      QVERIFY(Colour.Done());
      QCOMPARE(Form->Game.Grid, Grid);
      QCOMPARE(Form->Game.Words.Items(), Words);
      QCOMPARE(Form->Game.Settings.MarkBackColor, std::uint32_t{0x00FF00});
      const QImage& Shown = Form->Image1->Bitmap();
      QCOMPARE(Shown.pixelColor(Shown.width() / 2 - 30, Shown.height() / 2 - 4), QColor(Qt::green));
    }
  }
};

QTEST_MAIN(TJumbleFormTest)
#include "TJumbleFormTest.moc"
