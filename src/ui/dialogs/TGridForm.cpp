#include "ui/dialogs/TGridForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/CharsetNames.h"
#include "base/CodePage.h"
#include "base/DocumentError.h"
#include "base/EmptyChar.h"
#include "base/GridLimits.h"
#include "document/SettingsFile.h"
#include "document/TGridSettings.h"
#include "ui/dialogs/ColorComboBox.h"
#include "ui/dialogs/DialogPrompts.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/dialogs/TLangForm.h"

namespace vornic::ui {
namespace {

template <typename Widget>
Widget* Named(Widget* Control, const char* Name) {
  Control->setObjectName(QString::fromLatin1(Name));
  return Control;
}

QGroupBox* NewGroup(QWidget* Parent, const char* Name, const char* Title) {
  return Named(new QGroupBox(QString::fromLatin1(Title), Parent), Name);
}

SpinEdit* NewSizeEdit(QWidget* Parent, const char* Name) {
  auto* Edit = Named(new SpinEdit(Parent), Name);
  Edit->setRange(MinGridSide, MaxGridSide);
  return Edit;
}

}  // namespace

TGridForm::TGridForm(QWidget* Parent, DialogPrompts* GivenPrompts)
    : QDialog(Parent), Prompts(GivenPrompts ? *GivenPrompts : DialogPrompts::Standard()) {
  setObjectName(QStringLiteral("GridForm"));
  setWindowTitle(QStringLiteral("Grid Settings"));
  BuildColorGroup();
  BuildSizeGroup();
  BuildFontGroup();
  BuildCellsGroup();
  BuildLanguageGroup();
  BuildButtonPanel();

  auto* Layout = new QVBoxLayout(this);
  for (QWidget* Part : {static_cast<QWidget*>(ColorGroup), static_cast<QWidget*>(SizeGroup),
                        static_cast<QWidget*>(FontGroup), static_cast<QWidget*>(CellsGroup),
                        static_cast<QWidget*>(LanguageGroup), ButtonPanel})
    Layout->addWidget(Part);
  // The dialog is always exactly as large as what it shows: hidden groups take no room.
  Layout->setSizeConstraint(QLayout::SetFixedSize);
  FormCreate();
}

void TGridForm::BuildColorGroup() {
  ColorGroup = NewGroup(this, "ColorGroup", " Grid Color ");
  CheckBox1 = Named(new QCheckBox(QStringLiteral("&Frame shadow"), ColorGroup), "CheckBox1");
  CheckBox2 = Named(new QCheckBox(QStringLiteral("&Grid lines"), ColorGroup), "CheckBox2");
  ColorComboBox1 = Named(new ColorComboBox(ColorGroup), "ColorComboBox1");
  ColorComboBox2 = Named(new ColorComboBox(ColorGroup), "ColorComboBox2");
  auto* Layout = new QFormLayout(ColorGroup);
  Layout->addRow(CheckBox1);
  Layout->addRow(CheckBox2);
  Layout->addRow(QStringLiteral("Lines color:"), ColorComboBox1);
  Layout->addRow(QStringLiteral("Background:"), ColorComboBox2);
}

void TGridForm::BuildSizeGroup() {
  SizeGroup = NewGroup(this, "SizeGroup", " Grid Size ");
  SpinEdit2 = NewSizeEdit(SizeGroup, "SpinEdit2");
  SpinEdit1 = NewSizeEdit(SizeGroup, "SpinEdit1");
  auto* Layout = new QFormLayout(SizeGroup);
  Layout->addRow(QStringLiteral("Columns:"), SpinEdit2);
  Layout->addRow(QStringLiteral("Rows:"), SpinEdit1);
}

void TGridForm::BuildFontGroup() {
  FontGroup = NewGroup(this, "FontGroup", " Grid Font ");
  ColorComboBox3 = Named(new ColorComboBox(FontGroup), "ColorComboBox3");
  Combo2 = Named(new QComboBox(FontGroup), "Combo2");
  for (const CharsetName& Entry : CharsetNames)
    Combo2->addItem(
        QString::fromLatin1(Entry.Caption.data(), static_cast<qsizetype>(Entry.Caption.size())));
  CheckBox3 = Named(new QCheckBox(QStringLiteral("&Bold"), FontGroup), "CheckBox3");
  auto* Layout = new QFormLayout(FontGroup);
  Layout->addRow(QStringLiteral("Color:"), ColorComboBox3);
  Layout->addRow(QStringLiteral("Charset:"), Combo2);
  Layout->addRow(CheckBox3);
}

void TGridForm::BuildCellsGroup() {
  CellsGroup = NewGroup(this, "CellsGroup", " Colored Cells ");
  ColorComboBox5 = Named(new ColorComboBox(CellsGroup), "ColorComboBox5");
  ColorComboBox6 = Named(new ColorComboBox(CellsGroup), "ColorComboBox6");
  auto* Layout = new QFormLayout(CellsGroup);
  Layout->addRow(QStringLiteral("Font:"), ColorComboBox5);
  Layout->addRow(QStringLiteral("Background:"), ColorComboBox6);
}

void TGridForm::BuildLanguageGroup() {
  LanguageGroup = NewGroup(this, "LanguageGroup", " Random characters set ");
  Combo1 = Named(new QComboBox(LanguageGroup), "Combo1");
  Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  Combo1->setMinimumContentsLength(10);
  SpeedButton4 = Named(new QPushButton(QStringLiteral("&Create"), LanguageGroup), "SpeedButton4");
  SpeedButton2 = Named(new QPushButton(QStringLiteral("&Delete"), LanguageGroup), "SpeedButton2");
  for (QPushButton* Button : {SpeedButton4, SpeedButton2}) Button->setAutoDefault(false);
  auto* Layout = new QHBoxLayout(LanguageGroup);
  Layout->addWidget(Combo1, 1);
  Layout->addWidget(SpeedButton4);
  Layout->addWidget(SpeedButton2);
  connect(Combo1, &QComboBox::currentIndexChanged, this, &TGridForm::Combo1Change);
  connect(SpeedButton4, &QPushButton::clicked, this, &TGridForm::SpeedButton4Click);
  connect(SpeedButton2, &QPushButton::clicked, this, &TGridForm::SpeedButton2Click);
}

void TGridForm::BuildButtonPanel() {
  ButtonPanel = Named(new QWidget(this), "ButtonPanel");
  QFont Bold = font();
  Bold.setBold(true);
  CancelButton = Named(new QPushButton(QStringLiteral("Cancel"), ButtonPanel), "CancelButton");
  OkButton = Named(new QPushButton(QStringLiteral("Ok"), ButtonPanel), "OkButton");
  CancelButton->setFont(Bold);
  CancelButton->setAutoDefault(false);
  OkButton->setFont(Bold);
  OkButton->setDefault(true);
  auto* Layout = new QHBoxLayout(ButtonPanel);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->addStretch();
  Layout->addWidget(CancelButton);
  Layout->addWidget(OkButton);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(OkButton, &QPushButton::clicked, this, &TGridForm::accept);
}

void TGridForm::FormCreate() {
  Selecting = true;
  Combo1->clear();
  for (const std::string& Name : SettingsFile::Default().ListCharsets())
    Combo1->addItem(QString::fromStdString(Name));
  Combo1->setCurrentIndex(-1);
  Selecting = false;
  UsableLanguage = -1;
}

void TGridForm::FormShow() {
  // With the layout's fixed-size constraint, the height becomes the visible groups stacked
  // one under the other plus the button panel.
  layout()->activate();
  adjustSize();
}

void TGridForm::showEvent(QShowEvent* Event) {
  FormShow();
  QDialog::showEvent(Event);
}

void TGridForm::SetProps(const TGridSettings& Settings) {
  Combo2->setCurrentIndex(CharsetIndex(Settings.Charset));
  SpinEdit2->setValue(Settings.Cols);
  SpinEdit1->setValue(Settings.Rows);
  ColorComboBox1->SetColor(Settings.LineColor);
  ColorComboBox2->SetColor(Settings.BackColor);
  ColorComboBox3->SetColor(Settings.FontColor);
  ColorComboBox5->SetColor(Settings.MarkFontColor);
  ColorComboBox6->SetColor(Settings.MarkBackColor);
  CheckBox1->setChecked(Settings.Shadow != 0);
  CheckBox2->setChecked(Settings.GridLines != 0);
  CheckBox3->setChecked(Settings.Bold != 0);
  const std::string Name = CodePage::ForCharset(Settings.Charset).Decode(Settings.LanguageName());
  SelectLanguage(FindLanguage(QString::fromStdString(Name)));
}

TGridSettings TGridForm::GetProps(const TGridSettings& Current) const {
  TGridSettings Settings = Current;
  // Games that hide the size compute their own, which may lie outside the spin range. A size
  // the record could not hold would change nothing; none lies within the spin range.
  if (SizeGroup->isVisibleTo(this))
    static_cast<void>(Settings.SetSize(SpinEdit2->Value(), SpinEdit1->Value()));
  Settings.Charset = static_cast<std::uint8_t>(CharsetAtIndex(Combo2->currentIndex()));
  Settings.LineColor = ColorComboBox1->Color();
  Settings.BackColor = ColorComboBox2->Color();
  Settings.FontColor = ColorComboBox3->Color();
  Settings.MarkFontColor = ColorComboBox5->Color();
  Settings.MarkBackColor = ColorComboBox6->Color();
  Settings.Shadow = CheckBox1->isChecked() ? 1 : 0;
  Settings.GridLines = CheckBox2->isChecked() ? 1 : 0;
  Settings.Bold = CheckBox3->isChecked() ? 1 : 0;
  const int Language = Combo1->currentIndex();
  if (Language < 0) {
    Settings.Language.fill('\0');  // no character set chosen
  } else if (LanguageProblem(Language, Settings.Charset).isEmpty()) {
    const CodePage::EncodeResult Name =
        CodePage::ForCharset(Settings.Charset).Encode(Combo1->itemText(Language).toStdString());
    // A name the puzzle cannot keep was refused by Ok; should it come here anyway, the settings
    // keep the document's Language rather than a cut or mistranslated name.
    if (!Name.Ok() || !Settings.SetLanguageName(Name.Bytes)) Settings.Language = Current.Language;
  }
  return Settings;
}

void TGridForm::accept() {
  const int Language = Combo1->currentIndex();
  if (Language >= 0) {
    const QString Problem = LanguageProblem(Language, CharsetAtIndex(Combo2->currentIndex()));
    if (!Problem.isEmpty()) {
      Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), Problem, Icon::Warning);
      Combo1->setFocus();
      return;
    }
  }
  QDialog::accept();
}

void TGridForm::SpeedButton4Click() {
  TLangForm Form(this, &Prompts);
  if (Form.exec() != QDialog::Accepted) return;
  const QString Name = Form.SetName();
  try {
    SettingsFile::Default().WriteCharset(Name.toStdString(), Form.Characters().toStdString());
  } catch (const DocumentError& Failure) {
    Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), QString::fromUtf8(Failure.what()),
                 Icon::Error);
    return;
  }
  // An existing set got its new characters; it is not listed twice.
  if (FindLanguage(Name) >= 0) return;
  const int Selected = Combo1->currentIndex();
  Selecting = true;
  Combo1->addItem(Name);
  Combo1->setCurrentIndex(Selected);  // adding to an empty list would select the new name
  Selecting = false;
}

void TGridForm::SpeedButton2Click() {
  const int Index = Combo1->currentIndex();
  if (Index < 0) return;
  const QString Name = Combo1->itemText(Index);
  if (Prompts.Ask(this, QStringLiteral("Please confirm"),
                  QStringLiteral("Delete Character set \"%1\"?").arg(Name), Buttons::OkCancel,
                  Icon::Question) != Answer::Ok)
    return;
  try {
    SettingsFile::Default().DeleteCharset(Name.toStdString());
  } catch (const DocumentError& Failure) {
    Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), QString::fromUtf8(Failure.what()),
                 Icon::Error);
    return;
  }
  Selecting = true;
  Combo1->removeItem(Index);
  Selecting = false;
  SelectLanguage(Combo1->count() > 0 ? 0 : -1);
}

void TGridForm::Combo1Change(int Index) {
  if (Selecting) return;
  if (Index >= 0) {
    const QString Problem = LanguageProblem(Index, CharsetAtIndex(Combo2->currentIndex()));
    if (!Problem.isEmpty()) {
      Prompts.Tell(this, QString::fromLatin1(ApplicationTitle), Problem, Icon::Warning);
      SelectLanguage(UsableLanguage);
      return;
    }
  }
  UsableLanguage = Index;
}

void TGridForm::SelectLanguage(int Index) {
  Selecting = true;
  Combo1->setCurrentIndex(Index);
  Selecting = false;
  UsableLanguage = Combo1->currentIndex();
}

QString TGridForm::LanguageProblem(int Index, int Charset) const {
  const QString Name = Combo1->itemText(Index);
  const std::string Utf8 = Name.toStdString();
  if (Utf8ToUtf32(Utf8).size() > static_cast<std::size_t>(TGridSettings::MaxLanguageLength))
    return QStringLiteral(
               "The character set \"%1\" cannot be used: a puzzle keeps the names of character "
               "sets of at most %2 characters.")
        .arg(Name)
        .arg(TGridSettings::MaxLanguageLength);
  const CodePage& Page = CodePage::ForCharset(Charset);
  const CodePage::EncodeResult Encoded = Page.Encode(Utf8);
  TGridSettings Probe;
  if (!Encoded.Ok() || !Probe.SetLanguageName(Encoded.Bytes))
    return QStringLiteral("The character set \"%1\" cannot be used with this charset. %2")
        .arg(Name, QString::fromStdString(Page.RefusalMessage(Encoded.Unencodable)));
  return {};
}

int TGridForm::FindLanguage(const QString& Name) const {
  for (int Index = 0; Index < Combo1->count(); ++Index)
    if (Combo1->itemText(Index).compare(Name, Qt::CaseInsensitive) == 0) return Index;
  return -1;
}

}  // namespace vornic::ui
