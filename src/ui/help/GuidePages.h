#pragma once

#include <QList>
#include <QString>
#include <string>

namespace vornic::ui {

// The user guide's pages: HTML files in share/doc/vornicpack/guide beside the programs' bin/
// folder, in a build folder and in an installation alike, listed in its contents.txt.
struct GuidePage {
  QString File;   // the page's file name, "wordsearch.html"
  QString Title;  // as the contents list shows it
};

class GuidePages {
 public:
  static constexpr const char* MainPage = "index.html";

  // The guide's folder, whether or not it exists.
  static QString Folder();
  // The pages of contents.txt in its order (one "file title" a line); empty without a guide.
  static QList<GuidePage> Contents();
  // The page of a game, named after its command-line name ("maze.html"); the main page for a
  // type name no game has.
  static QString PageOfGame(const std::string& GameName);
  // A page's text without its markup, for searching.
  static QString PlainText(const QString& File);
};

}  // namespace vornic::ui
