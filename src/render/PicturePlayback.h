#pragma once

#include <vector>

#include "picture/DrawOperation.h"

class QPainter;

namespace vornic {
class TDrawMetaFile;
}

namespace vornic::render {

// Plays a picture's content onto a painter in picture units (the caller sets any scaling), with
// GDI's rules: rectangles exclude their right and bottom edges, one-unit lines their end point,
// text is placed by its top-left corner. The painter's state is restored afterwards.
void PlayPicture(const TDrawMetaFile& Picture, QPainter& Painter);
// The same for recorded operations kept apart from their picture (a worksheet's pictures).
void PlayOperations(const std::vector<DrawOperation>& Operations, QPainter& Painter);

}  // namespace vornic::render
