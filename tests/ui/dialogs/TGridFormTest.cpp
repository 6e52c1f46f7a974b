#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "base/EmptyChar.h"
#include "document/SettingsFile.h"
#include "document/TVornicGame.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/dialogs/ColorComboBox.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/dialogs/TLangForm.h"

using namespace vornic;
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

  void okWithoutChangesMarksModifiedAndKeepsEverything() {
    const TGridSettings Before = Game->Settings;
    const std::string Grid = Game->Grid;
    TGridForm Form(nullptr, &Prompts);
    Form.CellsGroup->hide();
    Form.SetProps(Game->Settings);
    Form.show();
    QTest::mouseClick(Form.OkButton, Qt::LeftButton);
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QVERIFY(!Game->ApplySettings(Form.GetProps(Game->Settings)));
    QVERIFY(Game->Modified);
    QVERIFY(Game->Settings == Before);
    QCOMPARE(Game->Grid, Grid);
    QCOMPARE(Game->Words.size(), std::size_t{1});
    QCOMPARE(Game->Letters, std::string("QWERTYUIOPASDFGHJKLZXCVBNM"));
  }

  void changingRowsClearsTheGridAndReportsTheNewSize() {
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);
    TypeInto(Form.SpinEdit1, "12");
    QVERIFY(Game->ApplySettings(Form.GetProps(Game->Settings)));
    QCOMPARE(int(Game->Settings.Cols), 15);
    QCOMPARE(int(Game->Settings.Rows), 12);
    QCOMPARE(Game->Grid, std::string(15 * 12, EmptyChar));
    QVERIFY(Game->Words.empty());
    QCOMPARE(Game->MetaFile.Height(), 12 * 16 + 5);
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
    Form.SpinEdit1->setMinimum(RowsMinimum);
    Form.SetProps(Game->Settings);
    Form.show();
    TypeInto(Form.SpinEdit2, Typed);
    TypeInto(Form.SpinEdit1, Typed);
    // Enter in a size field confirms the dialog, as the default button does.
    QTest::keyClick(Form.SpinEdit1, Qt::Key_Return);
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
    Form.LanguageGroup->hide();
    Form.SizeGroup->hide();
    Form.SetProps(Game->Settings);
    Form.ColorComboBox2->setCurrentIndex(11);  // Yellow
    Form.CheckBox3->setChecked(true);
    QVERIFY(!Game->ApplySettings(Form.GetProps(Game->Settings)));
    QCOMPARE(int(Game->Settings.Cols), 60);
    QCOMPARE(int(Game->Settings.Rows), 2);
    QCOMPARE(Game->Grid, Grid);
    QCOMPARE(Game->Settings.BackColor, std::uint32_t{0x00FFFF});
    QCOMPARE(int(Game->Settings.Bold), 1);
  }

  void theWordMazeDialogShowsOnlyColourAndFontAndFitsThem() {
    TGridForm Full(nullptr, &Prompts);
    Full.SetProps(Game->Settings);
    Full.show();
    TGridForm Form(nullptr, &Prompts);
    Form.SizeGroup->hide();
    Form.CellsGroup->hide();
    Form.LanguageGroup->hide();
    Form.SetProps(Game->Settings);
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
    QVERIFY(Form.ColorGroup->isVisible() && Form.FontGroup->isVisible());
    QVERIFY(!Form.SizeGroup->isVisible() && !Form.CellsGroup->isVisible() &&
            !Form.LanguageGroup->isVisible());
    const int Spacing = Form.layout()->spacing();
    const QMargins Margins = Form.layout()->contentsMargins();
    QCOMPARE(Form.ColorGroup->geometry().top(), Margins.top());
    QCOMPARE(Form.FontGroup->geometry().top(), Form.ColorGroup->geometry().bottom() + 1 + Spacing);
    QCOMPARE(Form.ButtonPanel->geometry().top(), Form.FontGroup->geometry().bottom() + 1 + Spacing);
    QCOMPARE(Form.height(), Form.ButtonPanel->geometry().bottom() + 1 + Margins.bottom());
    QVERIFY(Form.height() < Full.height());
  }

  void aColourOutsideTheSixteenIsShownByNumberAndKept() {
    Game->Settings.LineColor = 0x123456;
    Game->Settings.MarkBackColor = 0x80000005;  // a system colour from an older file
    Game->Settings.FontColor = 0x0000FF;
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);
    QCOMPARE(Form.ColorComboBox1->currentText(), QString("0x00123456"));
    QCOMPARE(Form.ColorComboBox6->currentText(), QString("0x80000005"));
    QCOMPARE(Form.ColorComboBox3->currentText(), QString("Red"));
    QCOMPARE(Form.ColorComboBox3->count(), 16);
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(Game->Settings.LineColor, std::uint32_t{0x123456});
    QCOMPARE(Game->Settings.MarkBackColor, std::uint32_t{0x80000005});
    // A second, different value replaces the kept one instead of piling up.
    Form.ColorComboBox1->SetColor(0x654321);
    Form.ColorComboBox1->SetColor(0x0000FF);
    QCOMPARE(Form.ColorComboBox1->count(), 16);
    QCOMPARE(Form.ColorComboBox1->Color(), std::uint32_t{0x0000FF});
  }

  void theCharsetListMapsCodesBothWays() {
    TGridForm Form(nullptr, &Prompts);
    QCOMPARE(Form.Combo2->count(), 17);
    Game->Settings.Charset = 204;
    Form.SetProps(Game->Settings);
    QCOMPARE(Form.Combo2->currentText(), QString("Cyrillic"));
    Game->Settings.Charset = 2;  // not offered: shown as ANSI, stored back as ANSI
    Form.SetProps(Game->Settings);
    QCOMPARE(Form.Combo2->currentText(), QString("ANSI"));
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(int(Game->Settings.Charset), 0);
    Form.Combo2->setCurrentIndex(-1);
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(int(Game->Settings.Charset), 1);
  }

  void theCharacterSetsAreListedInFileOrderAndTheDocumentsIsSelected() {
    QVERIFY(Game->Settings.SetLanguageName("deutsch"));  // names compare without regard to case
    TGridForm Form(nullptr, &Prompts);
    QCOMPARE(Form.Combo1->count(), 3);
    QCOMPARE(Form.Combo1->itemText(0), QString("English"));
    QCOMPARE(Form.Combo1->itemText(2), QString("Francais"));
    QCOMPARE(Form.Combo1->currentIndex(), -1);
    Form.SetProps(Game->Settings);
    QCOMPARE(Form.Combo1->currentText(), QString("Deutsch"));
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(Game->Settings.LanguageName(), std::string("Deutsch"));
    QCOMPARE(Game->Letters, std::string("ABC\xC4\xD6\xDC"));  // upper-cased, Windows-1252
  }

  void aLanguageNotListedSelectsNothingAndOkStoresAnEmptyName() {
    QVERIFY(Game->Settings.SetLanguageName("Klingon"));
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);
    QCOMPARE(Form.Combo1->currentIndex(), -1);
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(Game->Settings.LanguageName(), std::string());
    QCOMPARE(Game->Letters, std::string("?"));
  }

  void deletingTheSetInUseThenOkGivesTheFirstRemainingSet() {
    QVERIFY(Game->Settings.SetLanguageName("Deutsch"));
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);
    Prompts.Answers.push_back(Answer::Ok);
    Form.SpeedButton2->click();
    QCOMPARE(Prompts.Questions.size(), std::size_t{1});
    QCOMPARE(Prompts.Questions[0].Title, QString("Please confirm"));
    QCOMPARE(Prompts.Questions[0].Text, QString("Delete Character set \"Deutsch\"?"));
    QVERIFY(Prompts.Questions[0].Choice == Buttons::OkCancel);
    QVERIFY(Prompts.Questions[0].Kind == Icon::Question);
    // The file changed at once; the document keeps its name until OK.
    QCOMPARE(Settings().ListCharsets(), (std::vector<std::string>{"English", "Francais"}));
    QCOMPARE(Game->Settings.LanguageName(), std::string("Deutsch"));
    QCOMPARE(Form.Combo1->count(), 2);
    QCOMPARE(Form.Combo1->currentText(), QString("English"));
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(Game->Settings.LanguageName(), std::string("English"));
    QCOMPARE(Game->Letters, std::string("QWERTYUIOPASDFGHJKLZXCVBNM"));
  }

  void deleteDoesNothingWhenCancelledOrWithoutSelection() {
    TGridForm Form(nullptr, &Prompts);
    Form.SpeedButton2->click();  // nothing selected: no question
    QVERIFY(Prompts.Questions.empty());
    Form.Combo1->setCurrentIndex(1);
    Prompts.Answers.push_back(Answer::Cancel);
    Form.SpeedButton2->click();
    QCOMPARE(Prompts.Questions.size(), std::size_t{1});
    QCOMPARE(Settings().ListCharsets().size(), std::size_t{3});
    QCOMPARE(Form.Combo1->count(), 3);
    QCOMPARE(Form.Combo1->currentText(), QString("Deutsch"));
  }

  void createStoresTheNewSetAtOnceAndListsItUnselected() {
    QVERIFY(Game->Settings.SetLanguageName("Deutsch"));
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);
    test::ModalAnswer Typist([](QWidget* Window) {
      auto* Lang = qobject_cast<ui::TLangForm*>(Window);
      QVERIFY(Lang);
      QCOMPARE(Lang->windowTitle(), QString("New Character set"));
      test::TypeText(Lang->Edit1, "Polski");
      test::TypeText(Lang->Edit2, "ąęłóż");
      Lang->Button1->click();
    });
    Form.SpeedButton4->click();
    QVERIFY(Typist.Done());
    QCOMPARE(Settings().ReadCharset("Polski", ""), std::string("ąęłóż"));
    QCOMPARE(Form.Combo1->count(), 4);
    QCOMPARE(Form.Combo1->itemText(3), QString("Polski"));
    QCOMPARE(Form.Combo1->currentText(), QString("Deutsch"));
    // Cancel afterwards keeps the set: it was written when it was created.
    Form.reject();
    QCOMPARE(Settings().ListCharsets().size(), std::size_t{4});
  }

  void createWithAnExistingNameGivesItTheNewCharacters() {
    TGridForm Form(nullptr, &Prompts);
    test::ModalAnswer Typist([](QWidget* Window) {
      auto* Lang = qobject_cast<ui::TLangForm*>(Window);
      QVERIFY(Lang);
      test::TypeText(Lang->Edit1, "english");
      test::TypeText(Lang->Edit2, "abc");
      Lang->Button1->click();
    });
    Form.SpeedButton4->click();
    QVERIFY(Typist.Done());
    QCOMPARE(Settings().ReadCharset("English", ""), std::string("abc"));
    QCOMPARE(Form.Combo1->count(), 3);
    QCOMPARE(Form.Combo1->currentIndex(), -1);  // adding never selects
  }

  void aSettingsFileThatCannotBeWrittenReportsTheFailure() {
    // A folder in the settings file's place: it reads as empty and cannot be replaced.
    std::filesystem::remove(Home->SettingsFile());
    std::filesystem::create_directory(Home->SettingsFile());
    TGridForm Form(nullptr, &Prompts);
    test::ModalAnswer Typist([](QWidget* Window) {
      auto* Lang = qobject_cast<ui::TLangForm*>(Window);
      QVERIFY(Lang);
      test::TypeText(Lang->Edit1, "Polski");
      test::TypeText(Lang->Edit2, "ąę");
      Lang->Button1->click();
    });
    Form.SpeedButton4->click();
    QVERIFY(Typist.Done());
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY2(Prompts.LastMessage().startsWith("Unable to write to"),
             qPrintable(Prompts.LastMessage()));
    QVERIFY(Prompts.Messages[0].Kind == Icon::Error);
    QCOMPARE(Form.Combo1->count(), 0);
    QVERIFY(std::filesystem::is_directory(Home->SettingsFile()));
  }

  void aNameLongerThanTheDocumentHoldsIsListedButRefused() {
    test::WriteFile(Home->SettingsFile(),
                    "[Languages]\nEnglish=qwerty\nVeryLongName12=xyz\nРусский=абв\n");
    QVERIFY(Game->Settings.SetLanguageName("English"));
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);
    QCOMPARE(Form.Combo1->count(), 3);
    Form.Combo1->setCurrentIndex(1);
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY2(Prompts.LastMessage().contains("VeryLongName12") &&
                 Prompts.LastMessage().contains("10 characters"),
             qPrintable(Prompts.LastMessage()));
    QCOMPARE(Form.Combo1->currentText(), QString("English"));
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(Game->Settings.LanguageName(), std::string("English"));
  }

  void aNameTheCharsetCannotWriteIsRefusedUntilTheCharsetCan() {
    test::WriteFile(Home->SettingsFile(), "[Languages]\nEnglish=qwerty\nРусский=абв\n");
    TGridForm Form(nullptr, &Prompts);
    Form.SetProps(Game->Settings);  // ANSI
    Form.Combo1->setCurrentIndex(1);
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    QVERIFY(Prompts.LastMessage().contains("Русский"));
    QCOMPARE(Form.Combo1->currentText(), QString("English"));
    Form.Combo2->setCurrentText("Cyrillic");
    Form.Combo1->setCurrentIndex(1);
    QCOMPARE(Prompts.Messages.size(), std::size_t{1});
    // Back to ANSI with the Cyrillic name chosen: Ok refuses and the dialog stays open.
    Form.Combo2->setCurrentText("ANSI");
    Form.show();
    Form.OkButton->click();
    QCOMPARE(Prompts.Messages.size(), std::size_t{2});
    QVERIFY(Form.isVisible());
    Form.Combo2->setCurrentText("Cyrillic");
    Form.OkButton->click();
    QVERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    Game->ApplySettings(Form.GetProps(Game->Settings));
    QCOMPARE(int(Game->Settings.Charset), 204);
    QCOMPARE(Game->Settings.LanguageName(), std::string("\xD0\xF3\xF1\xF1\xEA\xE8\xE9"));
    QCOMPARE(Game->Letters, std::string("\xC0\xC1\xC2"));  // АБВ in Windows-1251
  }
};

QTEST_MAIN(TGridFormTest)
#include "TGridFormTest.moc"
