// Every game window keeps the user's work: a build that fails leaves the puzzle, its picture and
// whether it needs saving as they were, and closing with typed text that is not in the puzzle
// asks first.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/jumble/TJumbleForm.h"
#include "ui/games/labyrinth/TLabirintForm.h"
#include "ui/games/lostletters/TLostLettersForm.h"
#include "ui/games/maze/TWordMazeForm.h"
#include "ui/games/wordsearch/TVornicForm.h"

using namespace vornic;
using ui::TGameForm;

namespace {

using Step = std::function<void(TGameForm&)>;

// A step on the window as its own type.
template <typename Window, typename Action>
Step On(Action Act) {
  return [Act](TGameForm& Form) { Act(*qobject_cast<Window*>(&Form)); };
}

template <typename T = QWidget>
T* Named(const QObject& Form, const char* Name) {
  return test::Child<T>(Form, Name);
}

void Retype(QLineEdit* Edit, const QString& Text) {
  Edit->clear();
  test::TypeText(Edit, Text);
}

void EnterWord(ui::TVornicForm& Form, const QString& Word) {
  Retype(Named<QLineEdit>(Form, "Edit1"), Word);
  QTest::keyClick(Named(Form, "Edit1"), Qt::Key_Return);
}

void BuildMaze(ui::TWordMazeForm& Form, const QString& Words) {
  Named<QPlainTextEdit>(Form, "UserWrdList")->setPlainText(Words);
  Named<QListWidget>(Form, "SizeListBox")->setCurrentRow(0);
  QTest::mouseClick(Named(Form, "Button1"), Qt::LeftButton);
}

void BuildLabyrinth(ui::TLabirintForm& Form, const QString& Text) {
  Retype(Named<QLineEdit>(Form, "Edit1"), Text);
  QTest::mouseClick(Named(Form, "Button1"), Qt::LeftButton);
}

void BuildText(ui::TTextGameForm& Form, const QString& Text) {
  Retype(Named<QLineEdit>(Form, "PathEdit"), Text);
  QTest::keyClick(Named(Form, "PathEdit"), Qt::Key_Return);
}

}  // namespace

Q_DECLARE_METATYPE(Step)

class KeepingWorkTest : public QObject, test::WindowHarness {
  Q_OBJECT

 private slots:
  void init() { Start(); }
  void cleanup() { Finish(); }

  void typingNotInThePuzzleIsAskedAboutOnClosing_data() {
    QTest::addColumn<QString>("Game");
    QTest::addColumn<Step>("Type");
    QTest::addColumn<Step>("Build");
    const auto Text = [](ui::TTextGameForm& F) {
      test::TypeText(Named(F, "PathEdit"), "the cat sat");
    };
    const auto BuildText = [](ui::TTextGameForm& F) {
      QTest::keyClick(Named(F, "PathEdit"), Qt::Key_Return);
    };
    QTest::newRow("word search") << "VornicGame" << On<ui::TVornicForm>([](auto& F) {
      test::TypeText(Named(F, "Edit1"), "cat");
    }) << On<ui::TVornicForm>([](auto& F) { QTest::keyClick(Named(F, "Edit1"), Qt::Key_Return); });
    QTest::newRow("word maze") << "WordMaze" << On<ui::TWordMazeForm>([](auto& F) {
      test::TypeText(Named(F, "edtFrase"), "abc");
      for (const char* Word : {"cat", "dog", "emu", "owl", "gnu"}) {
        test::TypeText(Named(F, "UserWrdList"), Word);
        QTest::keyClick(Named(F, "UserWrdList"), Qt::Key_Return);
      }
    }) << On<ui::TWordMazeForm>([](auto& F) {
      Named<QListWidget>(F, "SizeListBox")->setCurrentRow(0);
      QTest::mouseClick(Named(F, "Button1"), Qt::LeftButton);
    });
    QTest::newRow("word labyrinth") << "WordLabirint" << On<ui::TLabirintForm>([](auto& F) {
      test::TypeText(Named(F, "Edit1"), "word labyrinth");
    }) << On<ui::TLabirintForm>([](auto& F) {
      QTest::mouseClick(Named(F, "Button1"), Qt::LeftButton);
    });
    QTest::newRow("jumbled text") << "JumbledUp" << On<ui::TJumbleForm>(Text)
                                  << On<ui::TJumbleForm>(BuildText);
    QTest::newRow("lost letters") << "LostLetters" << On<ui::TLostLettersForm>(Text)
                                  << On<ui::TLostLettersForm>(BuildText);
  }
  void typingNotInThePuzzleIsAskedAboutOnClosing() {
    QFETCH(QString, Game);
    QFETCH(Step, Type);
    QFETCH(Step, Build);
    std::unique_ptr<TGameForm> Form(ui::CreateGameWindow(Game.toStdString(), Answer()));
    Form->show();
    Type(*Form);
    Ui->Answers = {Answer::Cancel};
    QVERIFY(!Form->close());
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    QVERIFY(Ui->Questions[0].Text.find("typed") != std::string::npos);
    QCOMPARE(Ui->Questions[0].Choice, Buttons::OkCancel);
    QVERIFY(Form->isVisible());
    // Built, the text is in the puzzle: only the save question remains.
    Build(*Form);
    Ui->Answers = {Answer::No};
    QVERIFY(Form->close());
    QCOMPARE(Ui->Questions.size(), std::size_t{2});
    QVERIFY(Ui->Questions[1].Text.starts_with("Do you want to save changes"));
  }

  void theFailedBuildChangesNothing_data() {
    QTest::addColumn<QString>("Game");
    QTest::addColumn<Step>("Build");
    QTest::addColumn<Step>("Fail");
    QTest::newRow("word search") << "VornicGame" << On<ui::TVornicForm>([](auto& F) {
      EnterWord(F, "CAT");
    }) << On<ui::TVornicForm>([](auto& F) { EnterWord(F, "ABCDEFGHIJKLMNOPQRSTU"); });
    // The same letter count, so a size is offered; a word listed twice is refused.
    QTest::newRow("word maze") << "WordMaze" << On<ui::TWordMazeForm>([](auto& F) {
      Named<QLineEdit>(F, "edtFrase")->setText("ABC");
      BuildMaze(F, "CAT\nDOG\nEMU\nOWL\nGNU");
    }) << On<ui::TWordMazeForm>([](auto& F) { BuildMaze(F, "CAT\nDOG\nEMU\nOWL\nCAT"); });
    QTest::newRow("word labyrinth") << "WordLabirint" << On<ui::TLabirintForm>([](auto& F) {
      BuildLabyrinth(F, "WORD LABYRINTH");
    }) << On<ui::TLabirintForm>([](auto& F) { BuildLabyrinth(F, QString(151, 'A')); });
    QTest::newRow("jumbled text") << "JumbledUp" << On<ui::TJumbleForm>([](auto& F) {
      BuildText(F, "THE CAT SAT");
    }) << On<ui::TJumbleForm>([](auto& F) { BuildText(F, "DOG 日"); });
    QTest::newRow("lost letters") << "LostLetters" << On<ui::TLostLettersForm>([](auto& F) {
      BuildText(F, "HELLO WORLD");
    }) << On<ui::TLostLettersForm>([](auto& F) { BuildText(F, "DOG 日"); });
  }
  void theFailedBuildChangesNothing() {
    QFETCH(QString, Game);
    QFETCH(Step, Build);
    QFETCH(Step, Fail);
    RandomGenerator::Seed(8);
    std::unique_ptr<TGameForm> Form(ui::CreateGameWindow(Game.toStdString(), Answer()));
    Form->resize(600, 460);
    Form->show();
    Build(*Form);
    QVERIFY(!Form->Game.Words.empty());
    const auto File = *Home / "kept.gm";
    Ui->SaveReplies.push_back(File.string());
    test::FindAction(*Form, "Save1")->trigger();
    const std::string Saved = test::ReadFile(File);
    const std::string Grid = Form->Game.Grid;
    const std::vector<std::string> Words = Form->Game.Words.Items();
    const QImage Shown = Named<ui::TPreviewImage>(*Form, "Image1")->Bitmap().copy();
    const std::size_t Drawn = Form->Game.MetaFile.Operations().size();

    Fail(*Form);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QCOMPARE(Form->Game.Grid, Grid);
    QCOMPARE(Form->Game.Words.Items(), Words);
    QVERIFY(!Form->Game.Modified);
    QCOMPARE(Form->Game.MetaFile.Operations().size(), Drawn);
    QCOMPARE(Named<ui::TPreviewImage>(*Form, "Image1")->Bitmap(), Shown);
    QVERIFY(test::FindAction(*Form, "Save1")->isEnabled());
    // Closing asks only about the refused typing, not to save, and the file keeps its puzzle.
    Ui->Answers = {Answer::Ok};
    QVERIFY(Form->close());
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    QVERIFY(Ui->Questions[0].Text.find("typed") != std::string::npos);
    QCOMPARE(test::ReadFile(File), Saved);
  }
};

QTEST_MAIN(KeepingWorkTest)
#include "KeepingWorkTest.moc"
