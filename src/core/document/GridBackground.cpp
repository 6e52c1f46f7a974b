#include "document/GridBackground.h"

namespace vornic {

void DrawShadowAndFrame(TMetaCanvas& Canvas, int W, int H, const TGridSettings& Settings,
                        TColor FramePen) {
  constexpr TColor ShadowColor = clGray;
  if (Settings.Shadow) {
    Canvas.Pen.Color = ShadowColor;
    Canvas.Brush = {ShadowColor, TBrushStyle::Solid};
    Canvas.Rectangle(4, 4, W, H);
  }
  Canvas.Pen.Color = FramePen;
  Canvas.Brush = {Settings.BackColor, TBrushStyle::Solid};
  Canvas.Rectangle(1, 1, W - 3, H - 3);
}

}  // namespace vornic
