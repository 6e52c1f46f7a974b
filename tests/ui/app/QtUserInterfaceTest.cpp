#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>
#include <memory>

#include "document/TVornicGame.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"
#include "ui/app/QtUserInterface.h"
#include "ui/app/WindowSettings.h"

using namespace vornic;
using ui::QtUserInterface;

class QtUserInterfaceTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;

 private slots:
  void init() { Home = std::make_unique<test::TempHome>(); }
  void cleanup() {
    Home.reset();
    QVERIFY(test::NoWindowLeft());
  }

  void filtersBecomeQtNameFilters_data() {
    QTest::addColumn<QString>("Filter");
    QTest::addColumn<QStringList>("Expected");
    QTest::newRow("game") << "Vornic Game (*.gm)|*.gm" << QStringList{"Vornic Game (*.gm)"};
    QTest::newRow("patterns added")
        << "Pictures|*.png;*.svg" << QStringList{"Pictures (*.png *.svg)"};
    QTest::newRow("several") << "Enhanced Windows Meta File (*.emf)|*.emf|PNG image|*.png"
                             << QStringList{"Enhanced Windows Meta File (*.emf)",
                                            "PNG image (*.png)"};
    QTest::newRow("odd part dropped") << "A (*.a)|*.a|B" << QStringList{"A (*.a)"};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void filtersBecomeQtNameFilters() {
    QFETCH(QString, Filter);
    QFETCH(QStringList, Expected);
    QCOMPARE(QtUserInterface::NameFilters(Filter.toStdString()), Expected);
  }

  void theCaptionIsTheOwnersTitleAndIsReported() {
    QWidget Owner;
    test::ScriptedUserInterface Scripted;
    QtUserInterface Ui(&Owner, &Scripted);
    Ui.SetCaption("VornicGame - Untitled.gm");
    QCOMPARE(Owner.windowTitle(), QString("VornicGame - Untitled.gm"));
    QCOMPARE(Scripted.LastCaption(), std::string("VornicGame - Untitled.gm"));
  }

  void textAndPictureReachTheClipboard() {
    QtUserInterface Ui(nullptr);
    TVornicGame Game;
    Game.Init("VornicGame", nullptr);
    Game.DrawGrid(true);
    ClipboardContent Content;
    Content.Text = "ÄBC\r\n";
    Content.Picture = &Game.MetaFile;
    Ui.SetClipboard(Content);
    const QMimeData* Data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(Data->text(), QString("ÄBC\r\n"));
    QVERIFY(Data->hasFormat("image/png"));
    QVERIFY(!QImage::fromData(Data->data("image/png"), "PNG").isNull());
  }

  void questionsUseARealMessageBoxWithTheGivenButtons() {
    QWidget Owner;
    QtUserInterface Ui(&Owner);
    test::ModalAnswer User([](QWidget* Window) {
      auto* Box = qobject_cast<QMessageBox*>(Window);
      QVERIFY(Box);
      QCOMPARE(Box->windowTitle(), QString("Please confirm"));
      QCOMPARE(Box->text(), QString("Open it?"));
      QCOMPARE(Box->icon(), QMessageBox::Question);
      QCOMPARE(Box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
      Box->button(QMessageBox::Cancel)->click();
    });
    QCOMPARE(Ui.Ask("Please confirm", "Open it?", Buttons::OkCancel, Icon::Question),
             Answer::Cancel);
    QVERIFY(User.Done());
  }

  void theSaveDialogStartsWhereItIsAsked() {
    QWidget Owner;
    QtUserInterface Ui(&Owner);
    FileDialogRequest Request;
    Request.Filter = "Vornic Game (*.gm)|*.gm";
    Request.DefaultExt = "*.gm";
    const auto Puzzles = Home->Path() / "puzzles";
    std::filesystem::create_directories(Puzzles);
    Request.InitialDir = Puzzles.string();
    Request.ProposedName = "Untitled.gm";
    Request.OverwritePrompt = true;
    test::ModalAnswer User([](QWidget* Window) {
      auto* Dialog = qobject_cast<QFileDialog*>(Window);
      QVERIFY(Dialog);
      QCOMPARE(Dialog->acceptMode(), QFileDialog::AcceptSave);
      QCOMPARE(Dialog->nameFilters(), QStringList{"Vornic Game (*.gm)"});
      QCOMPARE(Dialog->defaultSuffix(), QString("gm"));
      QVERIFY(!Dialog->testOption(QFileDialog::DontConfirmOverwrite));
      Dialog->reject();
    });
    QCOMPARE(Ui.ChooseSaveFile(Request), std::nullopt);
    QVERIFY(User.Done());

    // A name typed without extension gets the default one.
    test::ModalAnswer Typist([Puzzles](QWidget* Window) {
      auto* Dialog = qobject_cast<QFileDialog*>(Window);
      QVERIFY(Dialog);
      QCOMPARE(Dialog->directory().absolutePath(), QString::fromStdString(Puzzles.string()));
      Dialog->selectFile("animals");
      static_cast<QDialog*>(Dialog)->accept();
    });
    const auto Chosen = Ui.ChooseSaveFile(Request);
    QVERIFY(Typist.Done());
    QCOMPARE(Chosen.value_or(""), (Puzzles / "animals.gm").string());
  }

  void dialogsStartInTheFolderLastUsedElseTheDocumentsNeverTheSettingsFolder() {
    FileDialogRequest Request;
    Request.InitialDir = Home->Path().string();  // where the settings file lies
    QCOMPARE(QtUserInterface::StartFolder(Request),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const auto Used = Home->Path() / "used";
    std::filesystem::create_directories(Used);
    ui::WindowSettings::SetLastFolder(QString::fromStdString(Used.string()));
    QCOMPARE(QtUserInterface::StartFolder(Request), QString::fromStdString(Used.string()));
  }

  void choosingAnotherFilterChangesTheAddedExtension() {
    QWidget Owner;
    QtUserInterface Ui(&Owner);
    FileDialogRequest Request;
    Request.Filter = "Enhanced Windows Meta File (*.emf)|*.emf|PNG image (*.png)|*.png";
    Request.DefaultExt = "*.emf";
    const auto Pictures = Home->Path() / "pictures";
    std::filesystem::create_directories(Pictures);
    Request.InitialDir = Pictures.string();
    test::ModalAnswer Typist([](QWidget* Window) {
      auto* Dialog = qobject_cast<QFileDialog*>(Window);
      QVERIFY(Dialog);
      Dialog->selectNameFilter("PNG image (*.png)");
      emit Dialog->filterSelected("PNG image (*.png)");
      Dialog->selectFile("grid");
      static_cast<QDialog*>(Dialog)->accept();
    });
    const auto Chosen = Ui.ChooseSaveFile(Request);
    QVERIFY(Typist.Done());
    QCOMPARE(Chosen.value_or(""), (Pictures / "grid.png").string());
  }
};

QTEST_MAIN(QtUserInterfaceTest)
#include "QtUserInterfaceTest.moc"
