#include "ui/app/TShellLink.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QUrl>

namespace vornic::ui {

TShellLink::TShellLink(QWidget* Parent) : QLabel(Parent) {
  QPalette Normal = palette();
  Normal.setColor(QPalette::WindowText, Qt::black);
  setPalette(Normal);
  Focus = font();
  Focus.setUnderline(true);
  setCursor(Qt::PointingHandCursor);
}

void TShellLink::MouseEnter() {
  if (!Hovered) {
    SavedFont = font();
    SavedPalette = palette();
    Hovered = true;
  }
  setFont(Focus);
  QPalette Highlighted = palette();
  Highlighted.setColor(QPalette::WindowText, FocusColor);
  setPalette(Highlighted);
  if (OnMouseEnter) OnMouseEnter();
}

void TShellLink::MouseLeave() {
  if (Hovered) {
    setFont(SavedFont);
    setPalette(SavedPalette);
    Hovered = false;
  }
  if (OnMouseLeave) OnMouseLeave();
}

void TShellLink::Click() {
  if (Link.isEmpty()) return;
  // A path on this machine opens as a file; anything else (https:, mailto:) as an address.
  const QUrl Url = QFileInfo(Link).isAbsolute() ? QUrl::fromLocalFile(Link)
                                                : QUrl::fromUserInput(Link, QDir::homePath());
  QDesktopServices::openUrl(Url);
}

void TShellLink::enterEvent(QEnterEvent* Event) {
  QLabel::enterEvent(Event);
  MouseEnter();
}

void TShellLink::leaveEvent(QEvent* Event) {
  QLabel::leaveEvent(Event);
  MouseLeave();
}

void TShellLink::mouseReleaseEvent(QMouseEvent* Event) {
  QLabel::mouseReleaseEvent(Event);
  if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint())) Click();
}

}  // namespace vornic::ui
