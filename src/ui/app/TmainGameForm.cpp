#include "ui/app/TmainGameForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include "base/AppPaths.h"
#include "base/DocumentError.h"
#include "document/TVornicGame.h"
#include "games/GameTable.h"
#include "ui/app/AppIcon.h"
#include "ui/app/FileAssociation.h"
#include "ui/app/TAboutForm.h"
#include "ui/app/WindowSettings.h"
#include "ui/games/GameWindows.h"
#include "ui/games/TGameForm.h"

namespace vornic::ui {
namespace {

// The frame whose OpenGameFile the game windows' "&Recent" calls.
const TmainGameForm* RecentOwner = nullptr;

}  // namespace

TmainGameForm::TmainGameForm() : TmainGameForm(Options{}) {}

TmainGameForm::TmainGameForm(const Options& Choices)
    : Start(Choices), MainUi(this, Choices.Answer.Ui) {
  setObjectName(QStringLiteral("mainGameForm"));
  setWindowTitle(QStringLiteral("Vornic Pack"));
  setWindowIcon(AppIcon::Icon());
  setMinimumSize(500, 400);
  // Where the user left it; the first time a size that shows a puzzle comfortably (the
  // described 561 x 437 shrank a 15 x 10 puzzle), centred.
  if (!restoreGeometry(WindowSettings::MainGeometry())) {
    QSize Size = FirstSize;
    if (const QScreen* Screen = screen()) {
      Size = Size.boundedTo(Screen->availableGeometry().size());
      move(Screen->availableGeometry().center() - QPoint(Size.width() / 2, Size.height() / 2));
    }
    resize(Size);
  }

  MdiArea = new QMdiArea(this);
  MdiArea->setObjectName(QStringLiteral("MdiArea"));
  MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(MdiArea);
  // A window being added is announced before it shows; a deactivated program keeps the current
  // window's menus.
  connect(MdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* Frame) {
    MergeMenus(Frame ? qobject_cast<TGameForm*>(Frame->widget()) : ActiveGame());
  });

  BuildMenus();
  // "&Recent" in a game window opens the file in a window of its own game, as Open Game does.
  TGameForm::RecentOpener = [this](const std::string& FileName) { OpenGameFile(FileName); };
  RecentOwner = this;
  FormCreate();
}

TmainGameForm::~TmainGameForm() {
  if (RecentOwner == this) {
    TGameForm::RecentOpener = nullptr;
    RecentOwner = nullptr;
  }
  // The area emits activations while its windows are destroyed; this window is gone by then.
  disconnect(MdiArea, nullptr, this, nullptr);
}

void TmainGameForm::FormCreate() {
  // An installed program's package owns its desktop entry and MIME type; one in the home folder
  // would hide them.
  if (!Start.Associate || AppPaths::Installed()) return;
  const FileAssociation Association(FileAssociation::UserDataFolder());
  try {
    if (Association.Ensure(QCoreApplication::applicationFilePath().toStdString()) &&
        Start.RefreshDesktop)
      Association.RefreshDesktopDatabases();
  } catch (const DocumentError& Failure) {
    MainUi.Tell(ApplicationTitle, Failure.what(), Icon::Error);
  }
}

void TmainGameForm::FormShow() {
  if (Shown) return;
  Shown = true;
  if (Start.StartFile.isEmpty()) return;
  // After the window is on the screen, so that a message about the file has it as its owner.
  QTimer::singleShot(0, this, [this] { OpenGameFile(Start.StartFile.toStdString()); });
}

TGameForm* TmainGameForm::GameStart(int Tag) {
  const GameInfo* Info = FindGameByTag(Tag);
  if (!Info) return nullptr;
  TGameForm* Form = CreateGameWindow(Info->TypeName, Start.Answer);
  if (!Form) return nullptr;
  return AddGameWindow(Form);
}

TGameForm* TmainGameForm::AddGameWindow(TGameForm* Form) {
  QMdiSubWindow* Frame = MdiArea->addSubWindow(Form);
  Frame->setWindowIcon(AppIcon::Icon());
  // The frame's own menu would close the window on Ctrl+W and Ctrl+F4, the keys of the game's
  // "Copy Words to Clipboard" and "Close": the game's menus carry the commands.
  if (QMenu* FrameMenu = Frame->systemMenu())
    for (QAction* Item : FrameMenu->actions()) Item->setShortcuts({});
  Form->Game.OnWrongType = [this](const std::string& FileName, const std::string& GameType) {
    ConfirmOtherType(FileName, GameType);
  };
  Frame->showMaximized();
  MdiArea->setActiveSubWindow(Frame);
  MergeMenus(Form);
  Form->setFocus();
  return Form;
}

void TmainGameForm::Open1Click() {
  OpenGameFile({});
}

void TmainGameForm::OpenGameFile(const std::string& FileName) {
  // A document of no game: its type never matches, so every file it reads is handed on.
  TVornicGame Probe;
  Probe.Init("Test", nullptr);
  Probe.Ui = &MainUi;
  Probe.OnWrongType = [this](const std::string& Name, const std::string& GameType) {
    OpenByType(Name, GameType);
  };
  // Never opened here: the probe hands the file on through OnWrongType, or has told why it
  // cannot be read.
  static_cast<void>(Probe.Open(FileName));
}

void TmainGameForm::OpenByType(const std::string& FileName, const std::string& GameType) {
  const GameInfo* Info = FindGameByTypeName(GameType);
  if (!Info) return;
  if (!HasGameWindow(Info->TypeName)) {
    // The game is known but this build has no window for it yet: say so rather than stay mute.
    MainUi.Tell(ApplicationTitle,
                "This version cannot open " + std::string(Info->TypeName) +
                    " files in a window yet. The command-line tool vornicpack-cli can.",
                Icon::Information);
    return;
  }
  // A damaged file is told before a window of its game appears: a window shown and taken away
  // again would flash up and leave the others un-maximised, with another one active.
  TVornicGame Check;
  Check.Init(std::string(Info->TypeName), nullptr);
  Check.Ui = &MainUi;
  if (!Check.Open(FileName)) return;
  QMdiSubWindow* WasActive = MdiArea->activeSubWindow();
  TGameForm* Form = GameStart(Info->Tag);
  if (!Form) return;
  if (Form->OpenVornicG(FileName)) {
    WindowSettings::AddRecentFile(QString::fromStdString(Form->Game.FileName));
    return;
  }
  // The failure has been told; an empty "Untitled" window in its place would only puzzle.
  if (auto* Frame = qobject_cast<QMdiSubWindow*>(Form->parentWidget())) {
    MdiArea->removeSubWindow(Frame);
    Frame->deleteLater();
  }
  if (WasActive) MdiArea->setActiveSubWindow(WasActive);
}

void TmainGameForm::OpenInOwnWindow(const std::string& FileName, const std::string& GameType) {
  OpenByType(FileName, GameType);
}

void TmainGameForm::ConfirmOtherType(const std::string& FileName, const std::string& GameType) {
  if (MainUi.Ask("Please confirm", "This file is another game type. Do you want to open it anyway?",
                 Buttons::OkCancel, Icon::Question) == Answer::Ok)
    OpenInOwnWindow(FileName, GameType);
}

void TmainGameForm::Maximazeall1Click() {
  for (QMdiSubWindow* Frame : MdiArea->subWindowList(QMdiArea::CreationOrder))
    Frame->showMaximized();
}

void TmainGameForm::Cascadew1Click() {
  MdiArea->cascadeSubWindows();
}

void TmainGameForm::Closeall1Click() {
  const QList<QMdiSubWindow*> Frames = MdiArea->subWindowList(QMdiArea::CreationOrder);
  for (auto Frame = Frames.rbegin(); Frame != Frames.rend(); ++Frame) {
    if (auto* Form = qobject_cast<TGameForm*>((*Frame)->widget())) ShowIfAsking(Form);
    (*Frame)->close();
  }
}

void TmainGameForm::ShowIfAsking(TGameForm* Form) {
  // The questions before closing speak of one window: it is the one in front.
  if (!Form->Game.Modified && !Form->TypedTextPending()) return;
  if (auto* Frame = qobject_cast<QMdiSubWindow*>(Form->parentWidget()))
    MdiArea->setActiveSubWindow(Frame);
}

void TmainGameForm::ExitMain() {
  close();
}

void TmainGameForm::About1Click() {
  TAboutForm About;
  About.exec();
}

QList<TGameForm*> TmainGameForm::GameWindows() const {
  QList<TGameForm*> Forms;
  for (QMdiSubWindow* Frame : MdiArea->subWindowList(QMdiArea::CreationOrder))
    if (auto* Form = qobject_cast<TGameForm*>(Frame->widget()); Form && !Frame->isHidden())
      Forms << Form;
  return Forms;
}

TGameForm* TmainGameForm::ActiveGame() const {
  QMdiSubWindow* Frame = MdiArea->currentSubWindow();
  // A window being closed is hidden before it goes.
  if (!Frame || Frame->isHidden()) return nullptr;
  return qobject_cast<TGameForm*>(Frame->widget());
}

void TmainGameForm::closeEvent(QCloseEvent* Event) {
  for (TGameForm* Form : GameWindows()) {
    ShowIfAsking(Form);
    if (!Form->FormCloseQuery()) {
      Event->ignore();
      return;
    }
  }
  WindowSettings::SetMainGeometry(saveGeometry());
  Event->accept();
}

void TmainGameForm::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  FormShow();
}

}  // namespace vornic::ui
