#pragma once

#include <optional>
#include <string>

#include "games/EntryPath.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "ui/games/TGameForm.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vornic::ui {

// The word labyrinth window: one text typed in the strip above the preview, the grid size from
// the grid settings, and four switches that choose what the picture shows (with the lines it
// is the solution, with letters and start mark only the puzzle). Saving and export are always
// enabled: the picture always shows the document as it is.
class TLabirintForm : public TGameForm {
  Q_OBJECT

 public:
  static constexpr std::string_view TypeName = LabyrinthDescriptor::Name.TypeName;
  static constexpr int StartCols = 15;
  static constexpr int StartRows = 10;

  explicit TLabirintForm(const Answerers& Answer = {}, QWidget* Parent = nullptr);

  void NewFile() override;
  bool OpenVornicG(const std::string& FileName) override;

  // "&Build": the labyrinth of the typed text on the document's grid size.
  void Enter();
  // The picture as the four switches ask.
  void DoPaint();
  void cbPathClick();

  LabyrinthView View() const;
  // Where the start mark goes: the first cell of the main path.
  std::optional<GridCell> StartCell() const;

 protected:
  void SettingsApplied(bool SizeChanged) override;
  bool TypedTextPending() const override;

 private:
  QWidget* Panel2;
  QLineEdit* Edit1;
  QPushButton* Button1;  // "&Build"
  QCheckBox* cbPath;     // "Show &Path"
  QCheckBox* cbTrap;     // "Show &Traps"
  QCheckBox* cbText;     // "Show &Text"
  QCheckBox* cbStart;    // "Show &Start"

  // The labyrinth has no word list and nothing to fill, shuffle or refresh: these items are shown
  // for a menu like the other games' but greyed, so that they do not seem to fail.
  QAction* FillBlanks1;
  QAction* ClearAll1;
  QAction* Reorder1;
  QAction* Refresh1;

  void BuildInputStrip();
  void BuildGameMenu();
  void Edit1Edited(const QString& Text);
};

}  // namespace vornic::ui
