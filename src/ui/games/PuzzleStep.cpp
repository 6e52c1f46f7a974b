#include "ui/games/PuzzleStep.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace vornic::ui {
namespace {

QStringList ItemTexts(const QListWidget& List) {
  QStringList Texts;
  for (int Row = 0; Row < List.count(); ++Row) Texts << List.item(Row)->text();
  return Texts;
}

}  // namespace

QVariant ControlState(const QObject* Control) {
  if (const auto* Action = qobject_cast<const QAction*>(Control))
    return QVariantList{Action->isChecked(), Action->isEnabled()};
  const auto* Widget = qobject_cast<const QWidget*>(Control);
  if (!Widget) return {};
  QVariant Value;
  if (const auto* Line = qobject_cast<const QLineEdit*>(Widget))
    Value = Line->text();
  else if (const auto* Text = qobject_cast<const QPlainTextEdit*>(Widget))
    Value = Text->toPlainText();
  else if (const auto* Button = qobject_cast<const QAbstractButton*>(Widget))
    Value = Button->isChecked();
  else if (const auto* Spin = qobject_cast<const QSpinBox*>(Widget))
    Value = Spin->value();
  else if (const auto* List = qobject_cast<const QListWidget*>(Widget))
    Value = QVariantList{ItemTexts(*List), List->currentRow()};
  else if (const auto* Label = qobject_cast<const QLabel*>(Widget))
    Value = QVariantList{Label->text(), !Label->isHidden()};
  return QVariantList{Value, Widget->isEnabled()};
}

void SetControlState(QObject* Control, const QVariant& State) {
  const QVariantList Parts = State.toList();
  if (Parts.size() != 2) return;
  const QSignalBlocker Quiet(Control);
  if (auto* Action = qobject_cast<QAction*>(Control)) {
    Action->setChecked(Parts[0].toBool());
    Action->setEnabled(Parts[1].toBool());
    return;
  }
  auto* Widget = qobject_cast<QWidget*>(Control);
  if (!Widget) return;
  const QVariant& Value = Parts[0];
  if (auto* Line = qobject_cast<QLineEdit*>(Widget)) {
    if (Line->text() != Value.toString()) Line->setText(Value.toString());
  } else if (auto* Text = qobject_cast<QPlainTextEdit*>(Widget)) {
    if (Text->toPlainText() != Value.toString()) Text->setPlainText(Value.toString());
  } else if (auto* Button = qobject_cast<QAbstractButton*>(Widget)) {
    Button->setChecked(Value.toBool());
  } else if (auto* Spin = qobject_cast<QSpinBox*>(Widget)) {
    Spin->setValue(Value.toInt());
  } else if (auto* List = qobject_cast<QListWidget*>(Widget)) {
    const QVariantList Items = Value.toList();
    if (ItemTexts(*List) != Items.value(0).toStringList()) {
      List->clear();
      List->addItems(Items.value(0).toStringList());
    }
    List->setCurrentRow(Items.value(1).toInt());
    if (List->currentRow() < 0) List->clearSelection();
  } else if (auto* Label = qobject_cast<QLabel*>(Widget)) {
    const QVariantList Shown = Value.toList();
    Label->setText(Shown.value(0).toString());
    Label->setVisible(Shown.value(1).toBool());
  }
  Widget->setEnabled(Parts[1].toBool());
}

void ForgetTyping(QObject* Control) {
  if (auto* Line = qobject_cast<QLineEdit*>(Control)) {
    if (!Line->isUndoAvailable() && !Line->isRedoAvailable()) return;
    // Setting the text empties the edit's own history; the caret stays where it was.
    const QSignalBlocker Quiet(Line);
    const int Caret = Line->cursorPosition();
    Line->setText(Line->text());
    Line->setCursorPosition(Caret);
  } else if (auto* Text = qobject_cast<QPlainTextEdit*>(Control)) {
    Text->document()->clearUndoRedoStacks();
  }
}

PuzzleStep::PuzzleStep(const QString& Name, WindowMoment NewBefore, WindowMoment NewAfter,
                       Restorer NewRestore)
    : Before(std::move(NewBefore)), After(std::move(NewAfter)), Restore(std::move(NewRestore)) {
  setText(Name);
}

void PuzzleStep::undo() {
  Done = false;
  Restore(Before);
}

void PuzzleStep::redo() {
  // Pushed after it was done: the first redo has nothing to do.
  if (Done) return;
  Done = true;
  Restore(After);
}

}  // namespace vornic::ui
