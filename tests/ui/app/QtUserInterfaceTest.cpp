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
    QTest::newRow("patterns added")
        << "Pictures|*.png;*.svg" << QStringList{"Pictures (*.png *.svg)"};
    QTest::newRow("several") << "Enhanced Windows Meta File (*.emf)|*.emf|PNG image|*.png"
                             << QStringList{"Enhanced Windows Meta File (*.emf)",
                                            "PNG image (*.png)"};
    QTest::newRow("odd part dropped") << "A (*.a)|*.a|B" << QStringList{"A (*.a)"};
  }
  void filtersBecomeQtNameFilters() {
    QFETCH(QString, Filter);
    QFETCH(QStringList, Expected);
    QCOMPARE(QtUserInterface::NameFilters(Filter.toStdString()), Expected);
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
};

QTEST_MAIN(QtUserInterfaceTest)
#include "QtUserInterfaceTest.moc"
