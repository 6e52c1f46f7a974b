#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/maze/MazeDescriptor.h"
#include "games/maze/MazeGame.h"
#include "ui/games/TGameForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vornic::ui {

// The word maze window: a title phrase and a word list typed on the right, one of the grid
// sizes whose cells equal their letters, and the built maze in the preview with the phrase
// highlighted. The window reads its edits and hands them to the core's maze game; it keeps
// only the built flag (the enabled state of "&Refresh") and the size list.
class TWordMazeForm : public TGameForm {
  Q_OBJECT

 public:
  static constexpr std::string_view TypeName = MazeDescriptor::Name.TypeName;
  static constexpr int StartCols = 15;
  static constexpr int StartRows = 10;

  explicit TWordMazeForm(const Answerers& Answer = {}, QWidget* Parent = nullptr);

  void NewFile() override;
  bool OpenVornicG(const std::string& FileName) override;

  bool Built() const;
  // Enables or disables the output group: saving, export, "&Build game" (with a size chosen)
  // and "&Refresh".
  void GroupEnable(bool Flag);
  // The size list for the letters typed, or under it why none fits; the built maze stays.
  void Calculate();
  void SizeListBoxClick();
  void Build();
  void FullRefresh();
  void DeleteAll();
  void edtFraseDblClick();
  // Highlights the word on Line (0-based, the caret's) when the built maze holds it.
  void UserWrdListDblClick(int Line);
  // "Copy &Words to Clipboard" (GameList in the design): the phrase and the sorted words.
  void CopyWords() override;
  void ListEdit() override;

  // The lines of the word list as typed.
  QStringList WordLines() const;

  bool TypedTextPending() const override;

 protected:
  void SettingsApplied(bool SizeChanged) override;
  void ControlsRestored() override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  // " Title phrase: "
  QGroupBox* GroupBox1;
  QLineEdit* edtFrase;
  QPushButton* Button1;       // "&Build game"
  QPushButton* SpeedButton7;  // "&Clear all"
  QPlainTextEdit* UserWrdList;
  QPushButton* SpeedButton6;  // "&Refresh"; enabled = the window's built flag
  QLabel* Label1;             // "Game size:"
  QListWidget* SizeListBox;
  QLabel* SizeHint;  // under the list when no size fits: the letter count and the nearest sizes

  QAction* BuildGame1;  // "&Build Game"
  QAction* ClearAll1;   // "&Clear all"
  QAction* Update1;     // "&Refresh"

  void BuildPanel();
  void SetBuildable(bool On);
  void BuildMaze();
  void BuildGameMenu();
  // The phrase and the words as document bytes, for Copy Words; a refusal is told and gives
  // nothing.
  std::optional<MazeInput> ReadInput();
  // Replaces the word list's text without it counting as typing.
  void SetWordLines(const QStringList& Lines);
  void edtFraseEdited(const QString& Text);
  void UserWrdListChange();

  bool Filling = false;
};

}  // namespace vornic::ui
