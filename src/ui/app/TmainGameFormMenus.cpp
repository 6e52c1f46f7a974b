// The main window's menus, the list of game windows in "&Window", and the merging of the active
// game window's menus into the menu bar.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "games/GameTable.h"
#include "ui/app/TmainGameForm.h"
#include "ui/games/GameWindows.h"
#include "ui/games/RecentMenu.h"
#include "ui/games/TGameForm.h"
#include "ui/help/GuidePages.h"
#include "ui/help/THelpWindow.h"

namespace vornic::ui {
namespace {

QAction* AddItem(QMenu* Menu, const char* Name, const char* Text) {
  QAction* Item = Menu->addAction(QString::fromUtf8(Text));
  Item->setObjectName(QString::fromLatin1(Name));
  return Item;
}

QAction* AddSeparator(QMenu* Menu, const char* Name) {
  QAction* Item = Menu->addSeparator();
  Item->setObjectName(QString::fromLatin1(Name));
  return Item;
}

QMenu* AddMenu(QWidget* Owner, const char* Name, const char* Text) {
  auto* Menu = new QMenu(QString::fromUtf8(Text), Owner);
  Menu->setObjectName(QString::fromLatin1(Name));
  Menu->menuAction()->setObjectName(QString::fromLatin1(Name));
  return Menu;
}

}  // namespace

void TmainGameForm::BuildMenus() {
  BuildNewMenu();
  BuildWindowMenu();
  BuildHelpMenu();
  menuBar()->addMenu(NewMenu);
  menuBar()->addMenu(Window1);
  menuBar()->addMenu(Help1);
}

void TmainGameForm::BuildNewMenu() {
  NewMenu = AddMenu(this, "VornicGame1", "&New");
  GameWizard1 = AddItem(NewMenu, "GameWizard1", "&Game Wizard");
  GameWizard1->setVisible(false);
  WizardSeparator = AddSeparator(NewMenu, "N2");
  WizardSeparator->setVisible(false);
  NewGameMenu = AddMenu(this, "S1", "&New Game");
  NewMenu->addMenu(NewGameMenu);
  for (const GameInfo& Game : GameTable()) {
    QAction* Item =
        NewGameMenu->addAction(QString::fromUtf8(Game.Caption.data(), Game.Caption.size()));
    Item->setObjectName(QString::fromUtf8(Game.MenuItem.data(), Game.MenuItem.size()));
    Item->setProperty("Tag", Game.Tag);
    Item->setEnabled(HasGameWindow(Game.TypeName));
    connect(Item, &QAction::triggered, this,
            [this, Item] { GameStart(Item->property("Tag").toInt()); });
    NewGameItems.append(Item);
  }
  Open1 = AddItem(NewMenu, "Open1", "&Open Game");
  Recent1 =
      MakeRecentMenu(NewMenu, [this](const QString& Name) { OpenGameFile(Name.toStdString()); });
  NewMenu->addMenu(Recent1);
  ExitSeparator = AddSeparator(NewMenu, "N1");
  Exit1 = AddItem(NewMenu, "Exit1", "&Exit");
  connect(Open1, &QAction::triggered, this, &TmainGameForm::Open1Click);
  connect(Exit1, &QAction::triggered, this, &TmainGameForm::ExitMain);
}

void TmainGameForm::BuildWindowMenu() {
  Window1 = AddMenu(this, "Window1", "&Window");
  Maximazeall1 = AddItem(Window1, "Maximazeall1", "&Maximaze all");
  Cascadew1 = AddItem(Window1, "Cascadew1", "&Cascade");
  Closeall1 = AddItem(Window1, "Closeall1", "Close &all");
  connect(Maximazeall1, &QAction::triggered, this, &TmainGameForm::Maximazeall1Click);
  connect(Cascadew1, &QAction::triggered, this, &TmainGameForm::Cascadew1Click);
  connect(Closeall1, &QAction::triggered, this, &TmainGameForm::Closeall1Click);
  connect(Window1, &QMenu::aboutToShow, this, &TmainGameForm::ListWindows);
}

void TmainGameForm::BuildHelpMenu() {
  Help1 = AddMenu(this, "Help1", "&Help");
  HelpContents = AddItem(Help1, "sdfsdf1", "&Contents");
  HelpContents->setShortcut(QKeySequence(Qt::Key_F1));
  AboutSeparator = AddSeparator(Help1, "N3");
  About1 = AddItem(Help1, "About1", "&About");
  connect(About1, &QAction::triggered, this, &TmainGameForm::About1Click);
  connect(HelpContents, &QAction::triggered, this,
          [this] { THelpWindow::ShowPage(this, QString::fromLatin1(GuidePages::MainPage)); });
}

void TmainGameForm::ListWindows() {
  // The open game windows after the commands, the current one checked, as the platform's MDI
  // frame listed them.
  for (QAction* Item : WindowItems) {
    Window1->removeAction(Item);
    delete Item;
  }
  WindowItems.clear();
  const QList<QMdiSubWindow*> Frames = MdiArea->subWindowList(QMdiArea::CreationOrder);
  if (Frames.isEmpty()) return;
  WindowItems << Window1->addSeparator();
  int Number = 0;
  for (QMdiSubWindow* Frame : Frames) {
    if (Frame->isHidden()) continue;
    ++Number;
    QString Text = Frame->windowTitle();
    Text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* Item =
        Window1->addAction(Number < 10 ? QStringLiteral("&%1 %2").arg(Number).arg(Text) : Text);
    Item->setCheckable(true);
    Item->setChecked(Frame == MdiArea->currentSubWindow());
    connect(Item, &QAction::triggered, MdiArea,
            [this, Frame] { MdiArea->setActiveSubWindow(Frame); });
    WindowItems << Item;
  }
}

void TmainGameForm::MergeMenus(TGameForm* Form) {
  QMenuBar* Bar = menuBar();
  for (const QPointer<QAction>& Item : Merged)
    if (Item) Bar->removeAction(Item);
  Merged.clear();
  Help1->menuAction()->setVisible(Form == nullptr);
  // One F1 at a time: the active game window's "&Contents" opens its game's page.
  HelpContents->setEnabled(Form == nullptr);
  if (!Form) return;
  for (QMenu* Menu : {Form->FileMenu, Form->ExportMenu, Form->GameMenu}) {
    if (!Menu) continue;
    Bar->insertAction(Window1->menuAction(), Menu->menuAction());
    Merged << Menu->menuAction();
  }
  Bar->insertAction(Help1->menuAction(), Form->HelpMenu->menuAction());
  Merged << Form->HelpMenu->menuAction();
}

}  // namespace vornic::ui
