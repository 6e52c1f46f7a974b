#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "base/RandomGenerator.h"
#include "document/ListLanguage.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/dialogs/TListEditForm.h"

using namespace vornic;
using test::Child;
using ui::TListEditForm;
namespace fs = std::filesystem;

namespace {

QStringList Items(const QListWidget* Box) {
  QStringList Words;
  for (int Row = 0; Row < Box->count(); ++Row) Words << Box->item(Row)->text();
  return Words;
}

QStringList SavedNames(const QComboBox* Box) {
  QStringList Names;
  for (int Row = 0; Row < Box->count(); ++Row)
    if (!Box->itemText(Row).endsWith("built in)")) Names << Box->itemText(Row);
  return Names;
}

// The first list whose entry holds Text: "(Greek" finds the first Greek list.
int IndexOf(const QComboBox* Box, const QString& Text) {
  for (int Row = 0; Row < Box->count(); ++Row)
    if (Box->itemText(Row).contains(Text)) return Row;
  return -1;
}

}  // namespace

class TListEditFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;
  test::ScriptedPrompts Prompts;

  fs::path Folder() const { return Home->Path() / "WordLists"; }
  fs::path ListFile(const std::string& Name) const { return Folder() / (Name + ".lst"); }
  void SaveList(const std::string& Name, const std::string& Bytes) {
    fs::create_directories(Folder());
    test::WriteFile(ListFile(Name), Bytes);
  }

 private slots:
  void init() {
    Home = std::make_unique<test::TempHome>();
    Prompts = test::ScriptedPrompts();
  }
  void cleanup() {
    QCOMPARE(Prompts.Unscripted, 0);
    Home.reset();
    QVERIFY(test::NoWindowLeft());
  }

  void okRefusesAWordThePuzzlesCharsetCannotHold() {
    TListEditForm Form(nullptr, &Prompts);
    Form.SetUserWords({"CAT", "КОТ"});
    Form.SetCharset(0);
    Form.show();
    Child<QPushButton>(Form, "OkButton")->click();
    QVERIFY(Form.isVisible());
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY2(Prompts.LastMessage().contains("К"), qPrintable(Prompts.LastMessage()));
    QCOMPARE(Child<QListWidget>(Form, "UserListBox")->currentRow(), 1);
    Form.SetCharset(204);
    Child<QPushButton>(Form, "OkButton")->click();
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QCOMPARE(Form.UserWordBytes(), (std::vector<std::string>{"CAT", "\xCA\xCE\xD2"}));
  }

  void newListRefusesAnEmptyNameOrOneThatWouldLeaveTheFolder_data() {
    QTest::addColumn<QString>("Name");
    QTest::newRow("parent") << "../Escape";  // the store's own test takes the other names
    QTest::newRow("empty") << "";
  }
  void newListRefusesAnEmptyNameOrOneThatWouldLeaveTheFolder() {
    QFETCH(QString, Name);
    SaveList("Animals", "DOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Prompts.TextReplies.push_back(Name);
    Child<QPushButton>(Form, "NewListButton")->click();
    QCOMPARE(Prompts.Messages.size(), Name.isEmpty() ? std::size_t{0} : std::size_t{1});
    QVERIFY(Prompts.LastMessage().contains(Name));
    QCOMPARE(SavedNames(Child<QComboBox>(Form, "ComboBox1")), QStringList{"Animals"});
    QCOMPARE(Items(Child<QListWidget>(Form, "wordsListBox")), QStringList{"DOG"});
    QVERIFY(!fs::exists(Home->Path() / "Escape.lst"));
  }

  void aListThatCannotBeCreatedIsReportedAndTheSelectedListStaysShown() {
    SaveList("Animals", "DOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Prompts.TextReplies.push_back(QString(300, QLatin1Char('x')));
    Child<QPushButton>(Form, "NewListButton")->click();
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY2(Prompts.LastMessage().startsWith("Cannot create file"),
             qPrintable(Prompts.LastMessage()));
    QCOMPARE(SavedNames(Child<QComboBox>(Form, "ComboBox1")), QStringList{"Animals"});
    QCOMPARE(Child<QComboBox>(Form, "ComboBox1")->currentText(), QString("Animals"));
    QCOMPARE(Items(Child<QListWidget>(Form, "wordsListBox")), QStringList{"DOG"});
    // The next word still goes to the list that is shown, with its words.
    Child<QLineEdit>(Form, "Edit1")->setText("cat");
    Child<QPushButton>(Form, "AddButton")->click();
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("DOG\r\nCAT\r\n"));
  }

  void aListThatCannotBeReadIsReportedAndNotWrittenOver() {
    SaveList("Animals", "DOG\r\n");
    // After the editor opened, the list's file turned into something that cannot be read.
    TListEditForm Form(nullptr, &Prompts);
    fs::remove(ListFile("Animals"));
    fs::create_directory(ListFile("Animals"));
    Child<QComboBox>(Form, "ComboBox1")->setCurrentIndex(-1);
    Child<QComboBox>(Form, "ComboBox1")->setCurrentIndex(0);
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QCOMPARE(Child<QListWidget>(Form, "wordsListBox")->count(), 0);
    QVERIFY(!Child<QPushButton>(Form, "AddButton")->isEnabled());
    Child<QLineEdit>(Form, "Edit1")->setText("cat");
    Child<QPushButton>(Form, "AddButton")->click();
    QVERIFY(fs::is_directory(ListFile("Animals")));
  }

  // The program's lists cannot be changed or deleted; picking draws distinct words that fit and
  // repeat no word of the user list; a list of another script brings its code page, unless words
  // of the user list cannot be written in it.
  void theProgramsListsAreReadOnlyAndPickDrawsDistinctFittingWords() {
    TListEditForm Form(nullptr, &Prompts);
    Form.SetUserWords({"CAT"});
    Form.SetCharset(1);
    Form.SetMaxLength(5);
    Child<QComboBox>(Form, "ComboBox1")
        ->setCurrentIndex(
            IndexOf(Child<QComboBox>(Form, "ComboBox1"), "Animals (English, built in)"));
    Child<QListWidget>(Form, "wordsListBox")->setCurrentRow(0);
    QVERIFY(Child<QToolButton>(Form, "SpeedButton1")->isEnabled() &&
            !Child<QPushButton>(Form, "RemoveButton")->isEnabled());
    QVERIFY(!Child<QPushButton>(Form, "AddButton")->isEnabled() &&
            !Child<QPushButton>(Form, "DeleteListButton")->isEnabled() &&
            !Child<QLineEdit>(Form, "Edit1")->isEnabled());
    Child<QSpinBox>(Form, "PickSpinEdit")->setValue(6);
    RandomGenerator::Seed(3);
    Child<QPushButton>(Form, "PickButton")->click();
    QStringList Words = Form.UserWords();
    QCOMPARE(Words.size(), 7);
    QCOMPARE(QSet<QString>(Words.begin(), Words.end()).size(), 7);
    for (const QString& Word : Words)
      QVERIFY2(Word.size() <= 5 && Word == Word.toUpper() && Word != "TAC", qPrintable(Word));

    Child<QComboBox>(Form, "ComboBox1")
        ->setCurrentIndex(IndexOf(Child<QComboBox>(Form, "ComboBox1"), "(Russian"));
    Child<QPushButton>(Form, "PickButton")->click();
    QCOMPARE(Form.CurrentCharset(), 204);
    QVERIFY(Form.ChosenLanguage()->Code == "ru");
    Words = Form.UserWords();
    QCOMPARE(Words.size(), 13);
    Child<QComboBox>(Form, "ComboBox1")
        ->setCurrentIndex(IndexOf(Child<QComboBox>(Form, "ComboBox1"), "(Greek"));
    Child<QPushButton>(Form, "PickButton")->click();
    QVERIFY2(Prompts.LastMessage().contains("1253"), qPrintable(Prompts.LastMessage()));
    QCOMPARE(Form.UserWords(), Words);

    // "New list" with the shown list's name: an editable copy of its own, which comes first.
    Child<QComboBox>(Form, "ComboBox1")
        ->setCurrentIndex(
            IndexOf(Child<QComboBox>(Form, "ComboBox1"), "Animals (English, built in)"));
    Prompts.TextReplies.push_back("animals");
    Child<QPushButton>(Form, "NewListButton")->click();
    QCOMPARE(SavedNames(Child<QComboBox>(Form, "ComboBox1")), QStringList{"animals"});
    QVERIFY(Child<QPushButton>(Form, "AddButton")->isEnabled() &&
            Child<QListWidget>(Form, "wordsListBox")->item(0)->text() == "CAT");
  }

  void theWordLineHasARowOfItsOwnAndEveryCaptionShows() {
    TListEditForm Form(nullptr, &Prompts);
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
    // It once shared its row with four buttons and was 12 pixels wide.
    QVERIFY2(Child<QLineEdit>(Form, "Edit1")->width() >= 150,
             qPrintable(QString::number(Child<QLineEdit>(Form, "Edit1")->width())));
    QVERIFY(Child<QLineEdit>(Form, "Edit1")->geometry().bottom() <
            Child<QPushButton>(Form, "AddButton")->geometry().top());
    for (QPushButton* Button :
         {Child<QPushButton>(Form, "AddButton"), Child<QPushButton>(Form, "RemoveButton"),
          Child<QPushButton>(Form, "NewListButton"), Child<QPushButton>(Form, "DeleteListButton"),
          Child<QPushButton>(Form, "OkButton"), Child<QPushButton>(Form, "CancelButton")})
      QVERIFY2(Button->width() >= Button->sizeHint().width(), qPrintable(Button->text()));
  }
};

QTEST_MAIN(TListEditFormTest)
#include "TListEditFormTest.moc"
