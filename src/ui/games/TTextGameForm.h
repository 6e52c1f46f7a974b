#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "games/GameDescriptor.h"
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
// no word list, and the tool bar of both games with the copy of the text field's selection. A
// game supplies its input and view types for its descriptor and what Open shows beyond the text;
// the puzzle lives in the document and is built and drawn by the game's descriptor.
class TTextGameForm : public TGameForm {
  Q_OBJECT

 public:
  // Builds the puzzle of the text field into the document and draws it; a refused text is told
  // and the document keeps its puzzle.
  void Build();
  // Records the puzzle with the solution view as switched; an empty puzzle draws nothing.
  void DrawTheGame();

  void NewFile() override;
  bool OpenVornicG(const std::string& FileName) override;

  // Enter builds; returns whether the key was taken.
  bool PathEditKeyDown(int Key);
  // Capitals as typed, one character for one.
  void PathEditChange(const QString& Text);
  // Source: the check box (it was clicked) or the menu item (it flips).
  void SolutionClick(QObject* Source);
  // Copies the selected part of the text field.
  void ToolButton14Click();
  bool TypedTextPending() const override;

 protected:
  QLineEdit* PathEdit;
  QPushButton* Button1;  // "&Build"
  QCheckBox* Solution;   // "&Show solution"

  QAction* Fillblanks1;   // "&Build" (F2)
  QAction* ShowSolution;  // "&Show Solution"
  QToolButton* ToolButton14;

  // TypeName: the game's, from its descriptor.
  TTextGameForm(std::string_view TypeName, const Answerers& Answer, QWidget* Parent);

  // What the game's descriptor builds from the window's controls, and the view they switch on.
  virtual std::unique_ptr<GameInput> TypedInput() const = 0;
  virtual std::unique_ptr<GameView> ShownView() const = 0;
  // Puts a control in the next column of the strip, Below under it.
  void AddStripColumn(QWidget* Top, QWidget* Below = nullptr);
  // After Open put line 0 into the text field: what else the game takes from the file.
  virtual void ShowOpened() {}
  void SettingsApplied(bool SizeChanged) override;

  QHBoxLayout* Switches;  // the check boxes under the text field

  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildStrip();
  void BuildGameMenu();
  void BuildCopyTool();

  QGridLayout* Strip;
};

}  // namespace vornic::ui
