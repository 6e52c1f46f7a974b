#include "ui/app/UserGuide.h"

#include <QAction>

namespace vornic::ui {

void SetUpContents(QAction* Contents, QWidget*) {
  // No guide ships yet: greyed rather than an item that does nothing.
  Contents->setEnabled(false);
}

}  // namespace vornic::ui
