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
};

QTEST_MAIN(TLangFormTest)
#include "TLangFormTest.moc"
