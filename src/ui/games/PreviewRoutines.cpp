#include "ui/games/PreviewRoutines.h"

#include <QPainter>

#include "document/TVornicGame.h"
#include "render/PreviewPainting.h"
#include "ui/games/TPreviewImage.h"

namespace vornic::ui {

void ResizePreview(const QWidget& Form, bool Redraw, TPreviewImage& Image,
                   const TVornicGame& Game) {
  const QSize Size = Image.size();
  if (Image.Bitmap().size() != Size) {
    QImage Resized(Size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    Resized.fill(Image.BrushColor);
    // Like a bitmap whose size is set, the old content stays where it fits.
    if (!Image.Bitmap().isNull()) {
      QPainter Painter(&Resized);
      Painter.drawImage(0, 0, Image.Bitmap());
    }
    Image.Bitmap() = Resized;
  }
  if (Redraw && Form.isVisible()) RedrawPreview(Image, Game);
  Image.update();
}

void ClearPreview(TPreviewImage& Image) {
  Image.Bitmap().fill(Image.BrushColor);
  Image.update();
}

void DrawPreview(TPreviewImage& Image, const TVornicGame& Game) {
  if (Image.Bitmap().isNull()) return;
  QPainter Painter(&Image.Bitmap());
  if (Image.ZoomToFit)
    render::PaintPreviewZoomed(Painter, Image.Bitmap().rect(), Game.MetaFile);
  else
    render::PaintPreview(Painter, Image.Bitmap().rect(), Game.MetaFile);
  Painter.end();
  Image.update();
}

void RedrawPreview(TPreviewImage& Image, const TVornicGame& Game) {
  ClearPreview(Image);
  DrawPreview(Image, Game);
}

}  // namespace vornic::ui
