#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "document/WordListCatalog.h"

class QComboBox;
class QSpinBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace vornic {
struct ListLanguage;
class TVornicGame;
}  // namespace vornic

namespace vornic::ui {

class DialogPrompts;

// "WordList Editor": puts together the user list (the words a puzzle will get) from typed words,
// saved lists and the program's own lists, and maintains the saved lists of the word-list
// folder. Every change to a saved list is on disk before its handler returns, whatever button
// later closes the dialog. The program's lists (and titled lists shared into the folder) are
// offered after the saved ones and are read-only. The caller fills the user list
// (SetUserWords), calls SetCharset and SetMaxLength, runs exec and on OK takes UserWords() back
// in order, after following ChosenLanguage() if there is one.
class TListEditForm : public QDialog {
  Q_OBJECT

 public:
  // Prompts carry the questions and failure messages; null uses the standard boxes.
  explicit TListEditForm(QWidget* Parent = nullptr, DialogPrompts* Prompts = nullptr);

  void SetUserWords(const QStringList& Words);
  QStringList UserWords() const;
  // The user list in a puzzle's code page (the one SetCharset chose). OK has refused any word
  // that code page cannot hold, so after OK every word converts.
  std::vector<std::string> UserWordBytes() const;

  // The puzzle's font character set and the name of its character set: words show in its
  // script, are checked by its code page and upper-cased by its language (LetterCase).
  void SetCharset(int Charset, const std::string& CharsetName = {});
  // The longest word the puzzle can take; longer words are never picked at random.
  void SetMaxLength(int Letters) { MaxLength = Letters; }
  // The language of the last list whose words joined the user list, whose code page and fill
  // letters the puzzle takes on OK; null when no titled list gave words. The editor's own
  // character set has followed it already.
  const ListLanguage* ChosenLanguage() const { return Chosen; }
  int CurrentCharset() const { return Charset; }
  // After OK: the puzzle takes the code page and fill letters of ChosenLanguage(), if any. A
  // settings file that cannot take the language's fill letters is told; the puzzle then has
  // the code page all the same, so that its words can be written.
  void FollowChosenLanguage(TVornicGame& Game);

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
  // "Pick at random": appends PickSpinEdit's number of words of the selected list drawn at
  // random, leaving out words that do not fit the puzzle and words that repeat another word of
  // the user list (the same word, or one read backwards as the other).
  void PickClick();
  // Enter adds the typed word while a saved list is selected; Escape empties Edit1. Returns
  // whether the key was taken (neither key then reaches the dialog's buttons).
  bool Edit1KeyDown(const QKeyEvent& Event);

  // "Ok": refuses a user list holding a character the puzzle's code page cannot hold.
  void accept() override;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
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
  QSpinBox* PickSpinEdit;  // how many words "Pick at random" takes
  QPushButton* PickButton;
  QPushButton* OkButton;
  QPushButton* CancelButton;

  void BuildControls();
  // The name of the saved list selected in ComboBox1, if a saved list is selected.
  std::optional<std::string> SelectedList() const;
  // The list selected in ComboBox1, saved or not; null when none is.
  const WordListInfo* SelectedInfo() const;
  // Fills ComboBox1 with the lists as the disk holds them now and selects the saved list
  // Selected, else the first list, and loads it.
  void Reload(const std::string& Selected);
  std::vector<std::string> UserWordsUtf8() const;
  // Lets words of List join the user list: takes its language (and code page) when it has one,
  // or tells why the puzzle cannot and returns false.
  bool TakeLanguageOf(const WordListInfo& List);
  // Appends words to the user list, upper-cased by the puzzle's code page.
  void AppendUserWords(const QStringList& Words);
  std::vector<std::string> SavedWords() const;
  void ShowSavedWords(const std::vector<std::string>& Words);
  // Writes Words as the selected list; tells the failure and returns false when it cannot.
  bool WriteSelected(const std::vector<std::string>& Words);
  void TellFailure(const std::exception& Failure);
  void UpdateListButtons();
  // Selects Index in ComboBox1 without loading; the caller loads.
  void SelectList(int Index);

  DialogPrompts& Prompts;
  WordListCatalog Catalog;
  const WordListStore& Store;
  // The lists ComboBox1 offers, in its order.
  std::vector<WordListInfo> Offered;
  int Charset = 1;
  std::string CharsetName;
  int MaxLength = 15;
  const ListLanguage* Chosen = nullptr;
  // The list whose words wordsListBox shows; empty when none could be loaded. Add and Remove
  // write only to it, so a list is never overwritten with another list's words.
  std::optional<std::string> Loaded;
  bool Selecting = false;
};

}  // namespace vornic::ui
