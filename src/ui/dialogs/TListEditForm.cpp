#include "ui/dialogs/TListEditForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "base/EmptyChar.h"
#include "document/ListLanguage.h"
#include "document/TVornicGame.h"
#include "document/WordPicker.h"
#include "ui/dialogs/DialogPrompts.h"

namespace vornic::ui {
namespace {

template <typename Widget>
Widget* Named(Widget* Control, const char* Name) {
  Control->setObjectName(QString::fromLatin1(Name));
  return Control;
}

QListWidget* NewWordBox(QWidget* Parent, const char* Name) {
  auto* Box = Named(new QListWidget(Parent), Name);
  Box->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Box->setFont(QFont(QStringLiteral("Courier New")));
  return Box;
}

QToolButton* NewArrowButton(QWidget* Parent, const char* Name, Qt::ArrowType Arrow,
                            const char* Hint) {
  auto* Button = Named(new QToolButton(Parent), Name);
  Button->setArrowType(Arrow);
  Button->setToolTip(QString::fromLatin1(Hint));
  return Button;
}

}  // namespace

TListEditForm::TListEditForm(QWidget* Parent, DialogPrompts* GivenPrompts)
    : QDialog(Parent),
      Prompts(GivenPrompts ? *GivenPrompts : DialogPrompts::Standard()),
      Catalog(WordListCatalog::Default()),
      Store(Catalog.Saved()) {
  setObjectName(QStringLiteral("ListEditForm"));
  setWindowTitle(QStringLiteral("WordList Editor"));
  BuildControls();
  // The described 369 x 215, or more where this platform's fonts need it to show every caption.
  resize(sizeHint().expandedTo(QSize(369, 215)));
  FormCreate();
}

void TListEditForm::BuildControls() {
  auto* UserGroup = new QGroupBox(QStringLiteral(" User list: "), this);
  UserListBox = NewWordBox(UserGroup, "UserListBox");
  (new QVBoxLayout(UserGroup))->addWidget(UserListBox);

  auto* SavedGroup = new QGroupBox(QStringLiteral(" Saved list: "), this);
  wordsListBox = NewWordBox(SavedGroup, "wordsListBox");
  ComboBox1 = Named(new QComboBox(SavedGroup), "ComboBox1");
  PickSpinEdit = Named(new QSpinBox(SavedGroup), "PickSpinEdit");
  PickSpinEdit->setRange(1, 100);
  PickSpinEdit->setValue(10);
  PickButton = Named(new QPushButton(QStringLiteral("Pic&k at random"), SavedGroup), "PickButton");
  PickButton->setAutoDefault(false);
  PickButton->setToolTip(QStringLiteral(
      "Add this many words of the list, drawn at random, to the user list: only words that fit "
      "the puzzle, none repeating another"));
  auto* PickRow = new QHBoxLayout;
  PickRow->addWidget(PickSpinEdit);
  PickRow->addWidget(PickButton, 1);
  auto* SavedLayout = new QVBoxLayout(SavedGroup);
  SavedLayout->addWidget(wordsListBox);
  SavedLayout->addWidget(ComboBox1);
  SavedLayout->addLayout(PickRow);

  SpeedButton1 = NewArrowButton(this, "SpeedButton1", Qt::LeftArrow,
                                "Copy the selected saved words into the user list");
  SpeedButton2 = NewArrowButton(this, "SpeedButton2", Qt::RightArrow,
                                "Remove the selected words from the user list");
  auto* Arrows = new QVBoxLayout;
  Arrows->addStretch();
  Arrows->addWidget(SpeedButton1);
  Arrows->addWidget(SpeedButton2);
  Arrows->addStretch();

  auto* EditGroup = new QGroupBox(QStringLiteral(" Edit saved list: "), this);
  Edit1 = Named(new QLineEdit(EditGroup), "Edit1");
  Edit1->setFont(QFont(QStringLiteral("Courier New")));
  AddButton = Named(new QPushButton(QStringLiteral("&Add to List"), EditGroup), "AddButton");
  RemoveButton = Named(new QPushButton(QStringLiteral("&Remove"), EditGroup), "RemoveButton");
  NewListButton = Named(new QPushButton(QStringLiteral("&New list"), EditGroup), "NewListButton");
  DeleteListButton =
      Named(new QPushButton(QStringLiteral("&Delete list"), EditGroup), "DeleteListButton");
  // The word gets a row of its own: beside four buttons it was squeezed to a sliver in which
  // a typed word could not be seen.
  auto* EditLayout = new QVBoxLayout(EditGroup);
  EditLayout->addWidget(Edit1);
  auto* EditButtons = new QHBoxLayout;
  for (QPushButton* Button : {AddButton, RemoveButton, NewListButton, DeleteListButton}) {
    Button->setAutoDefault(false);
    EditButtons->addWidget(Button);
  }
  EditLayout->addLayout(EditButtons);

  QFont Bold = font();
  Bold.setBold(true);
  OkButton = Named(new QPushButton(QStringLiteral("Ok"), this), "OkButton");
  CancelButton = Named(new QPushButton(QStringLiteral("Cancel"), this), "CancelButton");
  OkButton->setFont(Bold);
  OkButton->setDefault(true);
  CancelButton->setFont(Bold);
  CancelButton->setAutoDefault(false);
  auto* Closing = new QHBoxLayout;
  Closing->addStretch();
  Closing->addWidget(OkButton);
  Closing->addWidget(CancelButton);

  auto* Lists = new QHBoxLayout;
  Lists->addWidget(UserGroup, 1);
  Lists->addLayout(Arrows);
  Lists->addWidget(SavedGroup, 1);
  auto* Layout = new QVBoxLayout(this);
  Layout->addLayout(Lists, 1);
  Layout->addWidget(EditGroup);
  Layout->addLayout(Closing);

  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] {
    if (!Selecting) ComboBox1Change();
  });
  connect(wordsListBox, &QListWidget::currentRowChanged, this, &TListEditForm::wordsListBoxClick);
  connect(wordsListBox, &QListWidget::itemSelectionChanged, this,
          &TListEditForm::wordsListBoxClick);
  connect(wordsListBox, &QListWidget::itemDoubleClicked, this, &TListEditForm::SpeedButton1Click);
  connect(UserListBox, &QListWidget::currentRowChanged, this, &TListEditForm::UserListBoxClick);
  connect(UserListBox, &QListWidget::itemSelectionChanged, this, &TListEditForm::UserListBoxClick);
  connect(UserListBox, &QListWidget::itemDoubleClicked, this, &TListEditForm::SpeedButton2Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &TListEditForm::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TListEditForm::SpeedButton2Click);
  connect(AddButton, &QPushButton::clicked, this, &TListEditForm::Add);
  connect(RemoveButton, &QPushButton::clicked, this, &TListEditForm::Remove);
  connect(NewListButton, &QPushButton::clicked, this, &TListEditForm::New);
  connect(DeleteListButton, &QPushButton::clicked, this, &TListEditForm::Delete);
  connect(PickButton, &QPushButton::clicked, this, &TListEditForm::PickClick);
  connect(OkButton, &QPushButton::clicked, this, &TListEditForm::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  Edit1->installEventFilter(this);
}

void TListEditForm::SetUserWords(const QStringList& Words) {
  UserListBox->clear();
  UserListBox->addItems(Words);
  UserListBoxClick();
}

QStringList TListEditForm::UserWords() const {
  QStringList Words;
  for (int Row = 0; Row < UserListBox->count(); ++Row) Words << UserListBox->item(Row)->text();
  return Words;
}

std::vector<std::string> TListEditForm::UserWordBytes() const {
  const CodePage& Page = CodePage::ForCharset(Charset);
  std::vector<std::string> Words;
  for (const QString& Word : UserWords())
    Words.push_back(Page.EncodeDroppingUnencodable(Word.toStdString()));
  return Words;
}

void TListEditForm::SetCharset(int NewCharset) {
  // Qt fonts cover every script by themselves; the character set still decides how words are
  // upper-cased and which characters the puzzle can hold.
  Charset = NewCharset;
}

void TListEditForm::FormCreate() {
  // A folder that cannot be created is not reported: there are simply no saved lists.
  Store.EnsureFolder();
  Reload({});
}

void TListEditForm::Reload(const std::string& Selected) {
  Offered = Catalog.Lists();
  Selecting = true;
  ComboBox1->clear();
  int Index = Offered.empty() ? -1 : 0;
  for (const WordListInfo& List : Offered) {
    if (!List.ReadOnly && List.Name == Selected) Index = ComboBox1->count();
    const ListLanguage* Language = ListLanguage::Find(List.Language);
    ComboBox1->addItem(
        Language ? QStringLiteral("%1 (%2, %3)")
                       .arg(QString::fromStdString(List.Title),
                            QString::fromUtf8(Language->Name.data(),
                                              static_cast<int>(Language->Name.size())),
                            List.Builtin ? QStringLiteral("built in") : QStringLiteral("shared"))
                 : QString::fromStdString(List.Name));
  }
  Selecting = false;
  SelectList(Index);
  ComboBox1Change();
}

void TListEditForm::ComboBox1Change() {
  Loaded.reset();
  ShowSavedWords({});
  if (const WordListInfo* List = SelectedInfo()) {
    try {
      ShowSavedWords(Catalog.Words(*List));
      if (!List->ReadOnly) Loaded = List->Name;
    } catch (const DocumentError& Failure) {
      TellFailure(Failure);
    }
  }
  UpdateListButtons();
}

void TListEditForm::wordsListBoxClick() {
  const bool Current = wordsListBox->currentRow() >= 0;
  SpeedButton1->setEnabled(Current);
  RemoveButton->setEnabled(Current && Loaded);
}

void TListEditForm::UserListBoxClick() {
  SpeedButton2->setEnabled(UserListBox->currentRow() >= 0);
}

void TListEditForm::SpeedButton1Click() {
  const WordListInfo* List = SelectedInfo();
  if (wordsListBox->currentRow() < 0 || !List || !TakeLanguageOf(*List)) return;
  QStringList Words;
  for (int Row = 0; Row < wordsListBox->count(); ++Row)
    if (wordsListBox->item(Row)->isSelected()) Words << wordsListBox->item(Row)->text();
  AppendUserWords(Words);
}

void TListEditForm::PickClick() {
  const WordListInfo* List = SelectedInfo();
  if (!List || !TakeLanguageOf(*List)) return;
  const std::vector<std::string> Taken = UserWordsUtf8();
  const WordPicker Picker{CodePage::ForCharset(Charset), MaxLength};
  const std::size_t Asked = static_cast<std::size_t>(PickSpinEdit->value());
  QStringList Picked;
  for (const std::string& Word : Picker.Pick(SavedWords(), Asked, Taken))
    Picked << QString::fromStdString(Word);
  AppendUserWords(Picked);
  if (static_cast<std::size_t>(Picked.size()) < Asked)
    Prompts.Tell(this, QString::fromLatin1(ApplicationTitle),
                 QStringLiteral("Only %1 more words of this list fit the puzzle (at most %2 "
                                "letters, none repeating a word of the user list).")
                     .arg(Picked.size())
                     .arg(MaxLength),
                 Icon::Information);
}

bool TListEditForm::TakeLanguageOf(const WordListInfo& List) {
  const ListLanguage* Language = ListLanguage::Find(List.Language);
  if (!Language) return true;
  const std::string Problem = RefuseLanguageChange(Charset, *Language, UserWordsUtf8());
  if (!Problem.empty()) {
    Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), QString::fromStdString(Problem),
                 Icon::Warning);
    return false;
  }
  if (CodePage::CodePageNumber(Charset) != CodePage::CodePageNumber(Language->Charset))
    Charset = Language->Charset;
  Chosen = Language;
  return true;
}

void TListEditForm::FollowChosenLanguage(TVornicGame& Game) {
  if (!Chosen) return;
  try {
    FollowListLanguage(Game, *Chosen);
  } catch (const DocumentError& Failure) {
    TellFailure(Failure);
  }
}

void TListEditForm::AppendUserWords(const QStringList& Words) {
  const CodePage& Page = CodePage::ForCharset(Charset);
  for (const QString& Word : Words)
    UserListBox->addItem(QString::fromStdString(UpperCaseWord(Word.toStdString(), Page)));
}

void TListEditForm::SpeedButton2Click() {
  if (UserListBox->currentRow() < 0) return;
  for (int Row = UserListBox->count() - 1; Row >= 0; --Row)
    if (UserListBox->item(Row)->isSelected()) delete UserListBox->takeItem(Row);
  UserListBoxClick();
}

void TListEditForm::Add() {
  if (Edit1->text().isEmpty() || !Loaded) return;
  QString Typed = Edit1->text();
  // A word is one line of the list file.
  Typed.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
  const std::string Word = UpperCaseWord(Typed.toStdString(), CodePage::ForCharset(Charset));
  std::vector<std::string> Words = SavedWords();
  Words.push_back(Word);
  // Written first, so that a failure leaves the list box, the file and the typed word as they
  // were.
  if (!WriteSelected(Words)) return;
  wordsListBox->addItem(QString::fromStdString(Word));
  Edit1->clear();
}

void TListEditForm::Remove() {
  const int Row = wordsListBox->currentRow();
  if (Row < 0 || !Loaded) return;
  std::vector<std::string> Words = SavedWords();
  Words.erase(Words.begin() + Row);
  if (!WriteSelected(Words)) return;
  delete wordsListBox->takeItem(Row);
  wordsListBoxClick();
}

void TListEditForm::New() {
  const std::optional<QString> Answer = Prompts.AskText(
      this, QStringLiteral("New WordList"), QStringLiteral("Enter name for the new Word list"), {});
  if (!Answer || Answer->isEmpty()) return;
  const std::string Name = Answer->toStdString();
  if (const std::string Problem = WordListStore::CheckName(Name); !Problem.empty()) {
    Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), QString::fromStdString(Problem),
                 Icon::Warning);
    return;
  }
  // An existing list is opened, never emptied. A new list named as the read-only list shown
  // starts as a copy of its words, to be changed at will; it then comes first for that name.
  if (!Store.Exists(Name)) {
    const WordListInfo* Shown = SelectedInfo();
    std::vector<std::string> Words;
    if (Shown && Shown->ReadOnly && Shown->Name == Name)
      for (const std::string& Word : SavedWords())
        Words.push_back(UpperCaseWord(Word, CodePage::ForCharset(Charset)));
    try {
      Store.Write(Name, Words);
    } catch (const DocumentError& Failure) {
      TellFailure(Failure);  // wordsListBox still shows the list that stays selected
      return;
    }
  }
  Reload(Name);
}

void TListEditForm::Delete() {
  const std::optional<std::string> Name = SelectedList();
  if (!Name) return;
  if (Prompts.Ask(this, QStringLiteral("Please confirm"),
                  QStringLiteral("Delete WordList \"%1\"?").arg(QString::fromStdString(*Name)),
                  Buttons::OkCancel, Icon::Question) != Answer::Ok)
    return;
  try {
    Store.Remove(*Name);
  } catch (const DocumentError& Failure) {
    TellFailure(Failure);
    return;
  }
  Reload({});
}

bool TListEditForm::Edit1KeyDown(const QKeyEvent& Event) {
  switch (Event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (AddButton->isEnabled()) Add();
      return true;
    case Qt::Key_Escape:
      Edit1->clear();
      return true;
    default:
      return false;
  }
}

bool TListEditForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == Edit1 && Event->type() == QEvent::KeyPress)
    return Edit1KeyDown(static_cast<const QKeyEvent&>(*Event));
  return QDialog::eventFilter(Watched, Event);
}

void TListEditForm::accept() {
  const CodePage& Page = CodePage::ForCharset(Charset);
  for (int Row = 0; Row < UserListBox->count(); ++Row) {
    const CodePage::EncodeResult Encoded =
        Page.Encode(UserListBox->item(Row)->text().toStdString());
    if (!Encoded.Ok()) {
      UserListBox->setCurrentRow(Row);
      Prompts.Tell(this, QString::fromLatin1(ApplicationTitle),
                   QString::fromStdString(Page.RefusalMessage(Encoded.Unencodable)), Icon::Warning);
      return;
    }
  }
  QDialog::accept();
}

void TListEditForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (const QScreen* Screen = screen())
    move(Screen->availableGeometry().center() - rect().center());
}

std::optional<std::string> TListEditForm::SelectedList() const {
  const WordListInfo* List = SelectedInfo();
  if (!List || List->ReadOnly) return std::nullopt;
  return List->Name;
}

const WordListInfo* TListEditForm::SelectedInfo() const {
  const int Index = ComboBox1->currentIndex();
  if (Index < 0 || static_cast<std::size_t>(Index) >= Offered.size()) return nullptr;
  return &Offered[static_cast<std::size_t>(Index)];
}

std::vector<std::string> TListEditForm::UserWordsUtf8() const {
  std::vector<std::string> Words;
  for (const QString& Word : UserWords()) Words.push_back(Word.toStdString());
  return Words;
}

std::vector<std::string> TListEditForm::SavedWords() const {
  std::vector<std::string> Words;
  for (int Row = 0; Row < wordsListBox->count(); ++Row)
    Words.push_back(wordsListBox->item(Row)->text().toStdString());
  return Words;
}

void TListEditForm::ShowSavedWords(const std::vector<std::string>& Words) {
  wordsListBox->clear();
  for (const std::string& Word : Words) wordsListBox->addItem(QString::fromStdString(Word));
  wordsListBoxClick();
}

bool TListEditForm::WriteSelected(const std::vector<std::string>& Words) {
  try {
    Store.Write(*Loaded, Words);
    return true;
  } catch (const DocumentError& Failure) {
    TellFailure(Failure);
    return false;
  }
}

void TListEditForm::TellFailure(const std::exception& Failure) {
  Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), QString::fromUtf8(Failure.what()),
               Icon::Error);
}

void TListEditForm::UpdateListButtons() {
  // "Add to List" exactly while a saved list is selected (and its words are shown).
  AddButton->setEnabled(Loaded.has_value());
  DeleteListButton->setEnabled(SelectedList().has_value());
  const WordListInfo* List = SelectedInfo();
  const bool ReadOnly = List && List->ReadOnly;
  Edit1->setEnabled(!ReadOnly);
  Edit1->setPlaceholderText(ReadOnly ? QStringLiteral("Read-only: \"New list\" with its name "
                                                      "makes a copy of your own")
                                     : QString());
  PickButton->setEnabled(List != nullptr);
  wordsListBoxClick();
  UserListBoxClick();
}

void TListEditForm::SelectList(int Index) {
  Selecting = true;
  ComboBox1->setCurrentIndex(Index);
  Selecting = false;
}

}  // namespace vornic::ui
