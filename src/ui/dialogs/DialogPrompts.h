#pragma once

#include <QString>
#include <optional>

#include "base/UserInterface.h"

class QWidget;

namespace vornic::ui {

// The questions and messages a dialog puts to the user while it is open. The program uses the
// standard message and input boxes (Standard()); tests hand the dialog a scripted stand-in so
// that nothing modal waits for an answer.
class DialogPrompts {
 public:
  virtual ~DialogPrompts() = default;

  // A modal question; returns the button pressed.
  virtual Answer Ask(QWidget* Parent, const QString& Title, const QString& Text, Buttons Choice,
                     Icon Kind) = 0;
  // A modal message with an OK button.
  virtual void Tell(QWidget* Parent, const QString& Title, const QString& Text, Icon Kind) = 0;
  // A modal input box with one text line: the text confirmed with OK, or nothing on Cancel.
  virtual std::optional<QString> AskText(QWidget* Parent, const QString& Title,
                                         const QString& Prompt, const QString& Default) = 0;

  // The program-wide prompts that show real message and input boxes.
  static DialogPrompts& Standard();
};

}  // namespace vornic::ui
