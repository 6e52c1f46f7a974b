#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "games/GameTable.h"
#include "support/WindowHarness.h"
#include "ui/app/TmainGameForm.h"
#include "ui/games/TGameForm.h"
#include "ui/help/GuidePages.h"
#include "ui/help/THelpWindow.h"

using namespace vornic;
using ui::GuidePages;
using ui::THelpWindow;

namespace {

QString Read(const QString& File) {
  QFile Page(GuidePages::Folder() + QLatin1Char('/') + File);
  return Page.open(QIODevice::ReadOnly) ? QString::fromUtf8(Page.readAll()) : QString();
}

// The texts of a menu's commands and submenus, mnemonics and shortcut columns stripped; not the
// recent files, which are the user's.
void CollectTexts(const QMenu* Menu, QStringList& Texts) {
  Texts << Menu->title().remove(QLatin1Char('&'));
  if (Menu->objectName() == QStringLiteral("Recent1")) return;
  for (QAction* Item : Menu->actions()) {
    if (Item->isSeparator() || !Item->isVisible()) continue;
    if (Item->menu()) {
      CollectTexts(Item->menu(), Texts);
      continue;
    }
    Texts << Item->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
  }
}

// A link or a picture inside the guide: (href|src), the file, the place in it.
const QRegularExpression Reference("(href|src)=\"([^\"#:]*)(#([^\"]*))?\"");

}  // namespace

class GuideTest : public QObject, test::WindowHarness {
  Q_OBJECT

  std::unique_ptr<ui::TmainGameForm> Main;

  void ShowMain() {
    ui::TmainGameForm::Options Start;
    Start.Answer = Answer();
    Start.Associate = false;
    Main = std::make_unique<ui::TmainGameForm>(Start);
    Main->show();
    Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Main.get()));
  }
  // The page the help window shows after Command, which must open it; the window is closed
  // again and the main window made active.
  QString PageShownBy(const std::function<void()>& Command) {
    Command();
    THelpWindow* Help = THelpWindow::Current();
    if (!Help || !Help->isVisible()) return {};
    const QString Page = Help->ShownPage();
    Help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Main->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(Main.get()));
    return Page;
  }
  QAction* MergedContents() {
    for (QAction* Top : Main->menuBar()->actions())
      if (Top->isVisible() && Top->menu() && Top->text() == QStringLiteral("&Help"))
        for (QAction* Item : Top->menu()->actions())
          if (Item->text() == QStringLiteral("&Contents")) return Item;
    return nullptr;
  }

 private slots:
  void init() { Start(); }
  void cleanup() {
    if (Main)
      for (ui::TGameForm* Form : Main->GameWindows()) Form->Game.Modified = false;
    Main.reset();
    Finish();
  }

  void everyPageAndEveryLinkAndPictureOfTheGuideIsThere() {
    const QList<ui::GuidePage> Contents = GuidePages::Contents();
    QVERIFY(Contents.size() >= 14);
    QStringList Listed;
    for (const ui::GuidePage& Page : Contents) Listed << Page.File;
    // Every page is in the contents, and every page of the contents exists.
    const QStringList Files = QDir(GuidePages::Folder()).entryList({"*.html"}, QDir::Files);
    Listed.sort();
    QCOMPARE(Files, Listed);
    for (const QString& File : Files) {
      const QString Html = Read(File);
      QVERIFY2(Html.contains("<title>"), qPrintable(File));
      for (auto Found = Reference.globalMatch(Html); Found.hasNext();) {
        const auto Match = Found.next();
        const QString Target = Match.captured(2).isEmpty() ? File : Match.captured(2);
        QVERIFY2(QFile::exists(GuidePages::Folder() + '/' + Target),
                 qPrintable(File + " links to the missing " + Target));
        const QString Anchor = Match.captured(4);
        QVERIFY2(Anchor.isEmpty() || Read(Target).contains("name=\"" + Anchor + "\""),
                 qPrintable(File + " links to the missing place " + Target + "#" + Anchor));
      }
    }
  }

  // Help > Contents and F1 open the main page with no game window, and the game's own page in
  // each game window; the guide names every command of every menu.
  void contentsAndF1OpenThePageOfTheActiveWindowWhichNamesEveryMenuCommand() {
    QString Guide;
    for (const ui::GuidePage& Page : GuidePages::Contents())
      Guide += GuidePages::PlainText(Page.File).simplified() + ' ';
    ShowMain();
    QCOMPARE(PageShownBy([&] { test::FindAction(*Main, "sdfsdf1")->trigger(); }),
             QString("index.html"));
    QCOMPARE(PageShownBy([&] { QTest::keyClick(Main.get(), Qt::Key_F1); }), QString("index.html"));
    QStringList Texts;
    for (QAction* Top : Main->menuBar()->actions()) CollectTexts(Top->menu(), Texts);
    for (const GameInfo& Game : GameTable()) {
      ui::TGameForm* Form = Main->GameStart(Game.Tag);
      const QString Page = QString::fromUtf8(Game.CliName.data()) + ".html";
      QAction* Contents = MergedContents();
      QVERIFY(Contents);
      QCOMPARE(PageShownBy([&] { Contents->trigger(); }), Page);
      QWidget* Typing = Form->focusWidget() ? Form->focusWidget() : Form;
      QCOMPARE(PageShownBy([&] { QTest::keyClick(Typing, Qt::Key_F1); }), Page);
      for (QAction* Top : Main->menuBar()->actions())
        if (Top->isVisible() && Top->menu()) CollectTexts(Top->menu(), Texts);
    }
    Texts.removeDuplicates();
    for (const QString& Text : Texts)
      QVERIFY2(Guide.contains(Text), qPrintable("The guide does not name \"" + Text + "\""));
  }

  // Back and forward follow the pages shown; the search narrows the contents to the pages that
  // hold the words; the window comes back in the size it was closed in.
  void theHelpWindowGoesBackAndForwardSearchesAndKeepsItsSize() {
    ShowMain();
    THelpWindow* Help = THelpWindow::ShowPage(Main.get(), "index.html");
    auto* Contents = test::Child<QListWidget>(*Help, "ContentsList");
    auto* Search = test::Child<QLineEdit>(*Help, "SearchEdit");
    QAction* Back = test::FindAction(*Help, "BackAction");
    QAction* Forward = test::FindAction(*Help, "ForwardAction");
    QTest::mouseClick(Contents->viewport(), Qt::LeftButton, {},
                      Contents->visualItemRect(Contents->item(3)).center());
    QCOMPARE(Help->ShownPage(), QString("labyrinth.html"));
    QCOMPARE(Help->windowTitle(), QString("Word labyrinth - Vornic Pack Help"));
    Help->Open("grid-settings.html");
    QCOMPARE(Contents->currentItem()->text(), QString("Grid settings"));
    Back->trigger();
    QCOMPARE(Help->ShownPage(), QString("labyrinth.html"));
    Forward->trigger();
    QCOMPARE(Help->ShownPage(), QString("grid-settings.html"));
    QVERIFY(!Forward->isEnabled());
    Search->setText("intersections shuffle");
    QCOMPARE(test::Items(Contents), QStringList{"Word search"});
    Search->setText("no such word anywhere");
    QCOMPARE(Contents->count(), 0);
    Search->clear();
    QCOMPARE(Contents->count(), GuidePages::Contents().size());
    Help->resize(640, 480);
    Help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!THelpWindow::Current());
    Help = THelpWindow::ShowPage(Main.get(), "shortcuts.html");
    QCOMPARE(Help->size(), QSize(640, 480));
    Help->close();
  }
};

QTEST_MAIN(GuideTest)
#include "GuideTest.moc"
