#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

namespace vornic::ui {

// A game window's preview image (Image1): a bitmap that the preview routines paint into, shown
// as it is. The bitmap keeps its size until ResizePreview gives it the control's size.
class TPreviewImage : public QWidget {
  Q_OBJECT

 public:
  explicit TPreviewImage(QWidget* Parent = nullptr);

  QImage& Bitmap() { return Picture; }
  const QImage& Bitmap() const { return Picture; }
  // The brush ClearPreview fills with.
  QColor BrushColor;
  // The picture is scaled to fill the preview, also beyond its own size ("Zoom to fit").
  bool ZoomToFit = false;

  // Called after the control changed its size, and on a double click.
  std::function<void()> OnResize;
  std::function<void()> OnDblClick;

  QSize sizeHint() const override { return {200, 150}; }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;

 private:
  QImage Picture;
};

}  // namespace vornic::ui
