#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/Typing.h"
#include "ui/dialogs/TLangForm.h"

using namespace vornic;
using ui::TLangForm;

class TLangFormTest : public QObject {
  Q_OBJECT

  test::ScriptedPrompts Prompts;

 private slots:
  void init() { Prompts = test::ScriptedPrompts(); }
  void cleanup() {
    QCOMPARE(Prompts.Unscripted, 0);
    QVERIFY(test::NoWindowLeft());
  }

  void okWithBothLinesClosesWithOk() {
    TLangForm Form(nullptr, &Prompts);
    test::ModalAnswer Typist([](QWidget* Window) {
      auto* Lang = qobject_cast<TLangForm*>(Window);
      QVERIFY(Lang);
      test::TypeText(Lang->Edit1, " Polski ");
      test::TypeText(Lang->Edit2, "ąę ");
      QTest::keyClick(Lang->Edit2, Qt::Key_Return);  // Enter is the default button
    });
    QCOMPARE(Form.exec(), int(QDialog::Accepted));
    QVERIFY(Typist.Done());
    QCOMPARE(Form.SetName(), QString("Polski"));
    QCOMPARE(Form.Characters(), QString("ąę "));
  }

  void aNameTheSettingsFileCannotHoldIsRefusedWithAMessage_data() {
    QTest::addColumn<QString>("Name");
    QTest::newRow("blank") << "   ";
    QTest::newRow("equals sign") << "a=b";
    QTest::newRow("brackets") << "[x]";
  }
  void aNameTheSettingsFileCannotHoldIsRefusedWithAMessage() {
    QFETCH(QString, Name);
    TLangForm Form(nullptr, &Prompts);
    Form.show();
    test::TypeText(Form.Edit1, Name);
    test::TypeText(Form.Edit2, "xyz");
    Form.Button1->click();
    QVERIFY(Form.isVisible());
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY(!Prompts.LastMessage().isEmpty());
  }
};

QTEST_MAIN(TLangFormTest)
#include "TLangFormTest.moc"
