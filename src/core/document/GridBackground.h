#pragma once

#include "document/TGridSettings.h"
#include "picture/TMetaCanvas.h"

namespace vornic {

// The ground of every puzzle picture of W x H units: the gray shadow from (4, 4) to (W, H) when
// Settings.Shadow is on, then the frame from (1, 1) to (W - 3, H - 3) outlined in FramePen and
// filled with the back colour. Leaves both pen and brush in the frame's colours.
void DrawShadowAndFrame(TMetaCanvas& Canvas, int W, int H, const TGridSettings& Settings,
                        TColor FramePen);

}  // namespace vornic
