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
    Form.NewListButton->click();
    QCOMPARE(Prompts.Messages.size(), Name.isEmpty() ? std::size_t{0} : std::size_t{1});
    QVERIFY(Prompts.LastMessage().contains(Name));
    QCOMPARE(Form.ComboBox1->count(), 1);
    QCOMPARE(Items(Form.wordsListBox), QStringList{"DOG"});
    QVERIFY(!fs::exists(Home->Path() / "Escape.lst"));
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
};

QTEST_MAIN(TListEditFormTest)
#include "TListEditFormTest.moc"
