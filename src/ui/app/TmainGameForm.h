#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>
#include <string>

#include "ui/app/Answerers.h"
#include "ui/app/QtUserInterface.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace vornic::ui {

class TGameForm;

// The program's frame: game windows live in its MDI area. It starts new games from the game
// table, opens game files of any game in a window of the right kind, keeps the ".gm" file
// association, and offers the window commands, the about box and exit. While a game window is
// active, its "&File", "&Export" and "&Game" menus stand between "&New" and "&Window" and its
// "&Help" takes the place of the frame's own.
class TmainGameForm : public QMainWindow {
  Q_OBJECT

 public:
  struct Options {
    // The first command-line argument: a game file opened when the window is first shown.
    QString StartFile;
    Answerers Answer;
    // Write the file association under $XDG_DATA_HOME when it does not point here yet, and
    // ask the desktop's tools to read it. An installed program never does: its package owns
    // the association.
    bool Associate = true;
    bool RefreshDesktop = true;
  };

  TmainGameForm();
  explicit TmainGameForm(const Options& Choices);
  ~TmainGameForm() override;

  // The size the frame opens with the first time: a 15 x 10 puzzle shows at its own size with
  // room to spare; smaller where the screen is.
  static constexpr QSize FirstSize{960, 680};

  // The file association; a failure is told and start-up goes on.
  void FormCreate();
  // The first showing opens the start file.
  void FormShow();
  // A new untitled game window for the Tag of the game table, maximised and active; null for a
  // Tag outside the table or a game without a window.
  TGameForm* GameStart(int Tag);
  void Open1Click();
  // Opens a game file of any game (an empty name asks for one) in a new window of its game.
  void OpenGameFile(const std::string& FileName);
  // A new window of GameType's game with the file; a file that fails to open there leaves no
  // window behind.
  void OpenByType(const std::string& FileName, const std::string& GameType);
  // P1 in the design: the published way to open a file of another game in its own window.
  void OpenInOwnWindow(const std::string& FileName, const std::string& GameType);
  // The documents' answer to a file of another game: ask, and on OK open it in its own window.
  void ConfirmOtherType(const std::string& FileName, const std::string& GameType);
  void Maximazeall1Click();
  void Cascadew1Click();
  // Asks every game window to close, the last first; a window kept open by Cancel does not stop
  // the others from being asked.
  void Closeall1Click();
  // Closes the main window, which first asks the game windows in turn and stops at a Cancel.
  void ExitMain();
  void About1Click();

  // The game windows in the order they were created.
  QList<TGameForm*> GameWindows() const;
  // The game window whose menus are merged: the current one, even while the program is not the
  // active application.
  TGameForm* ActiveGame() const;

  UserInterface& Ui() { return MainUi; }

 protected:
  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  QMdiArea* MdiArea;

  // The object names are the described ones; the members say what they are where those names
  // do not (given after each).
  QMenu* NewMenu;  // VornicGame1 "&New"
  QAction* GameWizard1;
  QAction* WizardSeparator;      // N2, hidden
  QMenu* NewGameMenu;            // S1 "&New Game"
  QList<QAction*> NewGameItems;  // in the order of the game table
  QAction* Open1;
  QMenu* Recent1;          // "&Recent": the last puzzles opened or saved
  QAction* ExitSeparator;  // N1
  QAction* Exit1;
  QMenu* Window1;  // "&Window"
  QAction* Maximazeall1;
  QAction* Cascadew1;
  QAction* Closeall1;
  QMenu* Help1;             // "&Help"
  QAction* HelpContents;    // sdfsdf1 "&Contents" (F1): the guide
  QAction* AboutSeparator;  // N3
  QAction* About1;

  void BuildMenus();
  void BuildNewMenu();
  void BuildWindowMenu();
  void BuildHelpMenu();
  void ListWindows();
  void MergeMenus(TGameForm* Form);
  TGameForm* AddGameWindow(TGameForm* Form);
  // Before a window's questions on closing: a window that will ask comes to the front.
  void ShowIfAsking(TGameForm* Form);

  Options Start;
  QtUserInterface MainUi;
  bool Shown = false;
  QList<QPointer<QAction>> Merged;
  QList<QAction*> WindowItems;
};

}  // namespace vornic::ui
