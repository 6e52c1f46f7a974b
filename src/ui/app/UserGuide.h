#pragma once

class QAction;
class QWidget;

namespace vornic::ui {

// Help > "&Contents" of every window, the main window's and each game window's: the user guide,
// shown over Window. Until the program has a guide to show, the item is greyed.
void SetUpContents(QAction* Contents, QWidget* Window);

}  // namespace vornic::ui
