#include "render/PictureImage.h"

#include <QtGui/QPainter>

#include <algorithm>
#include <cmath>

#include "picture/TDrawMetaFile.h"
#include "render/PicturePlayback.h"

namespace vornic::render {

QImage RenderImage(const TDrawMetaFile& Picture, double Scale) {
  const int Width = std::max(1, static_cast<int>(std::ceil(Picture.Width() * Scale)));
  const int Height = std::max(1, static_cast<int>(std::ceil(Picture.Height() * Scale)));
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::transparent);
  // 96 dots per inch, so that programs that read the resolution show one unit as one pixel.
  const int DotsPerMetre = static_cast<int>(std::lround(PicturePixelsPerInch * Scale / 0.0254));
  Image.setDotsPerMeterX(DotsPerMetre);
  Image.setDotsPerMeterY(DotsPerMetre);
  QPainter Painter(&Image);
  Painter.scale(Scale, Scale);
  PlayPicture(Picture, Painter);
  return Image;
}

}  // namespace vornic::render
