#pragma once

#include <QtCore/QRect>

class QPainter;

namespace vornic {
class TDrawMetaFile;
}

namespace vornic::render {

// Paints the picture fitted into Area (FitPreview): at its own size and centred when there is
// room for it plus 10 units on each side, otherwise shrunk, smoothed, and centred. Returns the
// rectangle the picture covers.
QRect PaintPreview(QPainter& Painter, const QRect& Area, const TDrawMetaFile& Picture);

}  // namespace vornic::render
