#pragma once

#include <QDialog>

#include "worksheet/WorksheetPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vornic::ui {

// "Worksheet": the choices for printing, previewing or saving a puzzle's worksheet: the title
// (empty: the file name), the paper, the name line, and whether the answer key page follows.
// Paper, name line and answer key are remembered between runs; the title belongs to the puzzle.
class TWorksheetForm : public QDialog {
  Q_OBJECT

 public:
  // FileTitle is what an empty title stands for, shown greyed in the title line.
  explicit TWorksheetForm(const QString& FileTitle, QWidget* Parent = nullptr);

  QLineEdit* TitleEdit;
  QComboBox* PageBox;  // "A4", "Letter"
  QCheckBox* NameLineBox;
  QCheckBox* AnswersBox;

  // The choices shown; the remembered ones when the dialog opens.
  WorksheetOptions Options() const;
  void SetOptions(const WorksheetOptions& Options);

  // The remembered choices (the locale's paper, name line and answer key on, when none are);
  // Remember keeps the paper, name line and answer key for the next run.
  static WorksheetOptions Remembered();
  static void Remember(const WorksheetOptions& Options);
};

}  // namespace vornic::ui
