#include "ui/games/GameWindowParts.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>

#include "base/LetterCase.h"

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

void ShowBusy(bool Busy) {
  if (Busy)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace vornic::ui
