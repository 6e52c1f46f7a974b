#include "ui/games/RecentMenu.h"

#include <QFileInfo>
#include <QMenu>

#include "ui/app/WindowSettings.h"

namespace vornic::ui {

QMenu* MakeRecentMenu(QWidget* Parent, std::function<void(const QString& FileName)> Open) {
  auto* Menu = new QMenu(QStringLiteral("&Recent"), Parent);
  Menu->setObjectName(QStringLiteral("Recent1"));
  Menu->menuAction()->setObjectName(QStringLiteral("Recent1"));
  auto Fill = [Menu, Open] {
    Menu->clear();
    int Number = 0;
    for (const QString& File : WindowSettings::RecentFiles()) {
      QString Name = QFileInfo(File).fileName();
      Name.replace(QLatin1Char('&'), QStringLiteral("&&"));
      QAction* Item = Menu->addAction(QStringLiteral("&%1 %2").arg(++Number).arg(Name));
      Item->setToolTip(File);
      QObject::connect(Item, &QAction::triggered, Menu, [Open, File] { Open(File); });
    }
    if (Menu->isEmpty()) Menu->addAction(QStringLiteral("(none)"))->setEnabled(false);
  };
  QObject::connect(Menu, &QMenu::aboutToShow, Menu, Fill);
  Fill();
  return Menu;
}

}  // namespace vornic::ui
