#pragma once

#include <QList>
#include <QUndoCommand>
#include <QVariant>
#include <functional>

#include "document/DocumentSnapshot.h"

class QObject;

namespace vornic::ui {

// What a game window is at one moment, as a step of its "&Edit" menu keeps it: the puzzle with
// its picture, the state of the controls the window keeps in steps (in their order), and what
// else the window keeps beside them.
struct WindowMoment {
  DocumentSnapshot Document;
  QVariantList Controls;
  QVariant Window;
};

// The state of a control as a step keeps it: a line edit's or text box's text, a check box's,
// button's or checkable item's check, a spin box's value, a list's items and current row, a
// label's text and visibility; each with whether it is enabled.
QVariant ControlState(const QObject* Control);
// Puts State back without the control's signals: the window's handlers do not run.
void SetControlState(QObject* Control, const QVariant& State);
// Typing in a line edit or text box can no longer be undone inside it: after a step, Ctrl+Z
// there takes the step back, not the text that the step left in it.
void ForgetTyping(QObject* Control);

// One step that changed the puzzle, already done when it is pushed: undo puts the window back
// as it was before, redo as it was after; Restore does it for the window.
class PuzzleStep : public QUndoCommand {
 public:
  using Restorer = std::function<void(const WindowMoment& Moment)>;

  PuzzleStep(const QString& Name, WindowMoment Before, WindowMoment After, Restorer Restore);

  void undo() override;
  void redo() override;

 private:
  WindowMoment Before;
  WindowMoment After;
  Restorer Restore;
  bool Done = true;
};

}  // namespace vornic::ui
