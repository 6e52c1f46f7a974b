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
// The same, but the picture is scaled to the largest size that keeps its proportions and the
// margin of 10 of its units, also when that enlarges it ("Zoom to fit").
QRect PaintPreviewZoomed(QPainter& Painter, const QRect& Area, const TDrawMetaFile& Picture);

}  // namespace vornic::render
