#include "ui/help/GuidePages.h"

#include <QFile>
#include <QTextDocument>

#include "base/AppPaths.h"
#include "games/GameTable.h"

namespace vornic::ui {

QString GuidePages::Folder() {
  const auto Guide = AppPaths::ProgramFolder() / ".." / "share" / "doc" / "vornicpack" / "guide";
  return QString::fromStdString(Guide.lexically_normal().string());
}

QList<GuidePage> GuidePages::Contents() {
  QList<GuidePage> Pages;
  QFile List(Folder() + QStringLiteral("/contents.txt"));
  if (!List.open(QIODevice::ReadOnly | QIODevice::Text)) return Pages;
  for (const QString& Line : QString::fromUtf8(List.readAll()).split(QLatin1Char('\n'))) {
    const qsizetype Space = Line.indexOf(QLatin1Char(' '));
    if (Space > 0) Pages.append({Line.left(Space), Line.mid(Space + 1).trimmed()});
  }
  return Pages;
}

QString GuidePages::PageOfGame(const std::string& GameName) {
  const GameInfo* Game = FindGameByTypeName(GameName);
  if (!Game) return QString::fromLatin1(MainPage);
  return QString::fromUtf8(Game->CliName.data(), static_cast<qsizetype>(Game->CliName.size())) +
         QStringLiteral(".html");
}

QString GuidePages::PlainText(const QString& File) {
  QFile Page(Folder() + QLatin1Char('/') + File);
  if (!Page.open(QIODevice::ReadOnly)) return {};
  QTextDocument Document;
  Document.setHtml(QString::fromUtf8(Page.readAll()));
  return Document.toPlainText();
}

}  // namespace vornic::ui
