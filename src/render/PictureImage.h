#pragma once

#include <QtGui/QImage>

namespace vornic {
class TDrawMetaFile;
}

namespace vornic::render {

// The picture as an image of Scale pixels per picture unit (sizes rounded up), transparent
// where nothing is drawn. Needs a GUI application (EnsureGuiApplication).
QImage RenderImage(const TDrawMetaFile& Picture, double Scale = 1.0);

}  // namespace vornic::render
