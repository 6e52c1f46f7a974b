#pragma once

#include <QString>
#include <QWidget>
#include <QtTest>

namespace vornic::test {

// Types text into a widget key by key, as a keyboard would, including characters beyond
// Latin-1 (QTest::keyClicks takes only those).
inline void TypeText(QWidget* Widget, const QString& Text) {
  for (const QChar Character : Text)
    QTest::sendKeyEvent(QTest::Click, Widget, Qt::Key_unknown, QString(Character), Qt::NoModifier);
}

}  // namespace vornic::test
