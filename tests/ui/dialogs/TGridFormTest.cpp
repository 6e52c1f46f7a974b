#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "base/EmptyChar.h"
#include "document/SettingsFile.h"
#include "document/TVornicGame.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/dialogs/ColorComboBox.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/dialogs/TLangForm.h"

using namespace vornic;
using test::Child;
using ui::TGridForm;

namespace {

const std::string Sets =
    "[Languages]\r\nEnglish=qwertyuiopasdfghjklzxcvbnm\r\nDeutsch=abcäöü\r\nFrancais=éèà\r\n";

void TypeInto(QAbstractSpinBox* Box, const QString& Text) {
  Box->selectAll();
  QTest::keyClick(Box, Qt::Key_Delete);
  QTest::keyClicks(Box, Text);
}

}  // namespace

class TGridFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;
  std::unique_ptr<TVornicGame> Game;
  test::ScriptedPrompts Prompts;

  SettingsFile Settings() const { return SettingsFile(Home->SettingsFile()); }
  // A 15 x 10 word search document with a word in its grid.
  void MakeGame() {
    Game = std::make_unique<TVornicGame>();
    Game->Init("VornicGame", nullptr);
    Game->SetSize(15, 10);
    QVERIFY(Game->New());
    Game->SetCell(1, 1, 'C');
    Game->SetCell(2, 1, 'A');
    Game->SetCell(3, 1, 'T');
    Game->AddWord("CAT", PathBytes(1, 1) + PathBytes(2, 1) + PathBytes(3, 1));
    Game->Modified = false;
  }

 private slots:
  void init() {
    Home = std::make_unique<test::TempHome>();
    test::WriteFile(Home->SettingsFile(), Sets);
    Prompts = test::ScriptedPrompts();
    MakeGame();
  }
  void cleanup() {
    QCOMPARE(Prompts.Unscripted, 0);
    Game.reset();
    Home.reset();
    QVERIFY(test::NoWindowLeft());
  }

  void typedSizesAreBroughtIntoRange_data() {
    QTest::addColumn<QString>("Typed");
    QTest::addColumn<int>("RowsMinimum");
    QTest::addColumn<int>("Stored");
    QTest::newRow("above the maximum") << "99" << 3 << 50;
    QTest::newRow("no number") << "abc" << 3 << 3;
    QTest::newRow("lowered minimum") << "1" << 2 << 2;
    QTest::newRow("no number, lowered minimum") << "x" << 2 << 2;
  }
  void typedSizesAreBroughtIntoRange() {
    QFETCH(QString, Typed);
    QFETCH(int, RowsMinimum);
    QFETCH(int, Stored);
    TGridForm Form(nullptr, &Prompts);
    Child<ui::SpinEdit>(Form, "SpinEdit1")->setMinimum(RowsMinimum);
    Form.SetProps(Game->Settings);
    Form.show();
    TypeInto(Child<ui::SpinEdit>(Form, "SpinEdit2"), Typed);
    TypeInto(Child<ui::SpinEdit>(Form, "SpinEdit1"), Typed);
    // Enter in a size field confirms the dialog, as the default button does.
    QTest::keyClick(Child<ui::SpinEdit>(Form, "SpinEdit1"), Qt::Key_Return);
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(int(Game->Settings.Cols), std::max(Stored, 3));
    QCOMPARE(int(Game->Settings.Rows), Stored);
  }

  void aHiddenSizeKeepsASizeOutsideTheRangeAndItsGrid() {
    // A jumble of 60 columns and 2 rows, as its builder makes it.
    Game->SetSize(60, 2);
    Game->ClearGrid();
    Game->SetCell(60, 2, 'Z');
    const std::string Grid = Game->Grid;
    TGridForm Form(nullptr, &Prompts);
    Child<QGroupBox>(Form, "LanguageGroup")->hide();
    Child<QGroupBox>(Form, "SizeGroup")->hide();
    Form.SetProps(Game->Settings);
    Child<ui::ColorComboBox>(Form, "ColorComboBox2")->setCurrentIndex(11);  // Yellow
    Child<QCheckBox>(Form, "CheckBox3")->setChecked(true);
    QVERIFY(!Game->ApplySettings(Form.GetProps(Game->Settings)));
    QCOMPARE(int(Game->Settings.Cols), 60);
    QCOMPARE(int(Game->Settings.Rows), 2);
    QCOMPARE(Game->Grid, Grid);
    QCOMPARE(Game->Settings.BackColor, std::uint32_t{0x00FFFF});
    QCOMPARE(int(Game->Settings.Bold), 1);
  }

  void aColourOutsideTheSixteenIsShownByNumberAndKept() {
    Game->Settings.LineColor = 0x123456;
    Game->Settings.MarkBackColor = 0x80000005;  // a system colour from an older file
    Game->Settings.FontColor = 0x0000FF;
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);
    QCOMPARE(Child<ui::ColorComboBox>(Form, "ColorComboBox1")->currentText(),
             QString("0x00123456"));
    QCOMPARE(Child<ui::ColorComboBox>(Form, "ColorComboBox6")->currentText(),
             QString("0x80000005"));
    QCOMPARE(Child<ui::ColorComboBox>(Form, "ColorComboBox3")->currentText(), QString("Red"));
    QCOMPARE(Child<ui::ColorComboBox>(Form, "ColorComboBox3")->count(), 16);
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(Game->Settings.LineColor, std::uint32_t{0x123456});
    QCOMPARE(Game->Settings.MarkBackColor, std::uint32_t{0x80000005});
    // A second, different value replaces the kept one instead of piling up.
    Child<ui::ColorComboBox>(Form, "ColorComboBox1")->SetColor(0x654321);
    Child<ui::ColorComboBox>(Form, "ColorComboBox1")->SetColor(0x0000FF);
    QCOMPARE(Child<ui::ColorComboBox>(Form, "ColorComboBox1")->count(), 16);
    QCOMPARE(Child<ui::ColorComboBox>(Form, "ColorComboBox1")->Color(), std::uint32_t{0x0000FF});
  }

  void aSettingsFileThatCannotBeUsedReportsTheFailure() {
    // A folder in the settings file's place can be neither read nor replaced.
    std::filesystem::remove(Home->SettingsFile());
    std::filesystem::create_directory(Home->SettingsFile());
    TGridForm Form(nullptr, &Prompts);
    test::ModalAnswer Typist([](QWidget* Window) {
      auto* Lang = qobject_cast<ui::TLangForm*>(Window);
      QVERIFY(Lang);
      test::TypeText(Child<QLineEdit>(*Lang, "Edit1"), "Polski");
      test::TypeText(Child<QLineEdit>(*Lang, "Edit2"), "ąę");
      Child<QPushButton>(*Lang, "Button1")->click();
    });
    Child<QPushButton>(Form, "SpeedButton4")->click();
    QVERIFY(Typist.Done());
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY2(Prompts.LastMessage().contains("It is a folder."), qPrintable(Prompts.LastMessage()));
    QVERIFY(Prompts.Messages[0].Kind == Icon::Error);
    QCOMPARE(Child<QComboBox>(Form, "Combo1")->count(),
             1);  // the program's own set only: "Polski" was not added
    QCOMPARE(Child<QComboBox>(Form, "Combo1")->itemText(0), QStringLiteral("English"));
    QVERIFY(std::filesystem::is_directory(Home->SettingsFile()));
  }

  void aNameTheCharsetCannotWriteIsRefusedUntilTheCharsetCan() {
    test::WriteFile(Home->SettingsFile(), "[Languages]\nEnglish=qwerty\nРусский=абв\n");
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);  // ANSI
    Child<QComboBox>(Form, "Combo1")->setCurrentIndex(1);
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY(Prompts.LastMessage().contains("Русский"));
    QCOMPARE(Child<QComboBox>(Form, "Combo1")->currentText(), QString("English"));
    Child<QComboBox>(Form, "Combo2")->setCurrentText("Cyrillic");
    Child<QComboBox>(Form, "Combo1")->setCurrentIndex(1);
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    // Back to ANSI with the Cyrillic name chosen: Ok refuses and the dialog stays open.
    Child<QComboBox>(Form, "Combo2")->setCurrentText("ANSI");
    Form.show();
    Child<QPushButton>(Form, "OkButton")->click();
    QCOMPARE(Prompts.Messages.size(), std::size_t{2});
    QVERIFY(Form.isVisible());
    Child<QComboBox>(Form, "Combo2")->setCurrentText("Cyrillic");
    Child<QPushButton>(Form, "OkButton")->click();
    QVERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(int(Game->Settings.Charset), 204);
    QCOMPARE(Game->Settings.LanguageName(), std::string("\xD0\xF3\xF1\xF1\xEA\xE8\xE9"));
    QCOMPARE(Game->Letters, std::string("\xC0\xC1\xC2"));  // АБВ in Windows-1251
  }

  void theLanguageDialogTakesBothLinesOnEnter() {
    ui::TLangForm Form(nullptr, &Prompts);
    test::ModalAnswer Typist([](QWidget* Window) {
      auto* Lang = qobject_cast<ui::TLangForm*>(Window);
      QVERIFY(Lang);
      test::TypeText(Child<QLineEdit>(*Lang, "Edit1"), " Polski ");
      test::TypeText(Child<QLineEdit>(*Lang, "Edit2"), "ąę ");
      QTest::keyClick(Child<QLineEdit>(*Lang, "Edit2"),
                      Qt::Key_Return);  // Enter is the default button
    });
    QCOMPARE(Form.exec(), int(QDialog::Accepted));
    QVERIFY(Typist.Done());
    QCOMPARE(Form.SetName(), QString("Polski"));
    QCOMPARE(Form.Characters(), QString("ąę "));
  }
};

QTEST_MAIN(TGridFormTest)
#include "TGridFormTest.moc"
