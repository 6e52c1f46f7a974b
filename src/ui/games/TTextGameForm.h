#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/games/TGameForm.h"

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace vornic::ui {

// What the jumbled-text and lost-letters windows share: one line of text in PathEdit (upper
// case) built into a puzzle by Button1 "&Build", F2 or Enter, a "&Show solution" switch kept in
// step with its "&Show Solution" menu item, the grid settings without size or character set,
// and the tool bar of both games. A game supplies Build, DrawTheGame and what Open shows beyond
// the text; the puzzle itself lives in the document and is made by the game's core builder.
class TTextGameForm : public TGameForm {
  Q_OBJECT

 public:
  QLineEdit* PathEdit;
  QPushButton* Button1;  // "&Build"
  QCheckBox* Solution;   // "&Show solution"

  QAction* CopyWords1;       // "Copy &Words to Clipboard": no action, as in the other games
  QAction* WordListEditor1;  // hidden tool button, no action
  QAction* GridSettings1;    // "&Grid settings"
  QAction* Fillblanks1;      // "&Build" (F2)
  QAction* ShowSolution;     // "&Show Solution"
  QToolButton* ToolButton14;

  // Builds the puzzle of the text field into the document and draws it.
  virtual void Build() = 0;
  // Records the puzzle with the solution view as switched and shows it; false (the preview
  // untouched) when there is no puzzle to draw.
  virtual bool DrawTheGame() = 0;

  void NewFile() override;
  bool OpenVornicG(const std::string& FileName) override;

  // Enter builds; returns whether the key was taken.
  bool PathEditKeyDown(int Key);
  // Capitals as typed, one character for one.
  void PathEditChange(const QString& Text);
  // Source: the check box (it was clicked) or the menu item (it flips).
  void SolutionClick(QObject* Source);
  void GridSet();
  // Copies the selected part of the text field.
  void ToolButton14Click();
  void FormResize() override;
  bool TypedTextPending() const override;

 protected:
  // TypeName: the game's, from its descriptor.
  TTextGameForm(std::string_view TypeName, const Answerers& Answer, QWidget* Parent);

  // The text field in the document's code page; nothing, after telling why, for a control
  // character or one the code page cannot hold.
  std::optional<std::string> TypedBytes();
  // Puts a control in the next column of the strip, Below under it.
  void AddStripColumn(QWidget* Top, QWidget* Below = nullptr);
  // After Open put line 0 into the text field: what else the game takes from the file.
  virtual void ShowOpened() {}

  QHBoxLayout* Switches;  // the check boxes under the text field

  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildStrip();
  void BuildGameMenu();
  void BuildToolBar();

  QGridLayout* Strip;
};

}  // namespace vornic::ui
