// The worksheet commands of a game window, driven offscreen: printing goes to a PDF printer.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QtTest>

#include "support/GameFiles.h"
#include "support/Poppler.h"
#include "support/WindowHarness.h"
#include "ui/dialogs/TWorksheetForm.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/WorksheetCommands.h"
#include "ui/games/wordsearch/TVornicForm.h"

using namespace vornic;

class WorksheetCommandsTest : public QObject, test::FormHarness<ui::TVornicForm> {
  Q_OBJECT

  std::string Path(const char* Name) const { return (*Home / Name).string(); }
  // Answers the options dialog with the paper and answer-key choice, then runs Command.
  test::ModalAnswer Choose(bool Letter, bool Answers) {
    return test::ModalAnswer([=](QWidget* Window) {
      auto* Options = qobject_cast<ui::TWorksheetForm*>(Window);
      QVERIFY(Options);
      test::Child<QComboBox>(*Options, "PageBox")->setCurrentIndex(Letter ? 1 : 0);
      test::Child<QCheckBox>(*Options, "AnswersBox")->setChecked(Answers);
      Options->accept();
    });
  }
  std::string Info(const std::string& Pdf) { return test::RunReader("pdfinfo '" + Pdf + "'"); }

 private slots:
  void init() {
    Start(640, 480, 1);
    test::WriteGameFile(*Home / "animals.gm", "VornicGame", 6, 3, {"CAT", "DOG", "COW"});
    QVERIFY(Form->OpenVornicG(Path("animals.gm")));
  }
  void cleanup() { Finish(); }

  void printsThePuzzlePageToThePrinterAndRemembersTheChoices() {
    const std::string Pdf = Path("printed.pdf");
    Form->Worksheets->ChoosePrinter = [&](QPrinter& Printer) {
      Printer.setOutputFormat(QPrinter::PdfFormat);
      Printer.setOutputFileName(QString::fromStdString(Pdf));
      return true;
    };
    auto Answer = Choose(true, false);
    test::FindAction(*Form, "Print1")->trigger();
    QVERIFY(Answer.Done());
    QVERIFY(Info(Pdf).find("612 x 792 pts") != std::string::npos);
    QVERIFY(Info(Pdf).find("Pages:           1") != std::string::npos);
    QVERIFY(test::PdfPageText(Pdf, 1).find("animals") != std::string::npos);
    const WorksheetOptions Kept = ui::TWorksheetForm::Remembered(Form->Game);
    QCOMPARE(Kept.Paper, PaperSize::Letter);
    QCOMPARE(Kept.Pages, SheetPages::PuzzlesOnly);
  }

  void savesTheWorksheetWithItsKeyAsPdfAndLeavesThePreviewAlone() {
    const std::size_t Shown = Form->Game.MetaFile.Operations().size();
    Ui->SaveReplies.push_back(Path("sheet.pdf"));
    auto Answer = Choose(false, true);
    test::FindAction(*Form, "SaveWorksheet1")->trigger();
    QVERIFY(Answer.Done());
    QVERIFY(Info(Path("sheet.pdf")).find("Pages:           2") != std::string::npos);
    QVERIFY(test::PdfPageText(Path("sheet.pdf"), 2).find("Answer key: animals") !=
            std::string::npos);
    QCOMPARE(Form->Game.MetaFile.Operations().size(), Shown);
  }

  void theWorksheetHasNoMarkOfAClickedWord() {
    auto* List = Form->findChild<QListWidget*>("ListBox1");
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {},
                      List->visualItemRect(List->item(1)).center());
    QVERIFY(test::RedPixels(Form->Image1->Bitmap()) > 0);
    Ui->SaveReplies.push_back(Path("marked.pdf"));
    auto Answer = Choose(false, false);
    test::FindAction(*Form, "SaveWorksheet1")->trigger();
    QVERIFY(Answer.Done());
    test::RunReader("pdftoppm -r 40 -png -singlefile '" + Path("marked.pdf") + "' '" +
                    Path("marked") + "'");
    const QImage Page(QString::fromStdString(Path("marked.png")));
    QVERIFY(!Page.isNull() && test::RedPixels(Page) == 0);
  }

  void theDialogComesBackWithEveryChoiceMadeLastTime() {
    const std::string Pdf = Path("large.pdf");
    Ui->SaveReplies.push_back(Pdf);
    test::ModalAnswer First([](QWidget* Window) {
      auto* Instruction = Window->findChild<QLineEdit*>("InstructionsEdit");
      // The game's own instruction is offered first.
      QVERIFY(Instruction->text().startsWith("Find the words in the grid."));
      Instruction->setText("Circle the animals you can hear.");
      Window->findChild<QLineEdit*>("TitleEdit")->setText("Farm Animals");
      Window->findChild<QComboBox*>("WordListBox")->setCurrentIndex(2);
      Window->findChild<QComboBox*>("KeyStyleBox")->setCurrentIndex(1);
      Window->findChild<QCheckBox*>("LargePrintBox")->setChecked(true);
      qobject_cast<QDialog*>(Window)->accept();
    });
    test::FindAction(*Form, "SaveWorksheet1")->trigger();
    QVERIFY(First.Done());
    const std::string Text = test::PdfPageText(Pdf, 1);
    QVERIFY(Text.find("Farm Animals") != std::string::npos);
    QVERIFY(Text.find("Circle the animals you can hear.") != std::string::npos);
    // Opened again, the dialog shows every choice as it was left.
    QString Title, Instruction;
    int WordList = -1, KeyStyle = -1;
    bool Large = false;
    test::ModalAnswer Second([&](QWidget* Window) {
      Title = Window->findChild<QLineEdit*>("TitleEdit")->text();
      Instruction = Window->findChild<QLineEdit*>("InstructionsEdit")->text();
      WordList = Window->findChild<QComboBox*>("WordListBox")->currentIndex();
      KeyStyle = Window->findChild<QComboBox*>("KeyStyleBox")->currentIndex();
      Large = Window->findChild<QCheckBox*>("LargePrintBox")->isChecked();
      qobject_cast<QDialog*>(Window)->reject();
    });
    test::FindAction(*Form, "PrintPreview1")->trigger();
    QVERIFY(Second.Done());
    QCOMPARE(Title, QString("Farm Animals"));
    QCOMPARE(Instruction, QString("Circle the animals you can hear."));
    QCOMPARE(WordList, 2);
    QCOMPARE(KeyStyle, 1);
    QVERIFY(Large);
  }

  void savesTheWebPageToSolveFromTheExportMenu() {
    Ui->SaveReplies.push_back(Path("animals.html"));
    test::FindAction(*Form, "SaveWebPage1")->trigger();
    QCOMPARE(Ui->SaveRequests.back().ProposedName, std::string("animals.html"));
    QFile Page(QString::fromStdString(Path("animals.html")));
    QVERIFY(Page.open(QIODevice::ReadOnly));
    QVERIFY(Page.readAll().contains("<title>animals</title>"));
  }

  void previewShowsThePagesInThePreviewDialog() {
    std::unique_ptr<test::ModalAnswer> Preview;
    QString Shown;
    test::ModalAnswer Answer([&](QWidget* Window) {
      Preview = std::make_unique<test::ModalAnswer>([&](QWidget* Dialog) {
        Shown = Dialog->metaObject()->className();
        Dialog->close();
      });
      qobject_cast<QDialog*>(Window)->accept();
    });
    test::FindAction(*Form, "PrintPreview1")->trigger();
    QVERIFY(Answer.Done());
    QCOMPARE(Shown, QString("QPrintPreviewDialog"));
  }
};

QTEST_MAIN(WorksheetCommandsTest)
#include "WorksheetCommandsTest.moc"
