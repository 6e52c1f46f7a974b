#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "document/TVornicGame.h"
#include "ui/app/Answerers.h"
#include "ui/app/QtUserInterface.h"

class QAction;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QToolBar;
class QVBoxLayout;

namespace vornic {
class GameDescriptor;
}

namespace vornic::ui {

class TPreviewImage;
class WorksheetCommands;

// The frame every game window shares: the document Game, the tool bar over the " Preview: "
// group with Image1, the "&File", "&Export", "&Game" and "&Help" menus with the commands every
// game has (files, picture exports, worksheets, "Copy &Words to Clipboard", the word list
// editor, the grid settings, "Zoom to fit"). The preview follows the document: it is painted
// again whenever the document's picture changes. A game adds its own controls and commands
// (after the frame's in the "&Game" menu, before "About" on the tool bar) and implements
// NewFile, OpenVornicG and what the shared commands do for it. The menus are not shown by the
// window itself: the main window merges them into its menu bar while the window is active.
//
// Calling order for a game: construct (the frame builds its controls and calls Game.Init with
// the game's type name and this window), build the game's controls, seed the generator, NewFile.
class TGameForm : public QWidget {
  Q_OBJECT

 public:
  // How a game's window uses the frame's shared parts.
  struct FrameLayout {
    // The word list editor and "Copy &Words to Clipboard": Edited, in the menus with a tool
    // button for the editor; Greyed, in the menus but disabled, for a game without a word list;
    // Hidden, the editor not offered at all (Copy Words stays, doing what the game says).
    enum class WordListUse { Edited, Greyed, Hidden };
    WordListUse WordList = WordListUse::Edited;
    // The tool bar order of the text games: the game's settings right after the file buttons,
    // then the picture copied before it is saved.
    bool SettingsFirst = false;
    // The parts of the grid settings dialog the game shows.
    bool GridSize = true;
    bool GridCells = true;
    bool GridLanguage = true;
  };

  TGameForm(const std::string& GameName, const Answerers& Answer, const FrameLayout& Layout,
            QWidget* Parent = nullptr);
  ~TGameForm() override;

  TVornicGame Game;

  QToolBar* ToolBar1;
  QGroupBox* Preview;
  TPreviewImage* Image1;

  QMenu* FileMenu;    // "&File"
  QMenu* ExportMenu;  // "&Export"
  QMenu* GameMenu;    // "&Game": the word list editor and grid settings, then the game's own
  QMenu* HelpMenu;    // "&Help"

  QAction* New1;
  QAction* Open1;
  QAction* Save1;
  QAction* Saveas1;
  QAction* Exit1;
  QAction* Savetofile1;
  QAction* CopyImage1;
  QAction* CopyasText1;
  QAction* Contents1;
  QAction* About1;
  QAction* CopyWords1;       // "Copy &Words to Clipboard"
  QAction* WordListEditor1;  // "&Word List Editor"
  QAction* GridSettings1;    // "&Grid settings"
  QMenu* Recent1;            // "&Recent" in "&File": the last puzzles opened or saved, of any game
  // "Zoom to fit" at the end of the "&Game" menu: the preview enlarges the picture to fill it.
  // Remembered for every window.
  QAction* ZoomToFit1;

  // How "&Recent" opens a file: the main window sets it to open the file in a new window of
  // its game. Unset (a window on its own), the window opens the file itself.
  static std::function<void(const std::string& FileName)> RecentOpener;

  // Worksheets: "&Print...", "Print Pre&view..." (File) and "Save &worksheet as PDF..." (Export).
  QAction* Print1;
  QAction* PrintPreview1;
  QAction* SaveWorksheet1;
  WorksheetCommands* Worksheets;
  // "Save w&eb page to solve..." (Export): the puzzle as a web page to solve in a browser.
  QAction* SaveWebPage1;

  // The game's new-file routine: an untitled document of the game's starting size.
  virtual void NewFile() = 0;
  // Opens a game file in this window (an empty name lets the document ask for one) and shows
  // it; false when nothing was opened.
  virtual bool OpenVornicG(const std::string& FileName) = 0;

  void Open1Click();
  void Save1Click();
  void Saveas1Click();
  // Closes the window (its MDI frame inside the main window).
  void Exit1Click();
  void Savetofile1Click();
  // "&Copy image to Clipboard" (CopyText in the design, though it copies the picture).
  virtual void CopyImage();
  // "Copy as &Text" (SaveAsT in the design): the game's text export on the clipboard, the grid
  // as a text table or the jumble's hint list.
  virtual void CopyTextTable();
  // "&Contents" (F1): the guide at this game's page.
  void Contents1Click();
  void About1Click();
  // "Copy &Words to Clipboard": the game's words; nothing for a game without that command.
  virtual void CopyWords() {}
  // "&Word List Editor": the game's list edited in the word list editor.
  virtual void ListEdit() {}
  // "&Grid settings": the dialog with the parts the game shows; what was accepted goes into the
  // document and then to SettingsApplied.
  void GridSet();
  // Whether the window may close: first whether typed text may be lost, then the document's
  // save-changes question.
  bool FormCloseQuery();
  // Whether text typed in the window's inputs is not in the puzzle (neither entered nor built),
  // so that closing the window would lose it.
  virtual bool TypedTextPending() const { return false; }
  void FormClose();
  // The preview follows the window's size.
  virtual void FormResize();
  // "Zoom to fit" switched: remembered, and the preview painted again.
  void ZoomToFit1Click(bool On);

  // The game of the window's document: how it is built, drawn and exported.
  const GameDescriptor& Descriptor() const;
  UserInterface& Ui() { return WindowUi; }
  const Answerers& Answer() const { return Answering; }

 protected:
  // Where the game puts its panel, to the right of the preview.
  QHBoxLayout* Body;
  // The tool bar over the preview; a game's input strip goes between them.
  QVBoxLayout* PreviewColumn;

  // Puts a game's input strip (a row of controls) between the tool bar and the preview.
  void AddInputStrip(QWidget* Strip);
  // Puts a game's own tool buttons, as a group of their own, before "About".
  void AddGameTools(const QList<QAction*>& Tools);
  void AddGameTool(QWidget* Tool);
  // After the grid settings were taken into the document: the game shows them. SizeChanged: the
  // grid was cleared for its new size.
  virtual void SettingsApplied(bool SizeChanged) = 0;

  // Ctrl+C in Edit while it has no selected text copies the picture ("&Copy image to
  // Clipboard"), instead of being swallowed by the edit; with selected text it copies the text.
  void PassCopyToImage(QLineEdit* Edit);
  bool eventFilter(QObject* Watched, QEvent* Event) override;

  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  void BuildActions();
  void BuildSharedGameActions();
  void BuildMenus();
  void BuildToolBar();
  // Items every game's "&Game" menu ends with; added when the window is first shown, after
  // the game built its menu.
  void AddFrameGameItems();
  void OpenRecent(const QString& FileName);

  FrameLayout Uses;
  Answerers Answering;
  QtUserInterface WindowUi;
  QList<QPointer<QLineEdit>> CopyPassingEdits;
};

}  // namespace vornic::ui
