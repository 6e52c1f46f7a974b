#include "ui/games/GameWindowParts.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>

#include "base/CodePage.h"
#include "base/LetterCase.h"
#include "games/TypedText.h"

namespace vornic::ui {

QAction* MakeAction(QObject* Owner, const char* Name, const char* Text, const char* Shortcut,
                    const char* Hint) {
  auto* Action = new QAction(QString::fromUtf8(Text), Owner);
  Action->setObjectName(QString::fromLatin1(Name));
  if (*Shortcut) Action->setShortcut(QKeySequence(QString::fromLatin1(Shortcut)));
  // The tool bar shows the hint; a menu item shows only its text.
  Action->setToolTip(*Hint ? QString::fromUtf8(Hint) : Action->text().remove(QLatin1Char('&')));
  return Action;
}

QFont CourierNew(const QFont& Base) {
  QFont Font = Base;
  Font.setFamily(QStringLiteral("Courier New"));
  Font.setStyleHint(QFont::TypeWriter);
  return Font;
}

QString UpperOneForOne(const LetterCase& Case, const QString& Text) {
  return QString::fromStdString(Case.UpperText(Text.toStdString()));
}

FieldText ReadFieldText(const CodePage& Page, const QString& Text, const std::string& Field) {
  FieldText Result;
  const CodePage::EncodeResult Encoded = Page.Encode(Text.toStdString());
  if (!Encoded.Ok()) {
    Result.Refusal = Field + ": " + Page.RefusalMessage(Encoded.Unencodable);
    return Result;
  }
  if (std::string Control = ControlCharacterRefusal(Encoded.Bytes); !Control.empty()) {
    Result.Refusal = Field + ": " + Control;
    return Result;
  }
  Result.Bytes = Encoded.Bytes;
  return Result;
}

BusyCursor::BusyCursor() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace vornic::ui
