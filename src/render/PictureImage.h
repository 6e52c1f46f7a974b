#pragma once

#include <QtGui/QImage>

namespace vornic {
class TDrawMetaFile;
}

namespace vornic::render {

// The picture as an image of Scale pixels per picture unit (sizes rounded up), transparent
// where nothing is drawn. Needs a GUI application (EnsureGuiApplication). Throws DocumentError,
// before allocating, for a picture or image beyond the limits of PictureLimits.h or a scale that
// is not a positive finite number.
QImage RenderImage(const TDrawMetaFile& Picture, double Scale = 1.0);

}  // namespace vornic::render
