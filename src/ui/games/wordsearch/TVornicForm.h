#pragma once

#include <array>
#include <string>

#include "games/wordsearch/WordSearchDescriptor.h"
#include "games/wordsearch/WordSearchPlacer.h"
#include "ui/games/TGameForm.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vornic::ui {

// The word search window: words typed into Edit1 are placed at random in the enabled
// directions, listed in ListBox1 and shown in the preview; a click on a listed word highlights
// it. The placement state (the list, the eight directions, Intersections) belongs to this window
// alone; the document keeps the grid and the placed words.
class TVornicForm : public TGameForm {
  Q_OBJECT

 public:
  static constexpr std::string_view TypeName = WordSearchDescriptor::Name.TypeName;
  static constexpr int StartCols = WordSearchDescriptor::StartCols;
  static constexpr int StartRows = WordSearchDescriptor::StartRows;

  explicit TVornicForm(const Answerers& Answer = {}, QWidget* Parent = nullptr);

  void NewFile() override;
  bool OpenVornicG(const std::string& FileName) override;

  void Enter();
  // Enter places the typed word, Escape empties Edit1; returns whether the key was taken.
  bool Edit1KeyDown(int Key);
  // The user chose the word of row Index in the list (a click, or the keys): it is highlighted
  // in the preview (ListBox1DblClick in the design, which binds it to a single click).
  void ShowChosenWord(int Index);
  // The grid without a highlight; the list then has no chosen word.
  void FullRefresh();
  // Fills the blanks without a second reading of any word; says so when the character set is
  // too small for that.
  void FillBlanks();
  void DeleteAll();
  // "&Shuffle" (Reord in the design): the list placed afresh.
  void Shuffle();
  void ListEdit() override;
  // The list shows the words in the document's script.
  void SetCharset();
  // "Copy &Words to Clipboard" (GameList in the design): the listed words, each followed by
  // CR LF.
  void CopyWords() override;
  // A direction check box was clicked: its state becomes the direction's flag.
  void CheckBox1Click(QCheckBox* Box);

  const WordSearchPlacer& Placement() const { return Placer; }

  // A new size shows the grid afresh, without a highlight.
  void FormResize() override;

  bool TypedTextPending() const override;

 protected:
  // A new size: the list placed again on the cleared grid.
  void SettingsApplied(bool SizeChanged) override;
  // A step keeps the list of placed words; the directions and Intersections follow their boxes.
  QVariant StepState() const override;
  void RestoreStepState(const QVariant& State) override;
  void ControlsRestored() override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // " Game: ". The buttons' object names are the described ones (Button1, SpeedButton6 to 9).
  QGroupBox* GameGroup;
  QLineEdit* Edit1;
  QPushButton* EnterButton;       // Button1 "&Enter word"
  QPushButton* FillBlanksButton;  // SpeedButton8 "&Fill Blanks"
  QPushButton* ClearAllButton;    // SpeedButton7 "&Clear all"
  QListWidget* ListBox1 = nullptr;
  QPushButton* ShuffleButton;  // SpeedButton9 "&Shuffle"
  QPushButton* RefreshButton;  // SpeedButton6 "&Refresh"
  QLabel* DirectionsLabel;
  std::array<QCheckBox*, 8> CheckBoxes;  // CheckBox1 to CheckBox8, by Tag - 1
  QCheckBox* Intersect;

  QAction* FillBlanks1;
  QAction* ClearAll1;
  QAction* Shuffle1;
  QAction* Refresh1;

  void BuildGamePanel();
  void BuildGameMenu();
  QPushButton* AddPanelButton(const char* Name, const char* Text, bool TakesFocus);
  // ListBox1 from the placer's list, decoded in the document's code page.
  void ShowList();
  void CheckAllDirections();
  void Edit1Edited(const QString& Text);

  WordSearchPlacer Placer;
  bool Listing = false;
  // True while the list handles a key: a row it then makes current is the user's choice, unlike
  // the first row that taking the focus makes current.
  bool ChoosingByKey = false;
};

}  // namespace vornic::ui
