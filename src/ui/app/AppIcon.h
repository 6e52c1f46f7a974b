#pragma once

#include <QIcon>
#include <QPixmap>

namespace vornic::ui {

// The program's icon: a small letter grid with one word marked, drawn rather than stored so that
// it is sharp at every size. Used by the main window, the about box and the file association.
class AppIcon {
 public:
  static QPixmap Pixmap(int Size);
  static QIcon Icon();
};

}  // namespace vornic::ui
