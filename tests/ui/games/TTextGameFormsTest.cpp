// The jumbled-text and lost-letters windows, driven through their widgets.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "base/RandomGenerator.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/jumble/TJumbleForm.h"
#include "ui/games/lostletters/TLostLettersForm.h"

using namespace vornic;
using ui::TJumbleForm;
using ui::TLostLettersForm;

class TTextGameFormsTest : public QObject, test::WindowHarness {
  Q_OBJECT

  template <typename Window>
  std::unique_ptr<Window> Make() {
    auto Made = std::make_unique<Window>(Answer());
    Made->resize(600, 450);
    Made->show();
    return Made;
  }
  static void Enter(ui::TTextGameForm& Form, const QString& Text) {
    Form.PathEdit->clear();
    test::TypeText(Form.PathEdit, Text);
    QTest::keyClick(Form.PathEdit, Qt::Key_Return);
  }

 private slots:
  void init() {
    Start();
    RandomGenerator::Seed(99);
  }
  void cleanup() { Finish(); }

  void jumbleBuildsSavesReopensAndCopies() {
    QVERIFY(ui::HasGameWindow(TJumbleForm::TypeName));
    auto Form = Make<TJumbleForm>();
    QCOMPARE(Form->windowTitle(), QString("JumbledUp - Untitled.gm[*]"));
    test::TypeText(Form->PathEdit, "the cat sat");
    QTest::keyClick(Form->PathEdit, Qt::Key_Return);
    QCOMPARE(Form->Game.Words.size(), std::size_t{4});
    QTest::mouseClick(Form->Mix, Qt::LeftButton);  // rebuilds in text order
    QVERIFY(!Form->Wordmix1->isChecked());
    QCOMPARE(Form->Game.GetCell(3, 1), 'T');
    Form->Wordmix1->trigger();
    QVERIFY(Form->Mix->isChecked());
    Form->Fillblanks1->trigger();

    const auto File = *Home / "cat.gm";
    Ui->SaveReplies.push_back(File.string());
    Form->Save1->trigger();
    auto Second = Make<TJumbleForm>();
    QVERIFY(Second->OpenVornicG(File.string()));
    QCOMPARE(Second->PathEdit->text(), QString("THE CAT SAT"));
    QCOMPARE(Second->Game.Words.Items(), Form->Game.Words.Items());
    QVERIFY(!Second->Game.Modified);

    Form->CopyasText1->trigger();  // the hints, line 0 dropped
    const QStringList Hints = QGuiApplication::clipboard()->text().split("\n");
    QCOMPARE(Hints.size(), 4);
    QCOMPARE(Hints[2], QString::fromStdString(Form->Game.Words[3].substr(0, 3)));
    Form->PathEdit->setSelection(4, 3);
    QTest::mouseClick(Form->ToolButton14, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("CAT"));
  }

  void jumbleSolutionBlankAndRefusedTextsChangeNoPuzzle() {
    auto Form = Make<TJumbleForm>();
    Form->Image1->Bitmap().fill(Qt::green);
    Form->Solution->click();  // an empty puzzle draws nothing
    QCOMPARE(Form->Image1->Bitmap().pixelColor(10, 10), QColor(Qt::green));
    Form->Solution->click();

    Enter(*Form, "HORSE");
    Form->Game.Modified = false;
    const QImage Puzzle = Form->Image1->Bitmap().copy();
    Form->ShowSolution->trigger();
    QVERIFY(Form->Solution->isChecked());
    QVERIFY(Form->Image1->Bitmap() != Puzzle);
    QTest::mouseClick(Form->Solution, Qt::LeftButton);
    QVERIFY(!Form->ShowSolution->isChecked());
    QCOMPARE(Form->Image1->Bitmap(), Puzzle);
    QVERIFY(!Form->Game.Modified);

    const auto Words = Form->Game.Words.Items();
    Enter(*Form, "   ");
    QVERIFY(Ui->Messages.empty());
    Enter(*Form, "DOG 日");
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(Ui->Messages[0].Text).contains("日"));
    QCOMPARE(Form->Game.Words.Items(), Words);

    Ui->Answers.push_back(Answer::Cancel);  // New, and Cancel on the save question
    Form->Game.Modified = true;
    Form->New1->trigger();
    QCOMPARE(Form->PathEdit->text(), QString("DOG 日"));
    QCOMPARE(Form->Game.Words.Items(), Words);
    QCOMPARE(Form->Image1->Bitmap(), Puzzle);
    Form->Game.Modified = false;
  }

  // The line count rebuilds at once; an open into a window showing another count gives the
  // stored mixing unmodified, the padded text and the two blocks; New keeps the count.
  void lostLettersRebuildReopenCopyAndNew() {
    QVERIFY(ui::HasGameWindow(TLostLettersForm::TypeName));
    auto Form = Make<TLostLettersForm>();
    test::TypeText(Form->PathEdit, "hello world");
    QTest::keyClick(Form->PathEdit, Qt::Key_Return);
    QCOMPARE(Form->Game.Words[0], std::string("HELLO WORLD "));
    Form->CopyasText1->trigger();  // a 6 x 2 grid: two lines of six with five tabs each
    const QStringList Lines = QGuiApplication::clipboard()->text().split("\n");
    QCOMPARE(Lines.size(), 3);
    QCOMPARE(Lines[0].count('\t') + Lines[1].count('\t'), 10);
    QTest::keyClick(Form->SpinEdit1, Qt::Key_Up);
    QCOMPARE(int(Form->Game.Settings.Rows), 3);

    const auto File = *Home / "hello.gm";
    Ui->SaveReplies.push_back(File.string());
    Form->Save1->trigger();
    auto Second = Make<TLostLettersForm>();
    Second->SpinEdit1->setValue(7);
    QVERIFY(Second->OpenVornicG(File.string()));
    QCOMPARE(Second->SpinEdit1->value(), 3);
    QCOMPARE(Second->Game.Grid, Form->Game.Grid);
    QCOMPARE(Second->PathEdit->text(), QString("HELLO WORLD "));
    QCOMPARE(Second->PathEdit->selectedText(), QString(" "));  // the padding shows
    QCOMPARE(Second->PathEdit->selectionStart(), 11);
    QCOMPARE(Second->Game.MetaFile.Height(), 3 * 32 + 10);
    QVERIFY(!Second->Game.Modified);

    Form->SpinEdit1->setValue(4);
    Ui->Answers.push_back(Answer::No);
    Form->New1->trigger();
    QCOMPARE(Form->SpinEdit1->value(), 4);
    QVERIFY(Form->PathEdit->text().isEmpty() && Form->Game.Words.empty());
  }
};

QTEST_MAIN(TTextGameFormsTest)
#include "TTextGameFormsTest.moc"
