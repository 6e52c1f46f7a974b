#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "games/GameTable.h"
#include "support/GameFiles.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/app/FileAssociation.h"
#include "ui/app/TmainGameForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/wordsearch/TVornicForm.h"

using namespace vornic;
using ui::TGameForm;
using ui::TmainGameForm;

namespace {

// A window for the word maze's files, standing in for the game's own window so that handing a
// file over can be followed to the end.
class StandInMazeForm : public TGameForm {
 public:
  explicit StandInMazeForm(const ui::Answerers& Answer) : TGameForm("WordMaze", Answer) {
    NewFile();
  }
  void NewFile() override { Game.New(); }
  bool OpenVornicG(const std::string& FileName) override { return Game.Open(FileName); }
};

QStringList Texts(const QList<QAction*>& Actions) {
  QStringList Result;
  for (QAction* Action : Actions) Result << (Action->isSeparator() ? "-" : Action->text());
  return Result;
}

QStringList VisibleTexts(const QList<QAction*>& Actions) {
  QList<QAction*> Visible;
  for (QAction* Action : Actions)
    if (Action->isVisible()) Visible << Action;
  return Texts(Visible);
}

void MakeModified(TGameForm* Form, const QString& Word) {
  auto* Window = qobject_cast<ui::TVornicForm*>(Form);
  QVERIFY(Window);
  test::TypeText(Window->Edit1, Word);
  Window->Enter();
  QVERIFY(Window->Game.Modified);
}

}  // namespace

class TmainGameFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;
  std::unique_ptr<test::ScriptedUserInterface> Ui;
  test::ScriptedPrompts Prompts;
  std::unique_ptr<TmainGameForm> Main;
  ui::GameWindowFactory KeptMazeWindow;

  TmainGameForm::Options Options() {
    TmainGameForm::Options Start;
    Start.Answer = {Ui.get(), &Prompts};
    Start.Associate = false;
    return Start;
  }
  void Show(const TmainGameForm::Options& Start) {
    Main = std::make_unique<TmainGameForm>(Start);
    Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(Main.get()));
  }
  QString Path(const std::string& Name) const {
    return QString::fromStdString((Home->Path() / Name).string());
  }
  std::string File(const std::string& Name) const { return (Home->Path() / Name).string(); }
  QStringList BarTexts() const { return VisibleTexts(Main->menuBar()->actions()); }

 private slots:
  void init() {
    Home = std::make_unique<test::TempHome>();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((Home->Path() / "data").string()));
    Ui = std::make_unique<test::ScriptedUserInterface>();
    Prompts = test::ScriptedPrompts();
    KeptMazeWindow = ui::ReplaceGameWindow(
        2, [](const ui::Answerers& Answer) { return new StandInMazeForm(Answer); });
  }
  void cleanup() {
    ui::ReplaceGameWindow(2, KeptMazeWindow);
    if (Main)
      for (TGameForm* Form : Main->GameWindows()) Form->Game.Modified = false;
    Main.reset();
    QCOMPARE(Prompts.Unscripted, 0);
    QVERIFY(Ui->Answers.empty());
    Ui.reset();
    Home.reset();
    QVERIFY(test::NoWindowLeft());
  }

  void framesTheMenusOfTheLauncher() {
    Show(Options());
    QCOMPARE(Main->windowTitle(), QString("Vornic Pack"));
    QCOMPARE(Main->size(),
             TmainGameForm::FirstSize.boundedTo(Main->screen()->availableGeometry().size()));
    QCOMPARE(Main->minimumSize(), QSize(500, 400));
    QCOMPARE(BarTexts(), QStringList({"&New", "&Window", "&Help"}));
    // Hidden items are there, only not shown.
    QCOMPARE(Texts(Main->NewMenu->actions()), QStringList({"&Game Wizard", "-", "&New Game",
                                                           "&Open Game", "&Recent", "-", "&Exit"}));
    QVERIFY(!Main->GameWizard1->isVisible());
    QVERIFY(!Main->WizardSeparator->isVisible());
    QVERIFY(Main->ExitSeparator->isVisible());
    QCOMPARE(Texts(Main->Window1->actions()),
             QStringList({"&Maximaze all", "&Cascade", "Close &all"}));
    QCOMPARE(Texts(Main->Help1->actions()), QStringList({"&Contents", "-", "&About"}));
    for (const char* Name : {"GameWizard1", "Open1", "Exit1", "Maximazeall1", "Cascadew1",
                             "Closeall1", "sdfsdf1", "About1"})
      QVERIFY2(test::FindAction(*Main, Name), Name);
  }

  void theNewGameItemsFollowTheGameTable() {
    Show(Options());
    const QList<QAction*> Items = Main->NewGameMenu->actions();
    QCOMPARE(Items.size(), 5);
    for (const GameInfo& Game : GameTable()) {
      QAction* Item = Items[Game.Tag - 1];
      QCOMPARE(Item->objectName(), QString::fromUtf8(Game.MenuItem.data(), Game.MenuItem.size()));
      QCOMPARE(Item->text(), QString::fromUtf8(Game.Caption.data(), Game.Caption.size()));
      QCOMPARE(Item->property("Tag").toInt(), Game.Tag);
      QCOMPARE(Item->isEnabled(), ui::HasGameWindow(Game.Tag));
    }
    QVERIFY(Items[0]->isEnabled());
    Items[0]->trigger();
    QCOMPARE(Main->GameWindows().size(), 1);
    TGameForm* Form = Main->GameWindows().front();
    QCOMPARE(Form->Game.GameName, std::string("VornicGame"));
    QCOMPARE(Form->windowTitle(), QString("VornicGame - Untitled.gm"));
    QVERIFY(Form->parentWidget()->isMaximized());
    // Outside the table nothing starts.
    QCOMPARE(Main->GameStart(0), nullptr);
    QCOMPARE(Main->GameStart(6), nullptr);
    QCOMPARE(Main->GameWindows().size(), 1);
  }

  void aStartFileOpensOneWindowOfItsGame() {
    test::WriteGameFile(Home->Path() / "animals.gm", "VornicGame", 6, 3, {"CAT", "DOG"});
    TmainGameForm::Options Start = Options();
    Start.StartFile = Path("animals.gm");
    Show(Start);
    QTRY_COMPARE(Main->GameWindows().size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(Main->GameWindows().size(), 1);
    auto* Form = qobject_cast<ui::TVornicForm*>(Main->GameWindows().front());
    QVERIFY(Form);
    QCOMPARE(Form->windowTitle(), QString("VornicGame - animals.gm"));
    QCOMPARE(Form->ListBox1->count(), 2);
    QVERIFY(Ui->Questions.empty() && Ui->Messages.empty() && Ui->OpenRequests.empty());
    // A maximised child shows in the frame's title, as the platform's MDI frame did.
    QCOMPARE(Main->windowTitle(), QString("Vornic Pack - [VornicGame - animals.gm]"));
  }

  void aStartFileThatCannotBeReadIsToldAndOpensNothing() {
    TmainGameForm::Options Start = Options();
    Start.StartFile = Path("missing.gm");
    Show(Start);
    QTRY_COMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.find("missing.gm") != std::string::npos);
    QCOMPARE(Main->GameWindows().size(), 0);
  }

  void openGameCreatesTheWindowOfTheFilesGame() {
    Show(Options());
    test::WriteGameFile(Home->Path() / "animals.gm", "VornicGame", 6, 3, {"CAT"});
    Ui->OpenReplies.push_back(std::nullopt);
    Main->Open1->trigger();
    QCOMPARE(Main->GameWindows().size(), 0);
    Ui->OpenReplies.push_back(File("animals.gm"));
    Main->Open1->trigger();
    QCOMPARE(Main->GameWindows().size(), 1);
    QCOMPARE(Main->GameWindows().front()->windowTitle(), QString("VornicGame - animals.gm"));
    const FileDialogRequest& Request = Ui->OpenRequests.back();
    QCOMPARE(Request.Filter, std::string("Vornic Game (*.gm)|*.gm"));
    QVERIFY(Request.MustExist);
    // A file of another game opens in a window of that game.
    test::WriteGameFile(Home->Path() / "maze.gm", "WordMaze", 5, 5, {"EMU"});
    Main->OpenGameFile(File("maze.gm"));
    QCOMPARE(Main->GameWindows().size(), 2);
    QCOMPARE(Main->GameWindows().back()->Game.GameName, std::string("WordMaze"));
    QCOMPARE(Main->GameWindows().back()->windowTitle(), QString("WordMaze - maze.gm"));
    QVERIFY(Ui->Questions.empty());
  }

  void filesOfNoGameOpenNothingSilently() {
    Show(Options());
    test::WriteGameFile(Home->Path() / "probe.gm", "Test", 3, 3);
    test::WriteGameFile(Home->Path() / "other.gm", "Sudoku", 3, 3);
    test::WriteGameFile(Home->Path() / "lower.gm", "vornicgame", 3, 3);
    for (const char* Name : {"probe.gm", "other.gm", "lower.gm"}) Main->OpenGameFile(File(Name));
    QCOMPARE(Main->GameWindows().size(), 0);
    QVERIFY(Ui->Messages.empty());
    QVERIFY(Ui->Questions.empty());
  }

  void aDamagedFileIsToldAndOpensNothing() {
    Show(Options());
    test::WriteFile(Home->Path() / "bad.gm", std::string("\x0A\0\0\0VornicGa", 12));
    Main->OpenGameFile(File("bad.gm"));
    QCOMPARE(Main->GameWindows().size(), 0);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
  }

  void aFileThatFailsInItsWindowLeavesNoWindowBehind() {
    Show(Options());
    // The type name reads, the rest is cut short: the probe hands it on, the window fails.
    test::WriteGameFile(Home->Path() / "cut.gm", "VornicGame", 6, 3, {"CAT"});
    const std::string Bytes = test::ReadFile(Home->Path() / "cut.gm");
    test::WriteFile(Home->Path() / "cut.gm", Bytes.substr(0, 4 + 10 + 5));
    Main->OpenGameFile(File("cut.gm"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Main->GameWindows().size(), 0);
    QCOMPARE(Main->MdiArea->subWindowList().size(), 0);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
  }

  void recentListsTheLastEightPuzzlesAndOpensThemInTheirWindows() {
    Show(Options());
    for (int i = 0; i < 9; ++i) {
      const std::string Name = "p" + std::to_string(i) + ".gm";
      test::WriteGameFile(Home->Path() / Name, i == 8 ? "WordMaze" : "VornicGame", 5, 5);
      Main->OpenGameFile(File(Name));
    }
    QCOMPARE(Main->GameWindows().size(), 9);
    emit Main->Recent1->aboutToShow();
    QStringList Expected;
    for (int i = 8; i > 0; --i) Expected << QStringLiteral("&%1 p%2.gm").arg(9 - i).arg(i);
    QCOMPARE(Texts(Main->Recent1->actions()), Expected);
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

  void aGameWithoutItsWindowIsToldInsteadOfOpened() {
    ui::ReplaceGameWindow(2, {});
    Show(Options());
    QVERIFY(!Main->NewGameItems[1]->isEnabled());
    test::WriteGameFile(Home->Path() / "maze.gm", "WordMaze", 5, 5, {"EMU"});
    Main->OpenGameFile(File("maze.gm"));
    QCOMPARE(Main->GameWindows().size(), 0);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.find("WordMaze") != std::string::npos);
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
    QCOMPARE(Search->windowTitle(), QString("VornicGame - Untitled.gm"));

    // OK adds a window of the file's game; the asking window keeps its document.
    Ui->Answers = {Answer::Ok};
    Search->OpenVornicG(File("maze.gm"));
    QCOMPARE(Main->GameWindows().size(), 2);
    TGameForm* Maze = Main->GameWindows().back();
    QCOMPARE(Maze->windowTitle(), QString("WordMaze - maze.gm"));
    QCOMPARE(Maze->Game.Words.size(), std::size_t{1});
    QCOMPARE(Search->Game.Grid, Grid);
    QCOMPARE(qobject_cast<ui::TVornicForm*>(Search)->ListBox1->count(), 1);
    QCOMPARE(Main->ActiveGame(), Maze);
  }

  void closeAllAsksTheLastFirstAndGoesOnAfterACancel() {
    Show(Options());
    QPointer<TGameForm> First = Main->GameStart(1);
    QPointer<TGameForm> Second = Main->GameStart(1);
    MakeModified(First, "CAT");
    MakeModified(Second, "DOG");
    Ui->Answers = {Answer::Cancel, Answer::No};
    Main->Closeall1->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Ui->Questions.size(), std::size_t{2});
    QVERIFY(First.isNull());
    QVERIFY(!Second.isNull());
    QCOMPARE(Main->GameWindows(), QList<TGameForm*>{Second.data()});
  }

  void exitStopsAtTheFirstCancelAndKeepsRunning() {
    Show(Options());
    TGameForm* First = Main->GameStart(1);
    TGameForm* Second = Main->GameStart(1);
    MakeModified(First, "CAT");
    MakeModified(Second, "DOG");
    Ui->Answers = {Answer::Cancel};
    Main->Exit1->trigger();
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    QVERIFY(Main->isVisible());
    QCOMPARE(Main->GameWindows().size(), 2);
    QVERIFY(First->Game.Modified && Second->Game.Modified);
    // Answered for both, the frame closes.
    Ui->Answers = {Answer::No, Answer::No};
    QVERIFY(Main->close());
    QCOMPARE(Ui->Questions.size(), std::size_t{3});
  }

  void theActiveWindowsMenusAreMerged() {
    Show(Options());
    TGameForm* First = Main->GameStart(1);
    QCOMPARE(BarTexts(), QStringList({"&New", "&File", "&Export", "&Game", "&Window", "&Help"}));
    QList<QAction*> Bar = Main->menuBar()->actions();
    QVERIFY(Bar.contains(First->FileMenu->menuAction()));
    QVERIFY(Bar.contains(First->HelpMenu->menuAction()));
    QVERIFY(!Main->Help1->menuAction()->isVisible());

    TGameForm* Second = Main->GameStart(1);
    Bar = Main->menuBar()->actions();
    QVERIFY(Bar.contains(Second->GameMenu->menuAction()));
    QVERIFY(!Bar.contains(First->GameMenu->menuAction()));
    Main->MdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(First->parentWidget()));
    Bar = Main->menuBar()->actions();
    QVERIFY(Bar.contains(First->ExportMenu->menuAction()));
    QVERIFY(!Bar.contains(Second->ExportMenu->menuAction()));
    QCOMPARE(BarTexts().size(), 6);

    Main->Closeall1->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(BarTexts(), QStringList({"&New", "&Window", "&Help"}));
    QVERIFY(Main->menuBar()->actions().contains(Main->Help1->menuAction()));
  }

  void shortcutsReachOnlyTheActiveWindow() {
    Show(Options());
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main.get()));
    auto* First = qobject_cast<ui::TVornicForm*>(Main->GameStart(1));
    auto* Second = qobject_cast<ui::TVornicForm*>(Main->GameStart(1));
    MakeModified(First, "CAT");
    MakeModified(Second, "DOG");
    QGuiApplication::clipboard()->clear();
    Second->Edit1->setFocus();
    QTest::keyClick(Second->Edit1, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("DOG\r\n"));
    Main->MdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(First->parentWidget()));
    First->Edit1->setFocus();
    QTest::keyClick(First->Edit1, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("CAT\r\n"));
    // Ctrl+C in the empty word box copies the picture, as the menu says; with text selected,
    // the text.
    QTest::keyClick(First->Edit1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Ui->Clipboard.back().Picture, &First->Game.MetaFile);
    test::TypeText(First->Edit1, "owl");
    First->Edit1->selectAll();
    QTest::keyClick(First->Edit1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("OWL"));
    First->Edit1->clear();
    // "Close" asks the active window only.
    Ui->Answers = {Answer::No};
    QTest::keyClick(First->Edit1, Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    QCOMPARE(Main->GameWindows(), QList<TGameForm*>{Second});
  }

  void windowCommandsArrangeTheChildren() {
    Show(Options());
    TGameForm* First = Main->GameStart(1);
    TGameForm* Second = Main->GameStart(1);
    Main->Cascadew1->trigger();
    QVERIFY(!First->parentWidget()->isMaximized());
    QVERIFY(!Second->parentWidget()->isMaximized());
    QCOMPARE(Main->windowTitle(), QString("Vornic Pack"));
    Main->Maximazeall1->trigger();
    // As in the platform's MDI frame, one child shows maximised at a time and the others follow
    // when they become active.
    QVERIFY(Second->parentWidget()->isMaximized());
    Main->MdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(First->parentWidget()));
    QVERIFY(First->parentWidget()->isMaximized());
    QCOMPARE(Main->windowTitle(), QString("Vornic Pack - [VornicGame - Untitled.gm]"));
    // "&Window" lists the game windows after its commands.
    emit Main->Window1->aboutToShow();
    const QStringList Items = Texts(Main->Window1->actions());
    QCOMPARE(Items.mid(3),
             QStringList({"-", "&1 VornicGame - Untitled.gm", "&2 VornicGame - Untitled.gm"}));
  }

  void startingWritesTheFileAssociationOnce() {
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
  }

  void anAssociationThatCannotBeWrittenIsToldAndStartUpGoesOn() {
    test::WriteFile(Home->Path() / "data", "a file where the folder should be");
    TmainGameForm::Options Start = Options();
    Start.Associate = true;
    Start.RefreshDesktop = false;
    Show(Start);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.find("data") != std::string::npos);
    QVERIFY(Main->isVisible());
    QVERIFY(Main->GameStart(1));
  }
};

QTEST_MAIN(TmainGameFormTest)
#include "TmainGameFormTest.moc"
