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
  static QLineEdit* PathEdit(const QObject& Form) {
    return test::Child<QLineEdit>(Form, "PathEdit");
  }
  static QCheckBox* Box(const QObject& Form, const char* Name) {
    return test::Child<QCheckBox>(Form, Name);
  }
  static QAction* Item(const QObject& Form, const char* Name) {
    return test::FindAction(Form, Name);
  }
  static QImage& Picture(const QObject& Form) {
    return test::Child<ui::TPreviewImage>(Form, "Image1")->Bitmap();
  }
  static ui::SpinEdit* LineCount(const QObject& Form) {
    return test::Child<ui::SpinEdit>(Form, "SpinEdit1");
  }
  static void Enter(ui::TTextGameForm& Form, const QString& Text) {
    PathEdit(Form)->clear();
    test::TypeText(PathEdit(Form), Text);
    QTest::keyClick(PathEdit(Form), Qt::Key_Return);
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
    test::TypeText(PathEdit(*Form), "the cat sat");
    QTest::keyClick(PathEdit(*Form), Qt::Key_Return);
    QCOMPARE(Form->Game.Words.size(), std::size_t{4});
    QTest::mouseClick(Box(*Form, "Mix"), Qt::LeftButton);  // rebuilds in text order
    QVERIFY(!Item(*Form, "Wordmix1")->isChecked());
    QCOMPARE(Form->Game.GetCell(3, 1), 'T');
    Item(*Form, "Wordmix1")->trigger();
    QVERIFY(Box(*Form, "Mix")->isChecked());
    Item(*Form, "Fillblanks1")->trigger();

    const auto File = *Home / "cat.gm";
    Ui->SaveReplies.push_back(File.string());
    Item(*Form, "Save1")->trigger();
    auto Second = Make<TJumbleForm>();
    QVERIFY(Second->OpenVornicG(File.string()));
    QCOMPARE(PathEdit(*Second)->text(), QString("THE CAT SAT"));
    QCOMPARE(Second->Game.Words.Items(), Form->Game.Words.Items());
    QVERIFY(!Second->Game.Modified);

    Item(*Form, "CopyasText1")->trigger();  // the hints, line 0 dropped
    const QStringList Hints = QGuiApplication::clipboard()->text().split("\n");
    QCOMPARE(Hints.size(), 4);
    QCOMPARE(Hints[2], QString::fromStdString(Form->Game.Words[3].substr(0, 3)));
    PathEdit(*Form)->setSelection(4, 3);
    QTest::mouseClick(test::Child<QToolButton>(*Form, "ToolButton14"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("CAT"));
  }

  void jumbleSolutionBlankAndRefusedTextsChangeNoPuzzle() {
    auto Form = Make<TJumbleForm>();
    Picture(*Form).fill(Qt::green);
    Box(*Form, "Solution")->click();  // an empty puzzle draws nothing
    QCOMPARE(Picture(*Form).pixelColor(10, 10), QColor(Qt::green));
    Box(*Form, "Solution")->click();

    Enter(*Form, "HORSE");
    Form->Game.Modified = false;
    const QImage Puzzle = Picture(*Form).copy();
    Item(*Form, "ShowSolution")->trigger();
    QVERIFY(Box(*Form, "Solution")->isChecked());
    QVERIFY(Picture(*Form) != Puzzle);
    QTest::mouseClick(Box(*Form, "Solution"), Qt::LeftButton);
    QVERIFY(!Item(*Form, "ShowSolution")->isChecked());
    QCOMPARE(Picture(*Form), Puzzle);
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
    Item(*Form, "New1")->trigger();
    QCOMPARE(PathEdit(*Form)->text(), QString("DOG 日"));
    QCOMPARE(Form->Game.Words.Items(), Words);
    QCOMPARE(Picture(*Form), Puzzle);
    Form->Game.Modified = false;
  }

  // The line count rebuilds at once; an open into a window showing another count gives the
  // stored mixing unmodified, the padded text and the two blocks; New keeps the count.
  void lostLettersRebuildReopenCopyAndNew() {
    QVERIFY(ui::HasGameWindow(TLostLettersForm::TypeName));
    auto Form = Make<TLostLettersForm>();
    test::TypeText(PathEdit(*Form), "hello world");
    QTest::keyClick(PathEdit(*Form), Qt::Key_Return);
    QCOMPARE(Form->Game.Words[0], std::string("HELLO WORLD "));
    Item(*Form, "CopyasText1")->trigger();  // a 6 x 2 grid: two lines of six with five tabs each
    const QStringList Lines = QGuiApplication::clipboard()->text().split("\n");
    QCOMPARE(Lines.size(), 3);
    QCOMPARE(Lines[0].count('\t') + Lines[1].count('\t'), 10);
    QTest::keyClick(LineCount(*Form), Qt::Key_Up);
    QCOMPARE(int(Form->Game.Settings.Rows), 3);

    const auto File = *Home / "hello.gm";
    Ui->SaveReplies.push_back(File.string());
    Item(*Form, "Save1")->trigger();
    auto Second = Make<TLostLettersForm>();
    LineCount(*Second)->setValue(7);
    QVERIFY(Second->OpenVornicG(File.string()));
    QCOMPARE(LineCount(*Second)->value(), 3);
    QCOMPARE(Second->Game.Grid, Form->Game.Grid);
    QCOMPARE(PathEdit(*Second)->text(), QString("HELLO WORLD "));
    QCOMPARE(PathEdit(*Second)->selectedText(), QString(" "));  // the padding shows
    QCOMPARE(PathEdit(*Second)->selectionStart(), 11);
    QCOMPARE(Second->Game.MetaFile.Height(), 3 * 32 + 10);
    QVERIFY(!Second->Game.Modified);

    LineCount(*Form)->setValue(4);
    Ui->Answers.push_back(Answer::No);
    Item(*Form, "New1")->trigger();
    QCOMPARE(LineCount(*Form)->value(), 4);
    QVERIFY(PathEdit(*Form)->text().isEmpty() && Form->Game.Words.empty());
  }
};

QTEST_MAIN(TTextGameFormsTest)
#include "TTextGameFormsTest.moc"
