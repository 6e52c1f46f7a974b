#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "support/ModalAnswer.h"
#include "ui/dialogs/DialogPrompts.h"

using namespace vornic;

// The real boxes behind the dialogs' questions: titles, texts, buttons and icons as asked, and
// the button pressed comes back as the answer.
class StandardDialogPromptsTest : public QObject {
  Q_OBJECT

  ui::DialogPrompts& Prompts = ui::DialogPrompts::Standard();

 private slots:
  void cleanup() { QVERIFY(test::NoWindowLeft()); }

  void aConfirmationShowsOkCancelWithTheQuestionIcon() {
    for (const auto& [Button, Expected] :
         {std::pair{QMessageBox::Ok, Answer::Ok}, std::pair{QMessageBox::Cancel, Answer::Cancel}}) {
      QMessageBox::StandardButtons Offered;
      QString Title, Text;
      QMessageBox::Icon Kind = QMessageBox::NoIcon;
      test::ModalAnswer User([&, Pressed = Button](QWidget* Window) {
        auto* Box = qobject_cast<QMessageBox*>(Window);
        QVERIFY(Box);
        Offered = Box->standardButtons();
        Title = Box->windowTitle();
        Text = Box->text();
        Kind = Box->icon();
        Box->button(Pressed)->click();
      });
      const Answer Reply = Prompts.Ask(nullptr, "Please confirm", "Delete WordList \"A\"?",
                                       Buttons::OkCancel, Icon::Question);
      QVERIFY(User.Done());
      QVERIFY(Reply == Expected);
      QCOMPARE(Offered, QMessageBox::Ok | QMessageBox::Cancel);
      QCOMPARE(Title, QString("Please confirm"));
      QCOMPARE(Text, QString("Delete WordList \"A\"?"));
      QCOMPARE(Kind, QMessageBox::Question);
    }
  }
};

QTEST_MAIN(StandardDialogPromptsTest)
#include "StandardDialogPromptsTest.moc"
