#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "document/WordListStore.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace vornic::ui {

class DialogPrompts;

// "WordList Editor": puts together the user list (the words a puzzle will get) from typed words
// and saved lists, and maintains the saved lists of the word-list folder. Every change to a
// saved list is on disk before its handler returns, whatever button later closes the dialog.
// The caller fills the user list (SetUserWords), calls SetCharset, runs exec and on OK takes
// UserWords() back in order.
class TListEditForm : public QDialog {
  Q_OBJECT

 public:
  // Prompts carry the questions and failure messages; null uses the standard boxes.
  explicit TListEditForm(QWidget* Parent = nullptr, DialogPrompts* Prompts = nullptr);

  QListWidget* UserListBox;
  QListWidget* wordsListBox;
  QComboBox* ComboBox1;
  QToolButton* SpeedButton1;  // copies the selected saved words into the user list
  QToolButton* SpeedButton2;  // removes the selected words from the user list
  QLineEdit* Edit1;
  QPushButton* AddButton;
  QPushButton* RemoveButton;
  QPushButton* NewListButton;
  QPushButton* DeleteListButton;
  QPushButton* OkButton;
  QPushButton* CancelButton;

  void SetUserWords(const QStringList& Words);
  QStringList UserWords() const;
  // The user list in a puzzle's code page (the one SetCharset chose). OK has refused any word
  // that code page cannot hold, so after OK every word converts.
  std::vector<std::string> UserWordBytes() const;

  // The puzzle's font character set and the name of its character set: words show in its
  // script, are checked by its code page and upper-cased by its language (LetterCase).
  void SetCharset(int Charset, const std::string& CharsetName = {});

  // Handlers of the controls.
  void FormCreate();
  void ComboBox1Change();
  void wordsListBoxClick();
  void UserListBoxClick();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void Add();
  void Remove();
  void New();
  void Delete();
  // Enter adds the typed word while a saved list is selected; Escape empties Edit1. Returns
  // whether the key was taken (neither key then reaches the dialog's buttons).
  bool Edit1KeyDown(const QKeyEvent& Event);

  // "Ok": refuses a user list holding a character the puzzle's code page cannot hold.
  void accept() override;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  void BuildControls();
  // The name of the list selected in ComboBox1, if any.
  std::optional<std::string> SelectedList() const;
  std::vector<std::string> SavedWords() const;
  void ShowSavedWords(const std::vector<std::string>& Words);
  // Writes Words as the selected list; tells the failure and returns false when it cannot.
  bool WriteSelected(const std::vector<std::string>& Words);
  void TellFailure(const std::exception& Failure);
  void UpdateListButtons();
  // Selects Index in ComboBox1 without loading; the caller loads.
  void SelectList(int Index);

  DialogPrompts& Prompts;
  WordListStore Store;
  int Charset = 1;
  std::string CharsetName;
  // The list whose words wordsListBox shows; empty when none could be loaded. Add and Remove
  // write only to it, so a list is never overwritten with another list's words.
  std::optional<std::string> Loaded;
  bool Selecting = false;
};

}  // namespace vornic::ui
