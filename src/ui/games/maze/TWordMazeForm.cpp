#include "ui/games/maze/TWordMazeForm.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "base/GridLimits.h"
#include "base/RandomGenerator.h"
#include "games/TypedText.h"
#include "games/maze/MazeSizes.h"
#include "ui/dialogs/TListEditForm.h"
#include "ui/games/GameWindowParts.h"

namespace vornic::ui {
namespace {

// Letters as the puzzle counts them: one per character, spaces too.
long long CountLetters(const QString& Text) {
  return static_cast<long long>(Text.toUcs4().size());
}

}  // namespace

TWordMazeForm::TWordMazeForm(const Answerers& Answer, QWidget* Parent)
    : TGameForm(std::string(TypeName), Answer,
                {.GridSize = false, .GridCells = false, .GridLanguage = false}, Parent) {
  setObjectName(QStringLiteral("WordMazeForm"));
  setMinimumSize(440, 380);
  resize(440, 380);
  BuildPanel();
  BuildGameMenu();
  KeepInSteps({edtFrase, UserWrdList, SizeListBox, SizeHint, Button1, SpeedButton6});
  GroupEnable(false);
  RandomGenerator::SeedFromClock();
  NewFile();
  // Whenever the window is given the focus (opened, activated), typing goes here.
  setFocusProxy(edtFrase);
  edtFrase->setFocus();
}

bool TWordMazeForm::Built() const {
  return SpeedButton6->isEnabled();
}

void TWordMazeForm::GroupEnable(bool Flag) {
  for (QAction* Item : {Save1, Saveas1, Savetofile1, CopyImage1, CopyasText1, Update1})
    Item->setEnabled(Flag);
  SpeedButton6->setEnabled(Flag);
  // "&Build game" needs a size as well.
  SetBuildable(Flag && SizeListBox->currentItem());
}

void TWordMazeForm::SetBuildable(bool On) {
  // The menu's "&Build Game" builds as the button does, so it can whenever the button can.
  Button1->setEnabled(On);
  BuildGame1->setEnabled(On);
}

void TWordMazeForm::NewFile() {
  // The save-changes question comes first, so that Yes saves the maze in its own size.
  if (!Game.CloseQuery()) return;
  Game.SetSize(StartCols, StartRows);
  if (!Game.New()) return;
  SizeListBox->clear();
  SetWordLines({});
  edtFrase->clear();
  // Also when the inputs were empty already: the new document shows nothing built.
  GroupEnable(false);
}

bool TWordMazeForm::OpenVornicG(const std::string& FileName) {
  if (!Game.Open(FileName)) return false;
  const MazeInput Input = MazeInputFromDocument(Game);
  QStringList Lines;
  for (const std::string& Word : Input.Words)
    Lines << QString::fromStdString(Game.Codes().Decode(Word));
  SetWordLines(Lines);
  edtFrase->setText(QString::fromStdString(Game.Codes().Decode(Input.Phrase)));
  Calculate();
  const auto Saved =
      QString::fromStdString(FormatSize({int{Game.Settings.Cols}, int{Game.Settings.Rows}}));
  const QList<QListWidgetItem*> Found = SizeListBox->findItems(Saved, Qt::MatchExactly);
  if (!Found.isEmpty()) SizeListBox->setCurrentItem(Found.front());
  GroupEnable(true);
  Game.DrawGrid(true);
  return true;
}

void TWordMazeForm::Calculate() {
  long long Total = CountLetters(edtFrase->text());
  for (const QString& Line : WordLines()) Total += CountLetters(Line);
  SizeListBox->clear();
  for (const MazeSize& Size : OfferedSizes(Total))
    SizeListBox->addItem(QString::fromStdString(FormatSize(Size)));
  const QString Hint = QString::fromStdString(NoSizeHint(Total));
  SizeHint->setText(Hint);
  SizeHint->setVisible(!Hint.isEmpty());
  // A built maze stays in the preview and the document until a new build replaces it.
  SetBuildable(false);
}

void TWordMazeForm::SizeListBoxClick() {
  QStringList Kept;
  for (const QString& Line : WordLines())
    if (!Line.isEmpty()) Kept << UpperOneForOne(Game.Case(), Line);
  if (Kept != WordLines()) SetWordLines(Kept);
  SetBuildable(SizeListBox->currentItem() != nullptr);
}

std::optional<MazeInput> TWordMazeForm::ReadInput() {
  MazeInput Input;
  TypedText Phrase =
      EncodeFieldText(Game.Codes(), edtFrase->text().toStdString(), "The title phrase");
  if (!Phrase.Ok()) {
    Ui().Tell(ApplicationTitle, Phrase.Refusal, Icon::Warning);
    return std::nullopt;
  }
  Input.Phrase = std::move(Phrase.Bytes);
  int LineNumber = 0;
  for (const QString& Line : WordLines()) {
    ++LineNumber;
    // An empty line holds no word (a click on a size has removed them).
    if (Line.isEmpty()) continue;
    TypedText Word = EncodeFieldText(Game.Codes(), Line.toStdString(),
                                     "Line " + std::to_string(LineNumber) + " of the words");
    if (!Word.Ok()) {
      Ui().Tell(ApplicationTitle, Word.Refusal, Icon::Warning);
      return std::nullopt;
    }
    Input.Words.push_back(std::move(Word.Bytes));
  }
  return Input;
}

void TWordMazeForm::Build() {
  AsStep(QStringLiteral("Build Game"), [this] { BuildMaze(); });
}

void TWordMazeForm::BuildMaze() {
  QListWidgetItem* Item = SizeListBox->currentItem();
  if (!Item) return;
  const std::optional<MazeSize> Size = ParseSizeItem(Item->text().toStdString());
  if (!Size) return;
  MazeGameInput Input;
  Input.Phrase = edtFrase->text().toStdString();
  for (const QString& Line : WordLines()) Input.Words.push_back(Line.toStdString());
  Input.Cols = Size->W;
  Input.Rows = Size->H;
  Input.OnBusy = ShowBusy;
  // A refusal has been told; the document kept the maze it held, and the preview and the
  // commands stay with it.
  if (!Descriptor().BuildInto(Game, Input)) return;
  // The default view of a built maze: its phrase highlighted.
  static_cast<void>(Descriptor().Draw(Game, MazeView()));
  GroupEnable(true);
}

void TWordMazeForm::FullRefresh() {
  Game.DrawGrid(true);
}

void TWordMazeForm::DeleteAll() {
  AsStep(QStringLiteral("Clear All"), [this] {
    SetWordLines({});
    Game.ClearGrid();
    Game.ClearPicture();
    GroupEnable(false);
    SizeListBox->clear();
    edtFrase->clear();
  });
}

void TWordMazeForm::ControlsRestored() {
  // The built flag came back with "&Refresh"; the build button as it was.
  const bool Buildable = Button1->isEnabled();
  GroupEnable(Built());
  SetBuildable(Buildable);
}

void TWordMazeForm::edtFraseDblClick() {
  if (Built()) static_cast<void>(Game.ShowWord(0));
}

void TWordMazeForm::UserWrdListDblClick(int Line) {
  const QStringList Lines = WordLines();
  if (!Built() || Line < 0 || Line >= Lines.size()) return;
  // The list may have changed since the build: the clicked word's own entry, if it has one.
  const QString Word = UpperOneForOne(Game.Case(), Lines[Line]);
  const MazeInput Puzzle = MazeInputFromDocument(Game);
  for (std::size_t i = 0; i < Puzzle.Words.size(); ++i)
    if (QString::fromStdString(Game.Codes().Decode(Puzzle.Words[i])) == Word) {
      static_cast<void>(Game.ShowWord(static_cast<int>(i) + 1));
      return;
    }
}

void TWordMazeForm::CopyWords() {
  const std::optional<MazeInput> Input = ReadInput();
  if (!Input) return;
  ClipboardContent Content;
  Content.Text = Game.Codes().Decode(MazeWordsText(*Input, Game.Settings.Charset));
  Ui().SetClipboard(Content);
}

void TWordMazeForm::ListEdit() {
  TListEditForm Editor(this, Answer().Prompts);
  Editor.SetUserWords(WordLines());
  Editor.SetCharset(Game.Settings.Charset);
  Editor.SetMaxLength(MaxGridSide);
  if (Editor.exec() != QDialog::Accepted) return;
  Editor.FollowChosenLanguage(Game);
  // New words, like typed ones, leave the built maze until a build replaces it.
  SetWordLines(Editor.UserWords());
  Calculate();
}

void TWordMazeForm::SettingsApplied(bool) {
  // The size comes from the size list; a maze has no coloured cells and no fill letters, so the
  // dialog showed none of them.
  Game.DrawGrid(true);
}

bool TWordMazeForm::TypedTextPending() const {
  QStringList Typed;
  for (const QString& Line : WordLines())
    if (!Line.isEmpty()) Typed << UpperOneForOne(Game.Case(), Line);
  if (edtFrase->text().isEmpty() && Typed.isEmpty()) return false;
  const MazeInput Puzzle = MazeInputFromDocument(Game);
  QStringList InPuzzle;
  for (const std::string& Word : Puzzle.Words)
    InPuzzle << QString::fromStdString(Game.Codes().Decode(Word));
  return edtFrase->text() != QString::fromStdString(Game.Codes().Decode(Puzzle.Phrase)) ||
         Typed != InPuzzle;
}

QStringList TWordMazeForm::WordLines() const {
  const QString Text = UserWrdList->toPlainText();
  if (Text.isEmpty()) return {};
  return Text.split(QLatin1Char('\n'));
}

void TWordMazeForm::SetWordLines(const QStringList& Lines) {
  Filling = true;
  UserWrdList->setPlainText(Lines.join(QLatin1Char('\n')));
  Filling = false;
}

void TWordMazeForm::edtFraseEdited(const QString& Text) {
  const QString Upper = UpperOneForOne(Game.Case(), Text);
  if (Upper == Text) return;
  const int Cursor = edtFrase->cursorPosition();
  edtFrase->setText(Upper);
  edtFrase->setCursorPosition(Cursor);
}

void TWordMazeForm::UserWrdListChange() {
  // Only typing (and pasting) changes the sizes; the program's own fillings do not.
  if (!Filling) Calculate();
}

bool TWordMazeForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::MouseButtonDblClick) {
    if (Watched == edtFrase) edtFraseDblClick();
    // After the press has put the caret on the clicked line.
    if (Watched == UserWrdList->viewport())
      UserWrdListDblClick(UserWrdList->textCursor().blockNumber());
  }
  return TGameForm::eventFilter(Watched, Event);
}

}  // namespace vornic::ui
