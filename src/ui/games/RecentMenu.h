#pragma once

#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace vornic::ui {

// A "&Recent" menu (object name "Recent1") that lists the recent puzzles (WindowSettings) each
// time it opens, numbered, with the full path as tip; choosing one calls Open with its path. An
// empty list shows one disabled "(none)" item.
QMenu* MakeRecentMenu(QWidget* Parent, std::function<void(const QString& FileName)> Open);

}  // namespace vornic::ui
