#include "ui/games/wordsearch/TVornicForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "base/RandomGenerator.h"
#include "games/wordsearch/WordListText.h"
#include "games/wordsearch/WordRepeats.h"
#include "ui/dialogs/TListEditForm.h"
#include "ui/games/GameWindowParts.h"
#include "ui/games/TPreviewImage.h"

namespace vornic::ui {

TVornicForm::TVornicForm(const Answerers& Answer, QWidget* Parent)
    : TGameForm(std::string(TypeName), Answer, {.GridCells = false}, Parent), Placer(Game) {
  setObjectName(QStringLiteral("VornicForm"));
  setMinimumSize(440, 380);
  resize(440, 380);
  BuildGamePanel();
  BuildGameMenu();
  Image1->OnDblClick = [this] { SetCharset(); };
  QList<QObject*> Controls{Edit1, ListBox1, Intersect};
  for (QCheckBox* Box : CheckBoxes) Controls << Box;
  KeepInSteps(Controls);
  RandomGenerator::SeedFromClock();
  NewFile();
  // Whenever the window is given the focus (opened, activated), typing goes here.
  setFocusProxy(Edit1);
  Edit1->setFocus();
}

void TVornicForm::NewFile() {
  // The save-changes question comes first: answering Yes saves the grid in the size it has, and
  // Cancel leaves size, grid, list and directions as they are.
  if (!Game.CloseQuery()) return;
  Game.SetSize(StartCols, StartRows);
  if (!Game.New()) return;
  SetCharset();
  Game.DrawGrid(true);
  CheckAllDirections();
  Placer.PlacedWords.clear();
  ShowList();
}

bool TVornicForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  FullRefresh();
  Game.ListWords(Placer.PlacedWords);
  ShowList();
  SetCharset();
  return true;
}

void TVornicForm::Enter() {
  AsStep(QStringLiteral("Enter Word"), [this] {
    // A word that could not be placed stays in the box, to be mended or tried again.
    if (Placer.EnterWord(Edit1->text().toStdString(), true) || Edit1->text().trimmed().isEmpty())
      Edit1->clear();
    ShowList();
    FullRefresh();
  });
}

bool TVornicForm::Edit1KeyDown(int Key) {
  switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Enter();
      return true;
    case Qt::Key_Escape:
      Edit1->clear();
      return true;
    default:
      return false;
  }
}

bool TVornicForm::TypedTextPending() const {
  // A word typed but not entered.
  return !Edit1->text().trimmed().isEmpty();
}

void TVornicForm::ShowChosenWord(int Index) {
  static_cast<void>(Game.ShowWord(Index));  // a negative index shows nothing
}

void TVornicForm::FullRefresh() {
  // The highlight shows only the word the user chose; a redraw for any other reason must not
  // leave one in the picture that Export and Copy take.
  Listing = true;
  ListBox1->setCurrentRow(-1);
  ListBox1->clearSelection();
  Listing = false;
  Game.DrawGrid(true);
}

void TVornicForm::FormResize() {
  if (ListBox1) FullRefresh();
  TGameForm::FormResize();
}

void TVornicForm::FillBlanks() {
  int Repeating = 0;
  AsStep(QStringLiteral("Fill Blanks"), [&] {
    Repeating = Placer.FillBlanks();
    FullRefresh();
  });
  if (Repeating > 0) Ui().Tell(ApplicationTitle, RepeatNotice(Repeating), Icon::Information);
}

void TVornicForm::DeleteAll() {
  AsStep(QStringLiteral("Clear All"), [this] {
    Placer.DeleteAll();
    ShowList();
    FullRefresh();
  });
}

void TVornicForm::Shuffle() {
  AsStep(QStringLiteral("Shuffle"), [this] {
    Placer.Reord();
    FullRefresh();
  });
}

void TVornicForm::ListEdit() {
  TListEditForm Editor(this, Answer().Prompts);
  QStringList Words;
  for (int Row = 0; Row < ListBox1->count(); ++Row) Words << ListBox1->item(Row)->text();
  Editor.SetUserWords(Words);
  Editor.SetCharset(Game.Settings.Charset, Game.Codes().Decode(Game.Settings.LanguageName()));
  Editor.SetMaxLength(std::max(Game.Settings.Cols, Game.Settings.Rows));
  if (Editor.exec() != QDialog::Accepted) return;
  AsStep(QStringLiteral("Word List"), [&] {
    Editor.FollowChosenLanguage(Game);
    std::vector<std::string> Edited;
    for (const QString& Word : Editor.UserWords()) Edited.push_back(Word.toStdString());
    Placer.PlaceEditedList(Edited);
    ShowList();
    FullRefresh();
  });
}

void TVornicForm::SettingsApplied(bool SizeChanged) {
  if (SizeChanged)
    Shuffle();
  else
    FullRefresh();
  SetCharset();
}

void TVornicForm::SetCharset() {
  ShowList();
}

void TVornicForm::CopyWords() {
  ClipboardContent Content;
  Content.Text = Game.Codes().Decode(WordListText(Placer.PlacedWords));
  Ui().SetClipboard(Content);
}

QVariant TVornicForm::StepState() const {
  QByteArrayList Words;
  for (const std::string& Word : Placer.PlacedWords) Words << QByteArray::fromStdString(Word);
  return QVariant::fromValue(Words);
}

void TVornicForm::RestoreStepState(const QVariant& State) {
  Placer.PlacedWords.clear();
  for (const QByteArray& Word : State.value<QByteArrayList>())
    Placer.PlacedWords.push_back(Word.toStdString());
}

void TVornicForm::ControlsRestored() {
  for (QCheckBox* Box : CheckBoxes) CheckBox1Click(Box);
  Placer.Intersect = Intersect->isChecked();
}

void TVornicForm::CheckBox1Click(QCheckBox* Box) {
  Placer.SetEnabled(WordSearchPlacer::DirectionOfTag(Box->property("Tag").toInt()),
                    Box->isChecked());
}

bool TVornicForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == Edit1 && Event->type() == QEvent::KeyPress)
    return Edit1KeyDown(static_cast<QKeyEvent*>(Event)->key());
  if (Watched == ListBox1 && Event->type() == QEvent::KeyPress) {
    const int Key = static_cast<QKeyEvent*>(Event)->key();
    if (Key == Qt::Key_Space || Key == Qt::Key_Return || Key == Qt::Key_Enter) {
      ShowChosenWord(ListBox1->currentRow());
      return true;
    }
    // The list moves its current row; the row it lands on is the user's choice.
    ChoosingByKey = true;
    static_cast<QObject*>(ListBox1)->event(Event);
    ChoosingByKey = false;
    return true;
  }
  return TGameForm::eventFilter(Watched, Event);
}

void TVornicForm::ShowList() {
  // Rebuilding moves the current row, which is not a click on a word.
  Listing = true;
  ListBox1->clear();
  for (const std::string& Word : Placer.PlacedWords)
    ListBox1->addItem(QString::fromStdString(Game.Codes().Decode(Word)));
  Listing = false;
}

void TVornicForm::CheckAllDirections() {
  Placer.EnableAll();
  for (QCheckBox* Box : CheckBoxes) Box->setChecked(true);
}

void TVornicForm::Edit1Edited(const QString& Text) {
  // Capitals as typed, one character for one: the placement upper-cases by the puzzle's code
  // page without changing the length.
  const QString Upper = UpperOneForOne(Game.Case(), Text);
  if (Upper == Text) return;
  const int Cursor = Edit1->cursorPosition();
  Edit1->setText(Upper);
  Edit1->setCursorPosition(Cursor);
}

}  // namespace vornic::ui
