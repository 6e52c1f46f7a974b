#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <functional>

namespace vornic::ui {

// A label that behaves as a hyperlink: while the mouse is over it, it shows FocusFont in
// FocusColor; leaving restores exactly the font and colour it had; a click asks the desktop to
// open Link (a document path, a web address or a mail address). An empty Link does nothing, and
// a failure of the desktop to open it is ignored.
class TShellLink : public QLabel {
  Q_OBJECT

 public:
  explicit TShellLink(QWidget* Parent = nullptr);

  QFont FocusFont() const { return Focus; }
  // Keeps a copy of the given font.
  void SetFocusFont(const QFont& Font) { Focus = Font; }
  QColor FocusColor = Qt::blue;
  QString Link;

  // Fired after the mouse entered or left the label.
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

  void MouseEnter();
  void MouseLeave();
  void Click();

 protected:
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  QFont Focus;
  QFont SavedFont;
  QPalette SavedPalette;
  bool Hovered = false;
};

}  // namespace vornic::ui
