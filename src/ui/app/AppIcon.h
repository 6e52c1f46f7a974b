#pragma once

#include <QIcon>
#include <QPixmap>

namespace vornic::ui {

// The program's icon: a small letter grid with one word marked. One SVG file serves the window
// frames, the about box, the desktop entry's icon written for a build-folder run and the
// installed hicolor icons, so they are the same picture everywhere.
class AppIcon {
 public:
  static QPixmap Pixmap(int Size);
  static QIcon Icon();
};

}  // namespace vornic::ui
