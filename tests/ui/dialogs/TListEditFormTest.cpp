#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/dialogs/TListEditForm.h"

using namespace vornic;
using ui::TListEditForm;
namespace fs = std::filesystem;

namespace {

QStringList Items(const QListWidget* Box) {
  QStringList Words;
  for (int Row = 0; Row < Box->count(); ++Row) Words << Box->item(Row)->text();
  return Words;
}

void SelectRows(QListWidget* Box, std::initializer_list<int> Rows) {
  Box->clearSelection();
  for (int Row : Rows) Box->item(Row)->setSelected(true);
  Box->setCurrentRow(*Rows.begin(), QItemSelectionModel::NoUpdate);
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

  void anEmptyFolderOffersNothingToAddTo() {
    TListEditForm Form(nullptr, &Prompts);
    QCOMPARE(Form.windowTitle(), QString("WordList Editor"));
    QVERIFY(fs::is_directory(Folder()));  // made when the editor opens
    QCOMPARE(Form.ComboBox1->count(), 0);
    QVERIFY(!Form.AddButton->isEnabled());
    QVERIFY(!Form.DeleteListButton->isEnabled());
    QVERIFY(!Form.RemoveButton->isEnabled());
    QVERIFY(!Form.SpeedButton1->isEnabled() && !Form.SpeedButton2->isEnabled());
    Form.show();
    test::TypeText(Form.Edit1, "cat");
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QVERIFY(Form.isVisible());  // Enter in the word line never closes the editor
    QCOMPARE(Form.wordsListBox->count(), 0);
    QVERIFY(fs::is_empty(Folder()));
  }

  void theWordLineHasARowOfItsOwnAndEveryCaptionShows() {
    TListEditForm Form(nullptr, &Prompts);
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
    // It once shared its row with four buttons and was 12 pixels wide.
    QVERIFY2(Form.Edit1->width() >= 150, qPrintable(QString::number(Form.Edit1->width())));
    QVERIFY(Form.Edit1->geometry().bottom() < Form.AddButton->geometry().top());
    for (QPushButton* Button : {Form.AddButton, Form.RemoveButton, Form.NewListButton,
                                Form.DeleteListButton, Form.OkButton, Form.CancelButton})
      QVERIFY2(Button->width() >= Button->sizeHint().width(), qPrintable(Button->text()));
  }

  void opensWithTheFirstSavedListShown() {
    SaveList("zoo", "LION\r\n");
    SaveList("Animals", "DOG\r\nBIRD\r\n");
    TListEditForm Form(nullptr, &Prompts);
    QCOMPARE(Form.ComboBox1->count(), 2);
    QCOMPARE(Form.ComboBox1->currentText(), QString("Animals"));
    QCOMPARE(Items(Form.wordsListBox), (QStringList{"DOG", "BIRD"}));
    QVERIFY(Form.AddButton->isEnabled() && Form.DeleteListButton->isEnabled());
    Form.ComboBox1->setCurrentIndex(1);
    QCOMPARE(Items(Form.wordsListBox), QStringList{"LION"});
  }

  void addingCatToAnimalsRewritesItsFile() {
    SaveList("Animals", "DOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Form.show();
    test::TypeText(Form.Edit1, "cat");
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QVERIFY(Form.isVisible());
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("DOG\r\nCAT\r\n"));
    QCOMPARE(Items(Form.wordsListBox), (QStringList{"DOG", "CAT"}));
    QVERIFY(Form.Edit1->text().isEmpty());
    // The button does the same; an empty line adds nothing.
    Form.AddButton->click();
    QCOMPARE(Form.wordsListBox->count(), 2);
    Form.Edit1->setText("gnu");
    Form.AddButton->click();
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("DOG\r\nCAT\r\nGNU\r\n"));
    // Escape empties the line and, like Enter, leaves the editor open.
    test::TypeText(Form.Edit1, "yak");
    QTest::keyClick(Form.Edit1, Qt::Key_Escape);
    QVERIFY(Form.Edit1->text().isEmpty() && Form.isVisible());
  }

  void threeSelectedSavedWordsCopiedTwiceAppendSix() {
    SaveList("Animals", "ANT\r\nBEE\r\nCOW\r\nDOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Form.SetUserWords({"YAK"});
    SelectRows(Form.wordsListBox, {3, 0, 2});
    QVERIFY(Form.SpeedButton1->isEnabled());
    Form.SpeedButton1->click();
    Form.SpeedButton1->click();
    QCOMPARE(Items(Form.UserListBox),
             (QStringList{"YAK", "ANT", "COW", "DOG", "ANT", "COW", "DOG"}));
  }

  void removingUserWordsTakesEverySelectedOne() {
    TListEditForm Form(nullptr, &Prompts);
    Form.SetUserWords({"A", "B", "C", "D"});
    QVERIFY(!Form.SpeedButton2->isEnabled());
    SelectRows(Form.UserListBox, {1, 3});
    QVERIFY(Form.SpeedButton2->isEnabled());
    Form.SpeedButton2->click();
    QCOMPARE(Items(Form.UserListBox), (QStringList{"A", "C"}));
    // A double click removes too.
    SelectRows(Form.UserListBox, {0});
    Form.UserListBox->itemDoubleClicked(Form.UserListBox->item(0));
    QCOMPARE(Items(Form.UserListBox), QStringList{"C"});
  }

  void removeTakesOnlyTheCurrentSavedWordAndRewritesTheFile() {
    SaveList("Animals", "ANT\r\nBEE\r\nCOW\r\n");
    TListEditForm Form(nullptr, &Prompts);
    QVERIFY(!Form.RemoveButton->isEnabled());
    SelectRows(Form.wordsListBox, {1, 0, 2});
    QVERIFY(Form.RemoveButton->isEnabled());
    Form.RemoveButton->click();
    QCOMPARE(Items(Form.wordsListBox), (QStringList{"ANT", "COW"}));
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("ANT\r\nCOW\r\n"));
  }

  void aUserListReturnedWithOkKeepsOrderAndDuplicates() {
    SaveList("Animals", "ANT\r\nBEE\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Form.SetUserWords({"B", "A", "B"});
    SelectRows(Form.wordsListBox, {0});
    Form.SpeedButton1->click();
    Form.show();
    Form.OkButton->click();
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QCOMPARE(Form.UserWords(), (QStringList{"B", "A", "B", "ANT"}));
    QCOMPARE(Form.UserWordBytes(), (std::vector<std::string>{"B", "A", "B", "ANT"}));
  }

  void okRefusesAWordThePuzzlesCharsetCannotHold() {
    TListEditForm Form(nullptr, &Prompts);
    Form.SetUserWords({"CAT", "КОТ"});
    Form.SetCharset(0);
    Form.show();
    Form.OkButton->click();
    QVERIFY(Form.isVisible());
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY2(Prompts.LastMessage().contains("К"), qPrintable(Prompts.LastMessage()));
    QCOMPARE(Form.UserListBox->currentRow(), 1);
    Form.SetCharset(204);
    Form.OkButton->click();
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QCOMPARE(Form.UserWordBytes(), (std::vector<std::string>{"CAT", "\xCA\xCE\xD2"}));
  }

  void addUpperCasesByThePuzzlesCharset() {
    SaveList("Words", "");
    TListEditForm Form(nullptr, &Prompts);
    Form.SetCharset(204);
    Form.Edit1->setText("кот");
    Form.AddButton->click();
    QCOMPARE(Items(Form.wordsListBox), QStringList{"КОТ"});
    QCOMPARE(test::ReadFile(ListFile("Words")), std::string("КОТ\r\n"));
  }

  void deletingTheLastSavedListDisablesAddToList() {
    SaveList("Animals", "DOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Prompts.Answers.push_back(Answer::Ok);
    Form.DeleteListButton->click();
    QCOMPARE(Prompts.Questions.size(), std::size_t{1});
    QCOMPARE(Prompts.Questions[0].Title, QString("Please confirm"));
    QCOMPARE(Prompts.Questions[0].Text, QString("Delete WordList \"Animals\"?"));
    QVERIFY(Prompts.Questions[0].Choice == Buttons::OkCancel);
    QVERIFY(Prompts.Questions[0].Kind == Icon::Question);
    QVERIFY(!fs::exists(ListFile("Animals")));
    QCOMPARE(Form.ComboBox1->count(), 0);
    QCOMPARE(Form.wordsListBox->count(), 0);
    QVERIFY(!Form.AddButton->isEnabled());
    QVERIFY(!Form.DeleteListButton->isEnabled());
  }

  void deletingAListAfterConfirmationShowsTheFirstRemainingOne() {
    SaveList("Animals", "DOG\r\n");
    SaveList("Birds", "OWL\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Form.ComboBox1->setCurrentIndex(1);
    Prompts.Answers.push_back(Answer::Cancel);
    Form.DeleteListButton->click();
    QVERIFY(fs::exists(ListFile("Birds")));
    QCOMPARE(Form.ComboBox1->count(), 2);
    Prompts.Answers.push_back(Answer::Ok);
    Form.DeleteListButton->click();
    QCOMPARE(Form.ComboBox1->currentText(), QString("Animals"));
    QCOMPARE(Items(Form.wordsListBox), QStringList{"DOG"});
    QVERIFY(Form.AddButton->isEnabled());
  }

  void newListCreatesAnEmptyFileAndSelectsIt() {
    SaveList("Animals", "DOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Prompts.TextReplies.push_back(QString("Birds"));
    Form.NewListButton->click();
    QCOMPARE(Prompts.TextQuestions.size(), std::size_t{1});
    QCOMPARE(Prompts.TextQuestions[0].Title, QString("New WordList"));
    QCOMPARE(Prompts.TextQuestions[0].Text, QString("Enter name for the new Word list|"));
    QCOMPARE(test::ReadFile(ListFile("Birds")), std::string());
    QVERIFY(fs::exists(ListFile("Birds")));
    QCOMPARE(Form.ComboBox1->currentText(), QString("Birds"));
    QCOMPARE(Form.ComboBox1->count(), 2);
    QCOMPARE(Form.wordsListBox->count(), 0);
    QVERIFY(Form.AddButton->isEnabled() && Form.DeleteListButton->isEnabled());
    Form.Edit1->setText("owl");
    Form.AddButton->click();
    QCOMPARE(test::ReadFile(ListFile("Birds")), std::string("OWL\r\n"));
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("DOG\r\n"));
  }

  void newListWithAnExistingNameOpensItInsteadOfEmptyingIt() {
    SaveList("Animals", "DOG\r\n");
    SaveList("Birds", "OWL\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Form.ComboBox1->setCurrentIndex(1);
    Prompts.TextReplies.push_back(QString("Animals"));
    Form.NewListButton->click();
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("DOG\r\n"));
    QCOMPARE(Form.ComboBox1->count(), 2);
    QCOMPARE(Form.ComboBox1->currentText(), QString("Animals"));
    QCOMPARE(Items(Form.wordsListBox), QStringList{"DOG"});
  }

  void newListRefusesAnEmptyNameOrOneThatWouldLeaveTheFolder_data() {
    QTest::addColumn<QString>("Name");
    QTest::newRow("parent") << "..";
    QTest::newRow("self") << ".";
    QTest::newRow("slash") << "../Escape";
    QTest::newRow("empty") << "";
  }
  void newListRefusesAnEmptyNameOrOneThatWouldLeaveTheFolder() {
    QFETCH(QString, Name);
    SaveList("Animals", "DOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Prompts.TextReplies.push_back(Name);
    Form.NewListButton->click();
    QCOMPARE(Prompts.Messages.size(), Name.isEmpty() ? std::size_t{0} : std::size_t{1});
    QVERIFY(Prompts.LastMessage().contains(Name));
    QCOMPARE(Form.ComboBox1->count(), 1);
    QCOMPARE(Items(Form.wordsListBox), QStringList{"DOG"});
    QVERIFY(!fs::exists(Home->Path() / "Escape.lst"));
    QVERIFY(!fs::exists(Home->Path() / "WordLists.lst"));
    QVERIFY(!fs::exists(Folder() / "..lst"));
  }

  void aListThatCannotBeCreatedIsReportedAndTheSelectedListStaysShown() {
    SaveList("Animals", "DOG\r\n");
    TListEditForm Form(nullptr, &Prompts);
    Prompts.TextReplies.push_back(QString(300, QLatin1Char('x')));
    Form.NewListButton->click();
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY2(Prompts.LastMessage().startsWith("Cannot create file"),
             qPrintable(Prompts.LastMessage()));
    QCOMPARE(Form.ComboBox1->count(), 1);
    QCOMPARE(Form.ComboBox1->currentText(), QString("Animals"));
    QCOMPARE(Items(Form.wordsListBox), QStringList{"DOG"});
    // The next word still goes to the list that is shown, with its words.
    Form.Edit1->setText("cat");
    Form.AddButton->click();
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("DOG\r\nCAT\r\n"));
  }

  void aFolderThatCannotBeWrittenIsReportedOnWriting() {
    // A file in the folder's place: it cannot be made or written, even by the superuser.
    test::WriteFile(Folder(), "not a folder");
    TListEditForm Form(nullptr, &Prompts);
    QVERIFY(Prompts.Messages.empty());  // opening says nothing: there are just no lists
    QCOMPARE(Form.ComboBox1->count(), 0);
    Prompts.TextReplies.push_back(QString("Animals"));
    Form.NewListButton->click();
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY(Prompts.LastMessage().startsWith("Cannot create file"));
    QVERIFY(Prompts.Messages[0].Kind == Icon::Error);
    QCOMPARE(Form.ComboBox1->count(), 0);
    QVERIFY(!Form.AddButton->isEnabled());
    QCOMPARE(test::ReadFile(Folder()), std::string("not a folder"));
  }

  void aListThatCannotBeReadIsReportedAndNotWrittenOver() {
    SaveList("Animals", "DOG\r\n");
    // After the editor opened, the list's file turned into something that cannot be read.
    TListEditForm Form(nullptr, &Prompts);
    fs::remove(ListFile("Animals"));
    fs::create_directory(ListFile("Animals"));
    Form.ComboBox1->setCurrentIndex(-1);
    Form.ComboBox1->setCurrentIndex(0);
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QCOMPARE(Form.wordsListBox->count(), 0);
    QVERIFY(!Form.AddButton->isEnabled());
    Form.Edit1->setText("cat");
    Form.AddButton->click();
    QVERIFY(fs::is_directory(ListFile("Animals")));
  }

  void aListFromAnOlderInstallationReadsAsWindows1252() {
    SaveList("Old", "CAF\xC9\r\nNA\xCFVE\r\n");
    TListEditForm Form(nullptr, &Prompts);
    QCOMPARE(Items(Form.wordsListBox), (QStringList{"CAFÉ", "NAÏVE"}));
    Form.Edit1->setText("été");
    Form.AddButton->click();
    // Rewritten whole, in UTF-8.
    QCOMPARE(test::ReadFile(ListFile("Old")), std::string("CAFÉ\r\nNAÏVE\r\nÉTÉ\r\n"));
  }

  void cancelKeepsWhatWasWrittenToTheSavedLists() {
    SaveList("Animals", "");
    TListEditForm Form(nullptr, &Prompts);
    test::ModalAnswer User([](QWidget* Window) {
      auto* Editor = qobject_cast<TListEditForm*>(Window);
      QVERIFY(Editor);
      test::TypeText(Editor->Edit1, "cat");
      QTest::keyClick(Editor->Edit1, Qt::Key_Enter);
      QTest::mouseClick(Editor->CancelButton, Qt::LeftButton);
    });
    QCOMPARE(Form.exec(), int(QDialog::Rejected));
    QVERIFY(User.Done());
    QCOMPARE(test::ReadFile(ListFile("Animals")), std::string("CAT\r\n"));
  }
};

QTEST_MAIN(TListEditFormTest)
#include "TListEditFormTest.moc"
