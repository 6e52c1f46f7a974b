#include "ui/games/wordsearch/TVornicForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "base/RandomGenerator.h"
#include "games/wordsearch/WordListText.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/dialogs/TListEditForm.h"
#include "ui/games/PreviewRoutines.h"
#include "ui/games/TPreviewImage.h"

namespace vornic::ui {

TVornicForm::TVornicForm(const Answerers& Answer, QWidget* Parent)
    : TGameForm(TypeName, Answer, Parent), Placer(Game) {
  setObjectName(QStringLiteral("VornicForm"));
  setMinimumSize(440, 380);
  resize(440, 380);
  BuildGamePanel();
  BuildGameMenu();
  Image1->OnDblClick = [this] { SetCharset(); };
  RandomGenerator::SeedFromClock();
  NewFile();
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
  RedrawPreview(*Image1, Game);
  CheckAllDirections();
  Placer.ListBox1.clear();
  ShowList();
}

bool TVornicForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  ClearPreview(*Image1);
  FullRefresh();
  Game.ListWords(Placer.ListBox1);
  ShowList();
  SetCharset();
  return true;
}

void TVornicForm::Enter() {
  // A word that cannot be placed has been told; list and picture are drawn anew either way.
  static_cast<void>(Placer.EnterWord(Edit1->text().toStdString(), true));
  Edit1->clear();
  ShowList();
  FullRefresh();
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

void TVornicForm::ListBox1DblClick(int Index) {
  if (Game.ShowWord(Index)) DrawPreview(*Image1, Game);
}

void TVornicForm::FullRefresh() {
  Game.DrawGrid(true);
  DrawPreview(*Image1, Game);
}

void TVornicForm::FillBlanks() {
  Placer.FillBlanks();
  FullRefresh();
}

void TVornicForm::DeleteAll() {
  Placer.DeleteAll();
  ShowList();
  FullRefresh();
}

void TVornicForm::Reord() {
  Placer.Reord();
  FullRefresh();
}

void TVornicForm::ListEdit() {
  TListEditForm Editor(this, Answer().Prompts);
  QStringList Words;
  for (int Row = 0; Row < ListBox1->count(); ++Row) Words << ListBox1->item(Row)->text();
  Editor.SetUserWords(Words);
  Editor.SetCharset(Game.Settings.Charset);
  if (Editor.exec() != QDialog::Accepted) return;
  std::vector<std::string> Edited;
  for (const QString& Word : Editor.UserWords()) Edited.push_back(Word.toStdString());
  Placer.PlaceEditedList(Edited);
  ShowList();
  FullRefresh();
}

void TVornicForm::GridSet() {
  TGridForm Dialog(this, Answer().Prompts);
  Dialog.CellsGroup->hide();
  Dialog.SetProps(Game.Settings);
  if (Dialog.exec() != QDialog::Accepted) return;
  if (Game.ApplySettings(Dialog.GetProps(Game.Settings))) {
    // A new size: the grid was cleared, so the list is placed again.
    ClearPreview(*Image1);
    Reord();
  } else {
    Game.DrawGrid(true);
    RedrawPreview(*Image1, Game);
  }
  SetCharset();
}

void TVornicForm::SetCharset() {
  ShowList();
}

void TVornicForm::GameList() {
  ClipboardContent Content;
  Content.Text = Game.Codes().Decode(WordListText(Placer.ListBox1));
  Ui().SetClipboard(Content);
}

void TVornicForm::CheckBox1Click(QCheckBox* Box) {
  Placer.SetEnabled(WordSearchPlacer::DirectionOfTag(Box->property("Tag").toInt()),
                    Box->isChecked());
}

bool TVornicForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == Edit1 && Event->type() == QEvent::KeyPress)
    return Edit1KeyDown(static_cast<QKeyEvent*>(Event)->key());
  return TGameForm::eventFilter(Watched, Event);
}

void TVornicForm::ShowList() {
  // Rebuilding moves the current row, which is not a click on a word.
  Listing = true;
  ListBox1->clear();
  for (const std::string& Word : Placer.ListBox1)
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
  QString Upper;
  Upper.reserve(Text.size());
  for (QChar C : Text) Upper += C.toUpper();
  if (Upper == Text) return;
  const int Cursor = Edit1->cursorPosition();
  Edit1->setText(Upper);
  Edit1->setCursorPosition(Cursor);
}

}  // namespace vornic::ui
