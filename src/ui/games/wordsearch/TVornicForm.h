#pragma once

#include <array>
#include <string>

#include "games/GameTable.h"
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
  static constexpr const char* TypeName = GameTypeName::WordSearch;
  static constexpr int StartCols = WordSearchDescriptor::StartCols;
  static constexpr int StartRows = WordSearchDescriptor::StartRows;

  explicit TVornicForm(const Answerers& Answer = {}, QWidget* Parent = nullptr);

  // " Game: "
  QGroupBox* GameGroup;
  QLineEdit* Edit1;
  QPushButton* Button1;       // "&Enter word"
  QPushButton* SpeedButton8;  // "&Fill Blanks"
  QPushButton* SpeedButton7;  // "&Clear all"
  QListWidget* ListBox1;
  QPushButton* SpeedButton9;  // "&Shuffle"
  QPushButton* SpeedButton6;  // "&Refresh"
  QLabel* DirectionsLabel;
  std::array<QCheckBox*, 8> CheckBoxes;  // CheckBox1 to CheckBox8, by Tag - 1
  QCheckBox* Intersect;

  QAction* CopyWords1;       // "Copy &Words to Clipboard"
  QAction* WordListEditor1;  // "&Word List Editor"
  QAction* GridSettings1;    // "&Grid settings"
  QAction* FillBlanks1;
  QAction* ClearAll1;
  QAction* Shuffle1;
  QAction* Refresh1;

  void NewFile() override;
  bool OpenVornicG(const std::string& FileName) override;

  void Enter();
  // Enter places the typed word, Escape empties Edit1; returns whether the key was taken.
  bool Edit1KeyDown(int Key);
  // A click on the word list: the word of row Index highlighted in the preview.
  void ListBox1DblClick(int Index);
  void FullRefresh();
  void FillBlanks();
  void DeleteAll();
  void Reord();
  void ListEdit();
  void GridSet();
  // The list shows the words in the document's script.
  void SetCharset();
  // "Copy &Words to Clipboard": the listed words, each followed by CR LF.
  void GameList();
  // A direction check box was clicked: its state becomes the direction's flag.
  void CheckBox1Click(QCheckBox* Box);

  const WordSearchPlacer& Placement() const { return Placer; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildGamePanel();
  void BuildGameMenu();
  QPushButton* AddPanelButton(const char* Name, const char* Text, bool TakesFocus);
  // ListBox1 from the placer's list, decoded in the document's code page.
  void ShowList();
  void CheckAllDirections();
  void Edit1Edited(const QString& Text);

  WordSearchPlacer Placer;
  bool Listing = false;
};

}  // namespace vornic::ui
