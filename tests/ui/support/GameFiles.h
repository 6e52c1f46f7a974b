#pragma once

#include <QAction>
#include <QObject>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

namespace vornic::test {

// A game file of the given type as its game would write it: Cols x Rows cells and, for each
// word, a rightward entry in its own row from column 1 (so the words must fit the columns and
// there must be a row for each). The type may be any name, also one no game has.
void WriteGameFile(const std::filesystem::path& Path, const std::string& TypeName, int Cols,
                   int Rows, const std::vector<std::string>& Words = {});

// The child of Owner named Name (its objectName, which stays the design's name whatever the
// C++ member is called); warns and returns null when missing.
template <typename T>
T* Child(const QObject& Owner, const char* Name) {
  T* Found = Owner.findChild<T*>(QString::fromLatin1(Name));
  if (!Found) qWarning("no child named %s", Name);
  return Found;
}
inline QAction* FindAction(const QObject& Owner, const char* Name) {
  return Child<QAction>(Owner, Name);
}

}  // namespace vornic::test
