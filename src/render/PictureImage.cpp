#include "render/PictureImage.h"

#include <QtGui/QPainter>

#include <cmath>
#include <string>

#include "base/DocumentError.h"
#include "picture/PictureLimits.h"
#include "picture/TDrawMetaFile.h"
#include "render/PicturePlayback.h"

namespace vornic::render {

QImage RenderImage(const TDrawMetaFile& Picture, double Scale) {
  CheckPicture(Picture, PictureFormat::Png, Scale);
  const ImageSize Size = CheckedImageSize(Picture.Width(), Picture.Height(), Scale);
  QImage Image(Size.Width, Size.Height, QImage::Format_ARGB32_Premultiplied);
  // Qt returns a null image when the memory cannot be had.
  if (Image.isNull())
    throw DocumentError("Cannot make an image of " + std::to_string(Size.Width) + " x " +
                        std::to_string(Size.Height) + " pixels: out of memory");
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
