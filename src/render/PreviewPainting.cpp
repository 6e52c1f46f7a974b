#include "render/PreviewPainting.h"

#include <QtGui/QPainter>

#include "picture/PreviewFit.h"
#include "picture/TDrawMetaFile.h"
#include "render/PicturePlayback.h"

namespace vornic::render {

QRect PaintPreview(QPainter& Painter, const QRect& Area, const TDrawMetaFile& Picture) {
  const PreviewPlacement Place =
      FitPreview(Area.width(), Area.height(), Picture.Width(), Picture.Height());
  const QRect Target(Area.left() + Place.Left, Area.top() + Place.Top, Place.Width, Place.Height);
  if (Picture.Width() <= 0 || Picture.Height() <= 0 || Target.isEmpty()) return Target;
  Painter.save();
  Painter.translate(Target.topLeft());
  if (Place.Scaled) {
    // Shrunk one-unit lines would drop out without smoothing.
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.scale(static_cast<double>(Place.Width) / Picture.Width(),
                  static_cast<double>(Place.Height) / Picture.Height());
  }
  PlayPicture(Picture, Painter);
  Painter.restore();
  return Target;
}

}  // namespace vornic::render
