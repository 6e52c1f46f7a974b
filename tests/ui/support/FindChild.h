#pragma once

#include <QAction>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace vornic::test {

// The child of Owner named Name (its objectName, which stays the design's name whatever the
// C++ member is called). A missing child, or one of another type, ends the test program with a
// message naming both, rather than a null pointer crashing somewhere later.
template <typename T>
T* Child(const QObject& Owner, const char* Name) {
  T* Found = Owner.findChild<T*>(QString::fromLatin1(Name));
  if (!Found)
    qFatal("%s has no %s named \"%s\"", qPrintable(Owner.objectName()),
           T::staticMetaObject.className(), Name);
  return Found;
}
inline QAction* FindAction(const QObject& Owner, const char* Name) {
  return Child<QAction>(Owner, Name);
}

}  // namespace vornic::test
