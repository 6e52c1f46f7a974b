#pragma once

#include <QDialog>

#include "worksheet/WorksheetPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vornic {
class TVornicGame;
}

namespace vornic::ui {

// "Worksheet": the choices for printing, previewing or saving a puzzle's worksheet: the title
// (empty: the file name), the paper, the name line, the instruction (the game's own until
// edited; empty: none), the word list, the answer key and how it marks words, large print.
// Every choice is remembered between runs: the title for each puzzle file, the instruction for
// each game, the others for all worksheets.
class TWorksheetForm : public QDialog {
  Q_OBJECT

 public:
  // For the worksheet of Game, with its remembered choices.
  explicit TWorksheetForm(const TVornicGame& Game, QWidget* Parent = nullptr);

  // The choices shown; the remembered ones when the dialog opens.
  WorksheetOptions Options() const;
  void SetOptions(const WorksheetOptions& Options);

  // The choices remembered for Game's worksheet (the locale's paper, name line and answer key
  // on, the game's own instruction, when none are); Remember keeps Options for the next run.
  static WorksheetOptions Remembered(const TVornicGame& Game);
  static void Remember(const TVornicGame& Game, const WorksheetOptions& Options);

 private:
  QLineEdit* TitleEdit;
  QComboBox* PageBox;  // "A4", "Letter"
  QCheckBox* NameLineBox;
  QLineEdit* InstructionsEdit;
  QComboBox* WordListBox;  // hidden, sorted, in the order placed
  QCheckBox* AnswersBox;
  QComboBox* KeyStyleBox;  // lines, outlines
  QCheckBox* LargePrintBox;

  QString DefaultInstruction;
};

}  // namespace vornic::ui
