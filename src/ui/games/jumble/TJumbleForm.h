#pragma once

#include "games/jumble/JumbleDescriptor.h"
#include "ui/games/TTextGameForm.h"

namespace vornic::ui {

// The jumbled-text window: every word of the text gets a hint box of its mixed letters and
// answer cells, words in a random order while "&Mix words" is on. The core's JumbleBuilder
// makes the puzzle and JumbleDrawing draws it.
class TJumbleForm : public TTextGameForm {
  Q_OBJECT

 public:
  static constexpr std::string_view TypeName = JumbleDescriptor::Name.TypeName;

  explicit TJumbleForm(const Answerers& Answer = {}, QWidget* Parent = nullptr);

  // Source: the check box (it was clicked) or the menu item (it flips). Builds the text again
  // with the new switch; a blank text builds nothing.
  void MixClick(QObject* Source);

 protected:
  std::unique_ptr<GameInput> TypedInput() const override;
  std::unique_ptr<GameView> ShownView() const override;

 private:
  QCheckBox* Mix;     // "&Mix words"
  QAction* Wordmix1;  // "&Word mix"
};

}  // namespace vornic::ui
