#pragma once

#include "games/lostletters/LostLettersDescriptor.h"
#include "ui/games/TTextGameForm.h"

class QLabel;

namespace vornic::ui {

class SpinEdit;

// The lost-letters window: the text cut into SpinEdit1 rows whose columns are mixed, above an
// answer block with the word gaps marked. The core's LostLettersBuilder makes the puzzle and
// LostLettersDrawing draws it; a change of the line count builds again at once.
class TLostLettersForm : public TTextGameForm {
  Q_OBJECT

 public:
  static constexpr std::string_view TypeName = LostLettersDescriptor::Name.TypeName;

  explicit TLostLettersForm(const Answerers& Answer = {}, QWidget* Parent = nullptr);

 protected:
  std::unique_ptr<GameInput> TypedInput() const override;
  std::unique_ptr<GameView> ShownView() const override;
  // The line count from the stored rows, without building, the picture of two blocks, and the
  // text's padding spaces selected so that they show.
  void ShowOpened() override;

 private:
  SpinEdit* SpinEdit1;  // the line count, 2 to 40
  QLabel* Label1;       // "Lines"
};

}  // namespace vornic::ui
