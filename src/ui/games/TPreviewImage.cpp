#include "ui/games/TPreviewImage.h"

#include <QPainter>

namespace vornic::ui {

TPreviewImage::TPreviewImage(QWidget* Parent)
    : QWidget(Parent), BrushColor(palette().color(QPalette::Button)) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(1, 1);
}

void TPreviewImage::paintEvent(QPaintEvent*) {
  QPainter Painter(this);
  // Outside the bitmap (before the first resize caught up) the control shows its brush.
  Painter.fillRect(rect(), BrushColor);
  if (!Picture.isNull()) Painter.drawImage(0, 0, Picture);
}

void TPreviewImage::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  if (OnResize) OnResize();
}

void TPreviewImage::mouseDoubleClickEvent(QMouseEvent* Event) {
  QWidget::mouseDoubleClickEvent(Event);
  if (OnDblClick) OnDblClick();
}

}  // namespace vornic::ui
