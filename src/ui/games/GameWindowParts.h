#pragma once

#include <QFont>
#include <QString>
#include <string>

class QAction;
class QObject;

namespace vornic {
class CodePage;
class LetterCase;
}  // namespace vornic

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

// Typed text as document bytes. Refusal names the field and the character that the document's
// code page cannot hold, or the control character that would read as a cell marker; empty
// when the text can be used.
struct FieldText {
  std::string Bytes;
  std::string Refusal;
  bool Ok() const { return Refusal.empty(); }
};
FieldText ReadFieldText(const CodePage& Page, const QString& Text, const std::string& Field);

// The busy cursor for the lifetime of the object, restored on every way out.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace vornic::ui
