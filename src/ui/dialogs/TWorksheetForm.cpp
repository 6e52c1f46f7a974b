#include "ui/dialogs/TWorksheetForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "base/AppPaths.h"
#include "document/TVornicGame.h"
#include "worksheet/PaperChoice.h"
#include "worksheet/SolverNotes.h"

namespace vornic::ui {
namespace {

// Beside the program's settings file, in a file of its own so that the character sets' file
// is never rewritten by Qt.
QString ChoicesFile() {
  return QString::fromStdString(
      (AppPaths::SettingsFile().parent_path() / "worksheet.ini").string());
}

// Settings keys: a file's title under its path, a game's instruction under its type name, each
// made safe as a key (no "/" to open a group).
QString Key(const char* Group, const std::string& Name) {
  return QString::fromLatin1(Group) + QLatin1Char('/') +
         QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(Name)));
}
QString TitleKey(const TVornicGame& Game) {
  return Key("Titles", Game.FileName.empty() ? std::string("untitled") : Game.FileName);
}
QString InstructionKey(const TVornicGame& Game) {
  return Key("Instructions", Game.GameName);
}

QString FileTitle(const TVornicGame& Game) {
  return QString::fromStdString(Game.FileName.empty()
                                    ? Game.DisplayName()
                                    : std::filesystem::path(Game.FileName).stem().string());
}

}  // namespace

TWorksheetForm::TWorksheetForm(const TVornicGame& Game, QWidget* Parent)
    : QDialog(Parent), DefaultInstruction(QString::fromStdString(NotesFor(Game).Instruction)) {
  setObjectName(QStringLiteral("TWorksheetForm"));
  setWindowTitle(QStringLiteral("Worksheet"));
  TitleEdit = new QLineEdit(this);
  TitleEdit->setObjectName(QStringLiteral("TitleEdit"));
  TitleEdit->setPlaceholderText(FileTitle(Game));
  PageBox = new QComboBox(this);
  PageBox->setObjectName(QStringLiteral("PageBox"));
  PageBox->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
  NameLineBox = new QCheckBox(QStringLiteral("&Name and date line"), this);
  NameLineBox->setObjectName(QStringLiteral("NameLineBox"));
  InstructionsEdit = new QLineEdit(this);
  InstructionsEdit->setObjectName(QStringLiteral("InstructionsEdit"));
  InstructionsEdit->setPlaceholderText(QStringLiteral("No instruction"));
  InstructionsEdit->setMinimumWidth(420);
  InstructionsEdit->setToolTip(
      QStringLiteral("The line that tells the students what to do. Empty it to leave it out."));
  WordListBox = new QComboBox(this);
  WordListBox->setObjectName(QStringLiteral("WordListBox"));
  WordListBox->addItems({QStringLiteral("Hidden (harder)"), QStringLiteral("Sorted"),
                         QStringLiteral("In the order placed")});
  AnswersBox = new QCheckBox(QStringLiteral("&Answer key on a page of its own"), this);
  AnswersBox->setObjectName(QStringLiteral("AnswersBox"));
  KeyStyleBox = new QComboBox(this);
  KeyStyleBox->setObjectName(QStringLiteral("KeyStyleBox"));
  KeyStyleBox->addItems(
      {QStringLiteral("Lines through the words"), QStringLiteral("Outlines around the words")});
  LargePrintBox = new QCheckBox(QStringLiteral("&Large print (young readers, low vision)"), this);
  LargePrintBox->setObjectName(QStringLiteral("LargePrintBox"));
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(AnswersBox, &QCheckBox::toggled, KeyStyleBox, &QWidget::setEnabled);

  auto* Layout = new QFormLayout(this);
  Layout->addRow(QStringLiteral("&Title:"), TitleEdit);
  Layout->addRow(QStringLiteral("&Paper:"), PageBox);
  Layout->addRow(NameLineBox);
  Layout->addRow(QStringLiteral("&Instruction:"), InstructionsEdit);
  Layout->addRow(QStringLiteral("&Word list:"), WordListBox);
  Layout->addRow(AnswersBox);
  Layout->addRow(QStringLiteral("&Key marks:"), KeyStyleBox);
  Layout->addRow(LargePrintBox);
  Layout->addRow(Buttons);
  SetOptions(Remembered(Game));
}

WorksheetOptions TWorksheetForm::Options() const {
  WorksheetOptions Result;
  Result.Title = TitleEdit->text().trimmed().toStdString();
  Result.Paper = PageBox->currentIndex() == 1 ? PaperSize::Letter : PaperSize::A4;
  Result.NameLine = NameLineBox->isChecked();
  Result.Pages = AnswersBox->isChecked() ? SheetPages::PuzzlesAndAnswers : SheetPages::PuzzlesOnly;
  // The game's own instruction stays unset, so that it follows the puzzle (its directions).
  const QString Instruction = InstructionsEdit->text().trimmed();
  if (Instruction != DefaultInstruction) Result.Instructions = Instruction.toStdString();
  Result.WordList = static_cast<WordListOrder>(WordListBox->currentIndex());
  Result.Key = KeyStyleBox->currentIndex() == 1 ? KeyStyle::Outlines : KeyStyle::Lines;
  Result.LargePrint = LargePrintBox->isChecked();
  return Result;
}

void TWorksheetForm::SetOptions(const WorksheetOptions& Options) {
  TitleEdit->setText(QString::fromStdString(Options.Title));
  PageBox->setCurrentIndex(Options.Paper == PaperSize::Letter ? 1 : 0);
  NameLineBox->setChecked(Options.NameLine);
  AnswersBox->setChecked(Options.Pages != SheetPages::PuzzlesOnly);
  KeyStyleBox->setEnabled(AnswersBox->isChecked());
  InstructionsEdit->setText(Options.Instructions ? QString::fromStdString(*Options.Instructions)
                                                 : DefaultInstruction);
  InstructionsEdit->setCursorPosition(0);  // a long instruction shows its start
  WordListBox->setCurrentIndex(static_cast<int>(Options.WordList));
  KeyStyleBox->setCurrentIndex(Options.Key == KeyStyle::Outlines ? 1 : 0);
  LargePrintBox->setChecked(Options.LargePrint);
}

WorksheetOptions TWorksheetForm::Remembered(const TVornicGame& Game) {
  QSettings Choices(ChoicesFile(), QSettings::IniFormat);
  WorksheetOptions Options;
  const QString Paper = Choices.value(QStringLiteral("Worksheet/Paper")).toString();
  Options.Paper = Paper == QStringLiteral("Letter") ? PaperSize::Letter
                  : Paper == QStringLiteral("A4")   ? PaperSize::A4
                                                    : DefaultPaper();
  Options.NameLine = Choices.value(QStringLiteral("Worksheet/NameLine"), true).toBool();
  Options.Pages = Choices.value(QStringLiteral("Worksheet/AnswerKey"), true).toBool()
                      ? SheetPages::PuzzlesAndAnswers
                      : SheetPages::PuzzlesOnly;
  Options.Title = Choices.value(TitleKey(Game)).toString().toStdString();
  if (Choices.contains(InstructionKey(Game)))
    Options.Instructions = Choices.value(InstructionKey(Game)).toString().toStdString();
  const int WordList = Choices.value(QStringLiteral("Worksheet/WordList"), 1).toInt();
  Options.WordList = static_cast<WordListOrder>(std::clamp(WordList, 0, 2));
  Options.Key = Choices.value(QStringLiteral("Worksheet/KeyOutlines"), false).toBool()
                    ? KeyStyle::Outlines
                    : KeyStyle::Lines;
  Options.LargePrint = Choices.value(QStringLiteral("Worksheet/LargePrint"), false).toBool();
  return Options;
}

void TWorksheetForm::Remember(const TVornicGame& Game, const WorksheetOptions& Options) {
  QSettings Choices(ChoicesFile(), QSettings::IniFormat);
  Choices.setValue(QStringLiteral("Worksheet/Paper"), Options.Paper == PaperSize::Letter
                                                          ? QStringLiteral("Letter")
                                                          : QStringLiteral("A4"));
  Choices.setValue(QStringLiteral("Worksheet/NameLine"), Options.NameLine);
  Choices.setValue(QStringLiteral("Worksheet/AnswerKey"), Options.Pages != SheetPages::PuzzlesOnly);
  if (Options.Title.empty())
    Choices.remove(TitleKey(Game));
  else
    Choices.setValue(TitleKey(Game), QString::fromStdString(Options.Title));
  if (Options.Instructions)
    Choices.setValue(InstructionKey(Game), QString::fromStdString(*Options.Instructions));
  else
    Choices.remove(InstructionKey(Game));
  Choices.setValue(QStringLiteral("Worksheet/WordList"), static_cast<int>(Options.WordList));
  Choices.setValue(QStringLiteral("Worksheet/KeyOutlines"), Options.Key == KeyStyle::Outlines);
  Choices.setValue(QStringLiteral("Worksheet/LargePrint"), Options.LargePrint);
}

}  // namespace vornic::ui
