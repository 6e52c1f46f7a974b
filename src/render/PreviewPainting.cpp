#include "render/PreviewPainting.h"

#include <QtGui/QPainter>
#include <algorithm>
#include <cmath>

#include "picture/PictureLimits.h"
#include "picture/PreviewFit.h"
#include "picture/TDrawMetaFile.h"
#include "render/PicturePlayback.h"

namespace vornic::render {

QRect PaintPreview(QPainter& Painter, const QRect& Area, const TDrawMetaFile& Picture) {
  const PreviewPlacement Place =
      FitPreview(Area.width(), Area.height(), Picture.Width(), Picture.Height());
  const QRect Target(Area.left() + Place.Left, Area.top() + Place.Top, Place.Width, Place.Height);
  if (Picture.Width() <= 0 || Picture.Height() <= 0 || Target.isEmpty()) return Target;
  // A picture too large to draw is left out rather than hold the window for minutes.
  if (PictureProblem(Picture, PictureFormat::Emf)) return Target;
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

QRect PaintPreviewZoomed(QPainter& Painter, const QRect& Area, const TDrawMetaFile& Picture) {
  const int Width = Picture.Width(), Height = Picture.Height();
  if (Width <= 0 || Height <= 0 || Area.isEmpty()) return {};
  if (PictureProblem(Picture, PictureFormat::Emf)) return {};
  const double Scale = std::min(static_cast<double>(Area.width()) / (Width + 20),
                                static_cast<double>(Area.height()) / (Height + 20));
  const int W = static_cast<int>(std::lround(Width * Scale));
  const int H = static_cast<int>(std::lround(Height * Scale));
  const QRect Target(Area.left() + (Area.width() - W) / 2, Area.top() + (Area.height() - H) / 2, W,
                     H);
  if (Target.isEmpty()) return Target;
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing, true);
  Painter.translate(Target.topLeft());
  Painter.scale(static_cast<double>(W) / Width, static_cast<double>(H) / Height);
  PlayPicture(Picture, Painter);
  Painter.restore();
  return Target;
}

}  // namespace vornic::render
