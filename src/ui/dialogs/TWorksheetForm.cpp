#include "ui/dialogs/TWorksheetForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>

#include "base/AppPaths.h"
#include "worksheet/PaperChoice.h"

namespace vornic::ui {
namespace {

// Beside the program's settings file, in a file of its own so that the character sets' file
// is never rewritten by Qt.
QString ChoicesFile() {
  return QString::fromStdString(
      (AppPaths::SettingsFile().parent_path() / "worksheet.ini").string());
}

}  // namespace

TWorksheetForm::TWorksheetForm(const QString& FileTitle, QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("TWorksheetForm"));
  setWindowTitle(QStringLiteral("Worksheet"));
  TitleEdit = new QLineEdit(this);
  TitleEdit->setObjectName(QStringLiteral("TitleEdit"));
  TitleEdit->setPlaceholderText(FileTitle);
  PageBox = new QComboBox(this);
  PageBox->setObjectName(QStringLiteral("PageBox"));
  PageBox->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
  NameLineBox = new QCheckBox(QStringLiteral("&Name and date line"), this);
  NameLineBox->setObjectName(QStringLiteral("NameLineBox"));
  AnswersBox = new QCheckBox(QStringLiteral("&Answer key on a page of its own"), this);
  AnswersBox->setObjectName(QStringLiteral("AnswersBox"));
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* Layout = new QFormLayout(this);
  Layout->addRow(QStringLiteral("&Title:"), TitleEdit);
  Layout->addRow(QStringLiteral("&Paper:"), PageBox);
  Layout->addRow(NameLineBox);
  Layout->addRow(AnswersBox);
  Layout->addRow(Buttons);
  SetOptions(Remembered());
}

WorksheetOptions TWorksheetForm::Options() const {
  WorksheetOptions Result;
  Result.Title = TitleEdit->text().trimmed().toStdString();
  Result.Paper = PageBox->currentIndex() == 1 ? PaperSize::Letter : PaperSize::A4;
  Result.NameLine = NameLineBox->isChecked();
  Result.Pages = AnswersBox->isChecked() ? SheetPages::PuzzlesAndAnswers : SheetPages::PuzzlesOnly;
  return Result;
}

void TWorksheetForm::SetOptions(const WorksheetOptions& Options) {
  TitleEdit->setText(QString::fromStdString(Options.Title));
  PageBox->setCurrentIndex(Options.Paper == PaperSize::Letter ? 1 : 0);
  NameLineBox->setChecked(Options.NameLine);
  AnswersBox->setChecked(Options.Pages != SheetPages::PuzzlesOnly);
}

WorksheetOptions TWorksheetForm::Remembered() {
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
  return Options;
}

void TWorksheetForm::Remember(const WorksheetOptions& Options) {
  QSettings Choices(ChoicesFile(), QSettings::IniFormat);
  Choices.setValue(QStringLiteral("Worksheet/Paper"), Options.Paper == PaperSize::Letter
                                                          ? QStringLiteral("Letter")
                                                          : QStringLiteral("A4"));
  Choices.setValue(QStringLiteral("Worksheet/NameLine"), Options.NameLine);
  Choices.setValue(QStringLiteral("Worksheet/AnswerKey"), Options.Pages != SheetPages::PuzzlesOnly);
}

}  // namespace vornic::ui
