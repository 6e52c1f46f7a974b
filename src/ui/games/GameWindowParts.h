#pragma once

#include <QFont>
#include <QString>

class QAction;
class QObject;

namespace vornic {
class LetterCase;
}

namespace vornic::ui {

// Small pieces the game windows share.

// A command of a game window: Text verbatim, an optional shortcut ("Ctrl+W") and an optional
// tool-bar hint, shown as the tool tip (without one the tip is the text without its "&").
QAction* MakeAction(QObject* Owner, const char* Name, const char* Text, const char* Shortcut = "",
                    const char* Hint = "");

// Base in "Courier New" (fontconfig gives a metric-compatible face).
QFont CourierNew(const QFont& Base);

// Capitals by the puzzle's language, one character for one (a puzzle counts letters, so "ß"
// stays one letter), composed (NFC): what a text field of a puzzle shows.
QString UpperOneForOne(const LetterCase& Case, const QString& Text);

// The busy cursor on (Busy) or off again: a build input's OnBusy.
void ShowBusy(bool Busy);

}  // namespace vornic::ui
