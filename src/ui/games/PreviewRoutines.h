#pragma once

class QWidget;

namespace vornic {
class TVornicGame;
}

namespace vornic::ui {

class TPreviewImage;

// The preview routines every game window uses after a change of its picture or its size.

// The image's bitmap takes the control's size; with Redraw, and when Form is visible, the
// preview is painted again (RedrawPreview).
void ResizePreview(const QWidget& Form, bool Redraw, TPreviewImage& Image, const TVornicGame& Game);
// Fills the whole bitmap with the image's brush colour.
void ClearPreview(TPreviewImage& Image);
// Paints the document's picture fitted into the bitmap: at its own size and centred when there
// is room for it and a margin of 10 of its units on each side, otherwise shrunk to leave that
// margin; with the image's ZoomToFit it is scaled up as well. What was painted before stays
// around it.
void DrawPreview(TPreviewImage& Image, const TVornicGame& Game);
// ClearPreview, then DrawPreview.
void RedrawPreview(TPreviewImage& Image, const TVornicGame& Game);

}  // namespace vornic::ui
