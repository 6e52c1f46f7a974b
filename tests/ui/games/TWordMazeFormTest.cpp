#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include "base/EmptyChar.h"
#include "support/GameFiles.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/maze/TWordMazeForm.h"

using namespace vornic;
using ui::TWordMazeForm;

using test::Items;
using test::RedPixels;

class TWordMazeFormTest : public QObject, test::FormHarness<TWordMazeForm> {
  Q_OBJECT

  template <typename T = QWidget>
  T* On(const char* Name) const {
    return test::Child<T>(*Form, Name);
  }
  QLineEdit* edtFrase() const { return On<QLineEdit>("edtFrase"); }
  QPlainTextEdit* UserWrdList() const { return On<QPlainTextEdit>("UserWrdList"); }
  QListWidget* SizeListBox() const { return On<QListWidget>("SizeListBox"); }
  QPushButton* Button1() const { return On<QPushButton>("Button1"); }
  QPushButton* SpeedButton6() const { return On<QPushButton>("SpeedButton6"); }
  QImage Picture() const { return On<ui::TPreviewImage>("Image1")->Bitmap(); }

  // Types the phrase and the word lines as a user would.
  void Type(const QString& Phrase, const QStringList& Lines) {
    test::TypeText(edtFrase(), Phrase);
    for (int i = 0; i < Lines.size(); ++i) {
      if (i > 0) QTest::keyClick(UserWrdList(), Qt::Key_Return);
      test::TypeText(UserWrdList(), Lines[i]);
    }
  }
  void ClickSize(const QString& Size) {
    const QList<QListWidgetItem*> Found = SizeListBox()->findItems(Size, Qt::MatchExactly);
    QVERIFY2(!Found.isEmpty(), qPrintable(Size));
    QTest::mouseClick(SizeListBox()->viewport(), Qt::LeftButton, {},
                      SizeListBox()->visualItemRect(Found.front()).center());
  }
  bool OutputEnabled() const {
    for (const char* Name : {"Save1", "Saveas1", "Savetofile1", "CopyImage1", "CopyasText1"})
      if (!test::FindAction(*Form, Name)->isEnabled()) return false;
    return SpeedButton6()->isEnabled();
  }

 private slots:
  void init() { Start(560, 460, 77); }
  void cleanup() { Finish(); }

  void thirtyLettersOfferFourSizesAndAClickCleansTheList() {
    QCOMPARE(Form->windowTitle(), QString("WordMaze - Untitled.gm[*]"));
    QVERIFY(!OutputEnabled());
    Type("title", {"pear", "", "apple", "banana", "cherry", "kiwi"});
    QCOMPARE(edtFrase()->text(), QString("TITLE"));
    QCOMPARE(Items(SizeListBox()), QStringList({"3 x 10", "5 x 6", "6 x 5", "10 x 3"}));
    QVERIFY(!Button1()->isEnabled());
    ClickSize("6 x 5");
    QCOMPARE(Form->WordLines(), QStringList({"PEAR", "APPLE", "BANANA", "CHERRY", "KIWI"}));
    QVERIFY(Button1()->isEnabled());
    QVERIFY(!On<QLabel>("SizeHint")->isVisible());
    // One letter more: 31 has no size; none left selected, nothing to build, and the hint says
    // what would fit.
    test::TypeText(edtFrase(), "S");
    QVERIFY(Items(SizeListBox()).isEmpty());
    QVERIFY(!Button1()->isEnabled());
    QVERIFY(On<QLabel>("SizeHint")->isVisible());
    QCOMPARE(On<QLabel>("SizeHint")->text(),
             QString("31 letters: no grid from 3 x 3 to 50 x 50 holds exactly 31; remove 1 letter "
                     "for 5 x 6 or add 1 for 4 x 8"));
  }

  void buildHighlightsThePhraseAndTypingAfterwardsKeepsTheMaze() {
    Type("ab", {"cat", "dog", "emu", "gnu", "owl"});  // 17 letters: no size
    QVERIFY(Items(SizeListBox()).isEmpty());
    test::TypeText(UserWrdList(), "x");  // 18: 3 x 6, 6 x 3
    QCOMPARE(Items(SizeListBox()), QStringList({"3 x 6", "6 x 3"}));
    ClickSize("6 x 3");
    QTest::mouseClick(Button1(), Qt::LeftButton);
    QVERIFY(OutputEnabled());
    QCOMPARE(Form->Game.Words.size(), std::size_t{6});
    QCOMPARE(Form->Game.Grid.find(EmptyChar), std::string::npos);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(RedPixels(Picture()) > 0);
    // Refresh takes the highlight away; double clicks on the phrase or a word bring one back.
    QTest::mouseClick(SpeedButton6(), Qt::LeftButton);
    QCOMPARE(RedPixels(Picture()), 0);
    QTest::mouseDClick(edtFrase(), Qt::LeftButton);
    QVERIFY(RedPixels(Picture()) > 0);
    QTest::mouseClick(SpeedButton6(), Qt::LeftButton);
    QTest::mouseDClick(UserWrdList()->viewport(), Qt::LeftButton, {},
                       UserWrdList()->cursorRect(UserWrdList()->textCursor()).center());
    QVERIFY(RedPixels(Picture()) > 0);

    // A word added and deleted again recalculates the sizes; the built maze stays shown, in the
    // document and saveable until a new build replaces it.
    const std::string Grid = Form->Game.Grid;
    QTest::keyClick(UserWrdList(), Qt::Key_Home, Qt::ControlModifier);
    test::TypeText(UserWrdList(), "yak");
    QTest::keyClick(UserWrdList(), Qt::Key_Return);
    QCOMPARE(Items(SizeListBox()), QStringList({"3 x 7", "7 x 3"}));
    // A double click highlights a word by what it is, not by its line: the new word has none.
    const auto DoubleClickLine = [this](int Line) {
      // The first click of the two puts the caret on the line.
      UserWrdList()->setTextCursor(QTextCursor(UserWrdList()->document()->findBlockByNumber(Line)));
      QTest::mouseDClick(UserWrdList()->viewport(), Qt::LeftButton, {},
                         UserWrdList()->cursorRect().center());
    };
    QTest::mouseClick(SpeedButton6(), Qt::LeftButton);
    DoubleClickLine(0);
    QCOMPARE(RedPixels(Picture()), 0);
    DoubleClickLine(1);
    QVERIFY(RedPixels(Picture()) > 0);
    QTest::mouseClick(SpeedButton6(), Qt::LeftButton);
    const QImage Shown = Picture().copy();
    QTest::keyClick(UserWrdList(), Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i) QTest::keyClick(UserWrdList(), Qt::Key_Delete);
    QCOMPARE(Items(SizeListBox()), QStringList({"3 x 6", "6 x 3"}));
    QVERIFY(!Button1()->isEnabled());
    QVERIFY(OutputEnabled());
    QCOMPARE(Picture(), Shown);
    QCOMPARE(Form->Game.Grid, Grid);
    QCOMPARE(Form->Game.Words.size(), std::size_t{6});
    Ui->SaveReplies.push_back((*Home / "kept.gm").string());
    test::FindAction(*Form, "Save1")->trigger();
    QVERIFY(!Form->Game.Modified);
  }

  void refusedTextAndAFailedBuildAreTold() {
    Type("AB", {"CDEFGHI"});
    // Pasted: a tab, which would become a cell of the word.
    UserWrdList()->insertPlainText(QStringLiteral("\tJK"));
    ClickSize("3 x 4");
    QTest::mouseClick(Button1(), Qt::LeftButton);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.starts_with("Line 1 of the words: "));
    QVERIFY(Ui->Messages[0].Text.find("U+0009") != std::string::npos);
    QVERIFY(Form->Game.Words.empty());
    QVERIFY(!OutputEnabled());

    // A size the letters cannot fill (as a damaged list would offer it) fails the build.
    UserWrdList()->setPlainText(QStringLiteral("ABCDEF"));
    edtFrase()->setText(QStringLiteral("ABCDEFGHIJ"));
    SizeListBox()->addItem(QStringLiteral("3 x 3"));
    ClickSize("3 x 3");
    QTest::mouseClick(Button1(), Qt::LeftButton);
    QCOMPARE(Ui->Messages.size(), std::size_t{2});
    QVERIFY(
        Ui->Messages.back().Text.starts_with("The maze cannot be built in 3 x 3: the title "
                                             "phrase and the words hold 16 letters"));
    QVERIFY(Form->Game.Words.empty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  void buildSaveAndReopen() {
    Type("MAZE", {"ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "NINE"});  // 30 letters
    ClickSize("5 x 6");
    QTest::mouseDClick(SizeListBox()->viewport(), Qt::LeftButton, {},
                       SizeListBox()->visualItemRect(SizeListBox()->currentItem()).center());
    QVERIFY(OutputEnabled());
    const auto File = *Home / "numbers.gm";
    Ui->SaveReplies.push_back(File.string());
    test::FindAction(*Form, "Save1")->trigger();
    QCOMPARE(Form->windowTitle(), QString("WordMaze - numbers.gm[*]"));

    TWordMazeForm Second(Answer());
    Ui->OpenReplies.push_back(File.string());
    test::FindAction(Second, "Open1")->trigger();
    QCOMPARE(test::Child<QLineEdit>(Second, "edtFrase")->text(), QString("MAZE"));
    QCOMPARE(Second.WordLines(), Form->WordLines());
    QCOMPARE(test::Child<QListWidget>(Second, "SizeListBox")->currentItem()->text(),
             QString("5 x 6"));
    QCOMPARE(Second.Game.Grid, Form->Game.Grid);
    QVERIFY(test::Child<QPushButton>(Second, "Button1")->isEnabled());
    QVERIFY(Ui->Messages.empty());
  }
};

QTEST_MAIN(TWordMazeFormTest)
#include "TWordMazeFormTest.moc"
