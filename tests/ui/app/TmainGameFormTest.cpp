#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>
#include <map>
#include <memory>

#include "games/GameTable.h"
#include "support/GameFiles.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/app/FileAssociation.h"
#include "ui/app/TmainGameForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TGameForm.h"

using namespace vornic;
using ui::TGameForm;
using ui::TmainGameForm;

namespace {

// A window for the word maze's files, standing in for the game's own window so that handing a
// file over can be followed to the end.
class StandInMazeForm : public TGameForm {
 public:
  explicit StandInMazeForm(const ui::Answerers& Answer) : TGameForm("WordMaze", Answer, {}) {
    NewFile();
  }
  void NewFile() override { static_cast<void>(Game.New()); }
  bool OpenVornicG(const std::string& FileName) override { return Game.Open(FileName); }
  void SettingsApplied(bool) override {}
};

QStringList Texts(const QList<QAction*>& Actions) {
  QStringList Result;
  for (QAction* Action : Actions) Result << (Action->isSeparator() ? "-" : Action->text());
  return Result;
}

void MakeModified(TGameForm* Form, const QString& Word) {
  auto* Edit = test::Child<QLineEdit>(*Form, "Edit1");
  test::TypeText(Edit, Word);
  QTest::keyClick(Edit, Qt::Key_Return);
  QVERIFY(Form->Game.Modified);
}

}  // namespace

class TmainGameFormTest : public QObject, test::WindowHarness {
  Q_OBJECT

  std::unique_ptr<TmainGameForm> Main;
  ui::GameWindowFactory KeptMazeWindow;

  TmainGameForm::Options Options() {
    TmainGameForm::Options Start;
    Start.Answer = Answer();
    Start.Associate = false;
    return Start;
  }
  void Show(const TmainGameForm::Options& Start) {
    Main = std::make_unique<TmainGameForm>(Start);
    Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(Main.get()));
  }
  std::string File(const std::string& Name) const { return (Home->Path() / Name).string(); }
  // The main window's own "&New" menu, which holds its file commands.
  QMenu* NewMenu() const { return test::Child<QMenu>(*Main, "VornicGame1"); }
  QMdiArea* MdiArea() const { return test::Child<QMdiArea>(*Main, "MdiArea"); }

 private slots:
  void init() {
    Start();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((Home->Path() / "data").string()));
    KeptMazeWindow = ui::ReplaceGameWindow(
        "WordMaze", [](const ui::Answerers& Answer) { return new StandInMazeForm(Answer); });
  }
  void cleanup() {
    ui::ReplaceGameWindow("WordMaze", KeptMazeWindow);
    if (Main)
      for (TGameForm* Form : Main->GameWindows()) Form->Game.Modified = false;
    Main.reset();
    QVERIFY(Ui->Answers.empty());
    Finish();
  }

  void everyGameOfTheTableHasItsWindow() {
    for (const GameInfo& Game : GameTable()) {
      std::unique_ptr<TGameForm> Form(ui::CreateGameWindow(Game.TypeName, Answer()));
      QVERIFY2(Form, Game.MenuItem.data());
      QCOMPARE(Form->Game.GameName, std::string(Game.TypeName));
    }
  }

  void openGameCreatesTheWindowOfTheFilesGameOrTellsWhyNot() {
    Show(Options());
    test::WriteGameFile(Home->Path() / "animals.gm", "VornicGame", 6, 3, {"CAT"});
    Ui->OpenReplies = {std::nullopt, File("animals.gm")};
    test::FindAction(*NewMenu(), "Open1")->trigger();
    QCOMPARE(Main->GameWindows().size(), 0);
    test::FindAction(*NewMenu(), "Open1")->trigger();
    QCOMPARE(Main->GameWindows().front()->windowTitle(), QString("VornicGame - animals.gm[*]"));
    // Files of no game open nothing, silently; damaged and missing files are told.
    test::WriteGameFile(Home->Path() / "probe.gm", "Test", 3, 3);
    test::WriteGameFile(Home->Path() / "lower.gm", "vornicgame", 3, 3);
    test::WriteFile(Home->Path() / "bad.gm", std::string("\x0A\0\0\0VornicGa", 12));
    for (const char* Name : {"probe.gm", "lower.gm", "bad.gm", "missing.gm"})
      Main->OpenGameFile(File(Name));
    QCOMPARE(Main->GameWindows().size(), 1);
    QCOMPARE(Ui->Messages.size(), std::size_t{2});
    QVERIFY(Ui->Messages[1].Text.find("missing.gm") != std::string::npos);
    // A file of another game opens in a window of that game.
    test::WriteGameFile(Home->Path() / "maze.gm", "WordMaze", 5, 5, {"EMU"});
    Main->OpenGameFile(File("maze.gm"));
    QCOMPARE(Main->GameWindows().size(), 2);
    QCOMPARE(Main->GameWindows().back()->Game.GameName, std::string("WordMaze"));
    QCOMPARE(Main->GameWindows().back()->windowTitle(), QString("WordMaze - maze.gm[*]"));
    QVERIFY(Ui->Questions.empty());
  }

  void anotherGamesFileFromAGameWindowIsConfirmedFirst() {
    Show(Options());
    TGameForm* Search = Main->GameStart(1);
    MakeModified(Search, "CAT");
    const std::string Grid = Search->Game.Grid;
    test::WriteGameFile(Home->Path() / "maze.gm", "WordMaze", 5, 5, {"EMU"});

    // The save-changes question comes first; then Cancel opens nothing.
    Ui->Answers = {Answer::No, Answer::Cancel};
    Ui->OpenReplies.push_back(File("maze.gm"));
    test::FindAction(*Search, "Open1")->trigger();
    QCOMPARE(Ui->Questions.size(), std::size_t{2});
    const auto& Confirm = Ui->Questions[1];
    QCOMPARE(Confirm.Title, std::string("Please confirm"));
    QCOMPARE(Confirm.Text,
             std::string("This file is another game type. Do you want to open it anyway?"));
    QCOMPARE(Confirm.Choice, Buttons::OkCancel);
    QCOMPARE(Confirm.Kind, Icon::Question);
    QCOMPARE(Main->GameWindows().size(), 1);
    QCOMPARE(Search->Game.Grid, Grid);
    QCOMPARE(Search->windowTitle(), QString("VornicGame - Untitled.gm[*]"));

    // OK adds a window of the file's game; the asking window keeps its document.
    Ui->Answers = {Answer::Ok};
    Search->OpenVornicG(File("maze.gm"));
    QCOMPARE(Main->GameWindows().size(), 2);
    TGameForm* Maze = Main->GameWindows().back();
    QCOMPARE(Maze->windowTitle(), QString("WordMaze - maze.gm[*]"));
    QCOMPARE(Maze->Game.Words.size(), std::size_t{1});
    QCOMPARE(Search->Game.Grid, Grid);
    QCOMPARE(test::Child<QListWidget>(*Search, "ListBox1")->count(), 1);
    QCOMPARE(Main->ActiveGame(), Maze);
  }

  void exitStopsAtTheFirstCancelAndKeepsRunning() {
    Show(Options());
    TGameForm* First = Main->GameStart(1);
    TGameForm* Second = Main->GameStart(1);
    MakeModified(First, "CAT");
    MakeModified(Second, "DOG");
    Ui->Answers = {Answer::Cancel};
    test::FindAction(*NewMenu(), "Exit1")->trigger();
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    // The window the question was about is the one in front.
    QCOMPARE(Main->ActiveGame(), First);
    QVERIFY(Main->isVisible());
    QCOMPARE(Main->GameWindows().size(), 2);
    QVERIFY(First->Game.Modified && Second->Game.Modified);
    // Answered for both, the frame closes.
    Ui->Answers = {Answer::No, Answer::No};
    QVERIFY(Main->close());
    QCOMPARE(Ui->Questions.size(), std::size_t{3});
  }

  void shortcutsReachOnlyTheActiveWindow() {
    Show(Options());
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main.get()));
    TGameForm* First = Main->GameStart(1);
    TGameForm* Second = Main->GameStart(1);
    auto* FirstEdit = test::Child<QLineEdit>(*First, "Edit1");
    auto* SecondEdit = test::Child<QLineEdit>(*Second, "Edit1");
    MakeModified(First, "CAT");
    MakeModified(Second, "DOG");
    QGuiApplication::clipboard()->clear();
    SecondEdit->setFocus();
    QTest::keyClick(SecondEdit, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("DOG\n"));
    MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(First->parentWidget()));
    FirstEdit->setFocus();
    QTest::keyClick(FirstEdit, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("CAT\n"));
    // "Close" asks the active window only.
    Ui->Answers = {Answer::No};
    QTest::keyClick(FirstEdit, Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    QCOMPARE(Main->GameWindows(), QList<TGameForm*>{Second});
  }

  // Typing goes into the game's first input as soon as a window opens, by New Game or Open,
  // and again when it is activated; the program asks before such typing is lost.
  void theFirstInputHasTheFocusWhenAWindowOpensOrIsActivated() {
    ui::ReplaceGameWindow("WordMaze", KeptMazeWindow);  // the maze's own window here
    Show(Options());
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main.get()));
    const std::map<std::string, QString> FirstInput{{"VornicGame", "Edit1"},
                                                    {"WordMaze", "edtFrase"},
                                                    {"WordLabirint", "Edit1"},
                                                    {"JumbledUp", "PathEdit"},
                                                    {"LostLetters", "PathEdit"}};
    const auto HasTheFocus = [&FirstInput](TGameForm* Form) {
      QWidget* Focus = QApplication::focusWidget();
      return Focus && Form->isAncestorOf(Focus) &&
             Focus->objectName() == FirstInput.at(Form->Game.GameName);
    };
    for (const GameInfo& Game : GameTable()) {
      TGameForm* Form = Main->GameStart(Game.Tag);
      QVERIFY2(HasTheFocus(Form), Game.MenuItem.data());
    }
    TGameForm* First = Main->GameWindows().front();
    MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(First->parentWidget()));
    QVERIFY(HasTheFocus(First));
    test::WriteGameFile(Home->Path() / "owl.gm", "VornicGame", 5, 5, {"OWL"});
    Main->OpenGameFile(File("owl.gm"));
    TGameForm* Opened = Main->GameWindows().back();
    QVERIFY(HasTheFocus(Opened));

    QTest::keyClicks(QApplication::focusWidget(), "emu");
    Ui->Answers = {Answer::Cancel};
    QVERIFY(!Main->close());
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    QVERIFY(Ui->Questions[0].Text.find("typed") != std::string::npos);
    QCOMPARE(Main->ActiveGame(), Opened);
  }

  void startingWritesTheFileAssociationOnceAndAFailureIsOnlyTold() {
    TmainGameForm::Options Start = Options();
    Start.Associate = true;
    Start.RefreshDesktop = false;
    Show(Start);
    const ui::FileAssociation Association(Home->Path() / "data");
    QVERIFY(Association.PointsAt(QCoreApplication::applicationFilePath().toStdString()));
    Main.reset();
    // A second start finds it in place and writes nothing.
    test::WriteFile(Association.MimePackageFile(), "kept");
    Show(Start);
    QCOMPARE(test::ReadFile(Association.MimePackageFile()), std::string("kept"));
    QVERIFY(Ui->Messages.empty());
    Main.reset();
    std::filesystem::remove_all(Home->Path() / "data");
    test::WriteFile(Home->Path() / "data", "a file where the folder should be");
    Show(Start);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.find("data") != std::string::npos);
    QVERIFY(Main->isVisible());
    QVERIFY(Main->GameStart(1));
  }

  // No window flashes up and the open ones stay as they were, the same one active.
  void aDamagedFileOfAnotherGameLeavesTheWindowsAsTheyWere() {
    Show(Options());
    TGameForm* First = Main->GameStart(1);
    Main->GameStart(1);
    MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(First->parentWidget()));
    // The type name reads, the rest is cut short.
    test::WriteGameFile(Home->Path() / "cut.gm", "VornicGame", 6, 3, {"CAT"});
    const std::string Bytes = test::ReadFile(Home->Path() / "cut.gm");
    test::WriteFile(Home->Path() / "cut.gm", Bytes.substr(0, 4 + 10 + 5));
    const auto States = [this] {
      QList<Qt::WindowStates> Each;
      for (QMdiSubWindow* Frame : MdiArea()->subWindowList()) Each << Frame->windowState();
      return Each;
    };
    const QList<Qt::WindowStates> Before = States();
    QVERIFY(Before.front().testFlag(Qt::WindowMaximized));
    QSignalSpy Activations(MdiArea(), &QMdiArea::subWindowActivated);
    Main->OpenGameFile(File("cut.gm"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QCOMPARE(Activations.count(), 0);
    QCOMPARE(Main->ActiveGame(), First);
    QCOMPARE(States(), Before);
  }

  void recentListsTheLastEightPuzzlesAndOpensThemInTheirWindows() {
    Show(Options());
    for (int i = 0; i < 9; ++i) {
      const std::string Name = "p" + std::to_string(i) + ".gm";
      test::WriteGameFile(Home->Path() / Name, i == 8 ? "WordMaze" : "VornicGame", 5, 5);
      Main->OpenGameFile(File(Name));
    }
    QCOMPARE(Main->GameWindows().size(), 9);
    emit test::Child<QMenu>(*NewMenu(), "Recent1")->aboutToShow();
    QStringList Expected;
    for (int i = 8; i > 0; --i) Expected << QStringLiteral("&%1 p%2.gm").arg(9 - i).arg(i);
    QCOMPARE(Texts(test::Child<QMenu>(*NewMenu(), "Recent1")->actions()), Expected);
    // A game window's "&Recent" lists the same and opens through the frame: a maze window.
    TGameForm* Form = Main->GameWindows().front();
    emit Form->Recent1->aboutToShow();
    QCOMPARE(Texts(Form->Recent1->actions()), Expected);
    Form->Recent1->actions().front()->trigger();
    QCOMPARE(Main->GameWindows().size(), 10);
    QCOMPARE(Main->GameWindows().back()->Game.GameName, std::string("WordMaze"));
  }

  void theFrameRemembersItsSizeAndPlace() {
    Show(Options());
    Main->resize(620, 450);
    Main->move(40, 30);
    QCoreApplication::processEvents();
    QVERIFY(Main->close());
    Show(Options());
    QCOMPARE(Main->size(), QSize(620, 450));
  }

  void programPathsAreQuotedAndEscaped_data() {
    QTest::addColumn<QString>("Program");
    QTest::addColumn<QString>("Exec");
    QTest::newRow("quote and dollar") << R"(/x/"q"$HOME/v)"
                                      << R"("/x/\\"q\\"\\$HOME/v" %f)";
    QTest::newRow("backslash") << R"(/x\y/v)"
                               << R"("/x\\\\y/v" %f)";
    QTest::newRow("percent") << "/100%/v"
                             << R"("/100%%/v" %f)";
  }
  void programPathsAreQuotedAndEscaped() {
    QFETCH(QString, Program);
    QFETCH(QString, Exec);
    QCOMPARE(QString::fromStdString(ui::FileAssociation::ExecLine(Program.toStdString())), Exec);
    // What is written is read back as pointing at the same program.
    const ui::FileAssociation Association(Home->Path() / "share");
    Association.Write(Program.toStdString());
    QVERIFY(Association.PointsAt(Program.toStdString()));
  }
};

QTEST_MAIN(TmainGameFormTest)
#include "TmainGameFormTest.moc"
