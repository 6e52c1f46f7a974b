#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "base/RandomGenerator.h"
#include "support/GameFiles.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/lostletters/TLostLettersForm.h"

using namespace vornic;
using ui::TLostLettersForm;

class TLostLettersFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;
  std::unique_ptr<test::ScriptedUserInterface> Ui;
  test::ScriptedPrompts Prompts;
  std::unique_ptr<TLostLettersForm> Form;

  void Enter(TLostLettersForm& Window, const QString& Text) {
    Window.PathEdit->clear();
    test::TypeText(Window.PathEdit, Text);
    QTest::keyClick(Window.PathEdit, Qt::Key_Return);
  }

 private slots:
  void init() {
    Home = std::make_unique<test::TempHome>();
    Ui = std::make_unique<test::ScriptedUserInterface>();
    Prompts = test::ScriptedPrompts();
    Form = std::make_unique<TLostLettersForm>(ui::Answerers{Ui.get(), &Prompts});
    Form->resize(600, 450);
    Form->show();
    RandomGenerator::Seed(5);
  }
  void cleanup() {
    QCOMPARE(Prompts.Unscripted, 0);
    Form->Game.Modified = false;
    Form.reset();
    Ui.reset();
    Home.reset();
    QVERIFY(test::NoWindowLeft());
  }

  // Enter builds, the line count rebuilds at once, save, and an open into a window showing
  // another line count gives the stored mixing unmodified, its text and its two blocks.
  void buildChangeLinesSaveAndReopen() {
    QVERIFY(ui::HasGameWindow(5));
    QCOMPARE(Form->Label1->text(), QString("Lines"));
    QCOMPARE(Form->SpinEdit1->value(), 2);
    test::TypeText(Form->PathEdit, "hello world");
    QTest::keyClick(Form->PathEdit, Qt::Key_Return);
    QCOMPARE(int(Form->Game.Settings.Cols), 6);
    QCOMPARE(Form->Game.Words[0], std::string("HELLO WORLD "));
    QTest::keyClick(Form->SpinEdit1, Qt::Key_Up);
    QCOMPARE(int(Form->Game.Settings.Rows), 3);
    QCOMPARE(Form->Game.MetaFile.Height(), 3 * 32 + 10);

    const auto File = *Home / "hello.gm";
    Ui->SaveReplies.push_back(File.string());
    Form->Save1->trigger();
    TLostLettersForm Second({Ui.get(), &Prompts});
    Second.SpinEdit1->setValue(7);
    Second.Game.Modified = false;
    QVERIFY(Second.OpenVornicG(File.string()));
    QCOMPARE(Second.SpinEdit1->value(), 3);
    QCOMPARE(Second.Game.Grid, Form->Game.Grid);
    QCOMPARE(Second.PathEdit->text(), QString("HELLO WORLD "));
    QCOMPARE(Second.Game.MetaFile.Height(), 3 * 32 + 10);
    QVERIFY(!Second.Game.Modified);
    Second.Fillblanks1->trigger();  // the same line count gives the same size
    QCOMPARE(int(Second.Game.Settings.Cols), 4);
    Second.Game.Modified = false;
  }

  void copyAsTextOfASixByTwoGrid() {
    Enter(*Form, "HELLO WORLD");
    Form->CopyasText1->trigger();
    const QStringList Lines = QGuiApplication::clipboard()->text().split("\r\n");
    QCOMPARE(Lines.size(), 3);
    for (int Y = 0; Y < 2; ++Y) QCOMPARE(Lines[Y].count('\t'), 5);
  }

  void solutionAndNewKeepTheirParts() {
    Enter(*Form, "ABC DEF");
    Form->Game.Modified = false;
    const QImage Puzzle = Form->Image1->Bitmap().copy();
    Form->ShowSolution->trigger();
    QVERIFY(Form->Solution->isChecked());
    QVERIFY(Form->Image1->Bitmap() != Puzzle);
    QTest::mouseClick(Form->Solution, Qt::LeftButton);
    QCOMPARE(Form->Image1->Bitmap(), Puzzle);
    QVERIFY(!Form->Game.Modified);

    Form->SpinEdit1->setValue(4);
    Ui->Answers.push_back(Answer::No);
    Form->New1->trigger();
    QCOMPARE(Form->SpinEdit1->value(), 4);
    QVERIFY(Form->PathEdit->text().isEmpty());
    QVERIFY(Form->Game.Words.empty());
  }

  void gridSettingsKeepAWidePuzzle() {
    Enter(*Form, QString(120, 'X'));
    const std::string Grid = Form->Game.Grid;
    test::ModalAnswer Ok([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TGridForm*>(Window);
      QVERIFY(Dialog && Dialog->SizeGroup->isHidden());
      Dialog->OkButton->click();
    });
    Form->GridSettings1->trigger();
    QVERIFY(Ok.Done());
    QCOMPARE(int(Form->Game.Settings.Cols), 60);
    QCOMPARE(Form->Game.Grid, Grid);
    QCOMPARE(Form->Game.MetaFile.Height(), 2 * 32 + 10);
  }
};

QTEST_MAIN(TLostLettersFormTest)
#include "TLostLettersFormTest.moc"
