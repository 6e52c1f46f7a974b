#include "ui/dialogs/SpinEdit.h"

#include <algorithm>

namespace vornic::ui {

SpinEdit::SpinEdit(QWidget* Parent) : QSpinBox(Parent) {
  // Out-of-range input is read as the nearer bound when editing ends, not thrown away.
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State SpinEdit::validate(QString&, int&) const {
  return QValidator::Acceptable;
}

int SpinEdit::valueFromText(const QString& Text) const {
  bool IsNumber = false;
  const qlonglong Number = Text.trimmed().toLongLong(&IsNumber);
  if (!IsNumber) return minimum();
  return static_cast<int>(std::clamp<qlonglong>(Number, minimum(), maximum()));
}

}  // namespace vornic::ui
