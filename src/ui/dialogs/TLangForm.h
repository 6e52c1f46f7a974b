#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vornic::ui {

class DialogPrompts;

// "New Character set": the name and the characters of a new random character set. The caller
// reads Edit1 and Edit2 after OK and stores the set.
class TLangForm : public QDialog {
  Q_OBJECT

 public:
  // Prompts tell the user why a name is refused; null uses the standard message boxes.
  explicit TLangForm(QWidget* Parent = nullptr, DialogPrompts* Prompts = nullptr);

  // The name as the settings file will hold it (without surrounding blanks).
  QString SetName() const;
  QString Characters() const;

  // "Ok": closes with OK only when both lines are filled; a name the settings file cannot hold
  // as a key is refused with a message and the dialog stays open.
  void Button1Click();

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  QLineEdit* Edit1;      // the name, at most 10 characters
  QLineEdit* Edit2;      // the characters
  QPushButton* Button1;  // "Ok"
  QPushButton* Button2;  // "Cancel"

  DialogPrompts& Prompts;
};

}  // namespace vornic::ui
