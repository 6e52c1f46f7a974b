#pragma once

#include <QDialog>
#include <QString>

#include "document/TGridSettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace vornic::ui {

class ColorComboBox;
class DialogPrompts;
class SpinEdit;

// "Grid Settings": edits a copy of a document's settings record and manages the random character
// sets of the settings file. Calling order: construct (lists the character sets), hide the groups
// the game does not use, optionally lower SpinEdit1's minimum, SetProps, exec, on OK GetProps
// and apply what it returns.
// Character sets created or deleted here are written to the settings file at once, whatever
// button closes the dialog.
class TGridForm : public QDialog {
  Q_OBJECT

 public:
  // Prompts carry the confirmation and failure messages; null uses the standard message boxes.
  explicit TGridForm(QWidget* Parent = nullptr, DialogPrompts* Prompts = nullptr);

  // The groups a game's window hides when the game has no such settings.
  QGroupBox* SizeGroup;      // " Grid Size "
  QGroupBox* CellsGroup;     // " Colored Cells "
  QGroupBox* LanguageGroup;  // " Random characters set "

  // Fills the controls from a settings record.
  void SetProps(const TGridSettings& Settings);
  // The settings as edited: Current with the controls' values. Columns and Rows count only
  // while " Grid Size " is shown. The caller applies them (TVornicGame::ApplySettings).
  TGridSettings GetProps(const TGridSettings& Current) const;

  // Lists the character sets of the settings file in Combo1, in file order, none selected.
  void FormCreate();
  // Fits the dialog's height to the groups that are shown, so hidden groups leave no gap.
  void FormShow();
  // "&Create": asks for a new character set and stores it in the settings file.
  void SpeedButton4Click();
  // "&Delete": after confirmation, removes the selected character set from the settings file.
  void SpeedButton2Click();

  // "Ok": refuses a character set whose name the puzzle cannot keep.
  void accept() override;

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  // " Grid Color "
  QGroupBox* ColorGroup;
  QCheckBox* CheckBox1;           // Shadow
  QCheckBox* CheckBox2;           // GridLines
  ColorComboBox* ColorComboBox1;  // LineColor
  ColorComboBox* ColorComboBox2;  // BackColor
  // " Grid Size "
  SpinEdit* SpinEdit2;  // Cols
  SpinEdit* SpinEdit1;  // Rows
  // " Grid Font "
  QGroupBox* FontGroup;
  ColorComboBox* ColorComboBox3;  // FontColor
  QComboBox* Combo2;              // Charset, through CharsetNames
  QCheckBox* CheckBox3;           // Bold
  // " Colored Cells "
  ColorComboBox* ColorComboBox5;  // MarkFontColor
  ColorComboBox* ColorComboBox6;  // MarkBackColor
  // " Random characters set "
  QComboBox* Combo1;          // Language
  QPushButton* SpeedButton4;  // "&Create"
  QPushButton* SpeedButton2;  // "&Delete"
  // The bottom panel
  QWidget* ButtonPanel;
  QPushButton* CancelButton;
  QPushButton* OkButton;

  void BuildColorGroup();
  void BuildSizeGroup();
  void BuildFontGroup();
  void BuildCellsGroup();
  void BuildLanguageGroup();
  void BuildButtonPanel();

  // Combo1's selection changed: a name the puzzle cannot keep is told and the selection goes
  // back to the last usable one.
  void Combo1Change(int Index);
  // Selects Index in Combo1 without the check of Combo1Change.
  void SelectLanguage(int Index);
  // Why the character set at Index cannot be a puzzle's Language with the given font character
  // set (too long, or not writable in its code page); empty when it can.
  QString LanguageProblem(int Index, int Charset) const;
  // The index of Name in Combo1, compared without regard to case as the settings file does.
  int FindLanguage(const QString& Name) const;

  DialogPrompts& Prompts;
  int UsableLanguage = -1;
  bool Selecting = false;
};

}  // namespace vornic::ui
