#pragma once

#include <QSpinBox>

namespace vornic::ui {

// A spin box that lets the user type any text, as a plain edit would: a number outside the
// range reads as the nearer bound, text that is no number as the minimum. (A standard spin box
// would refuse the second 9 of "99" in a range up to 50 and keep 9.)
class SpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit SpinEdit(QWidget* Parent = nullptr);

  // The value the current text stands for, whether or not editing has finished.
  int Value() const { return valueFromText(text()); }

 protected:
  QValidator::State validate(QString& Input, int& Position) const override;
  int valueFromText(const QString& Text) const override;
};

}  // namespace vornic::ui
