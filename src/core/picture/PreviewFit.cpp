#include "picture/PreviewFit.h"

#include <cmath>

namespace vornic {

PreviewPlacement FitPreview(int AreaWidth, int AreaHeight, int PictureWidth, int PictureHeight) {
  // Single precision, as the preview has always computed it, so borderline sizes round alike.
  const float ScaleX = static_cast<float>(AreaWidth) / static_cast<float>(PictureWidth + 20);
  const float ScaleY = static_cast<float>(AreaHeight) / static_cast<float>(PictureHeight + 20);
  const float Scale = ScaleY < ScaleX ? ScaleY : ScaleX;
  PreviewPlacement Place;
  if (Scale >= 1.0f) {
    Place.Width = PictureWidth;
    Place.Height = PictureHeight;
  } else {
    // The product is taken in double precision (the scale itself stays single), and
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double Factor = static_cast<double>(Scale);
    Place.Width = static_cast<int>(std::nearbyint(PictureWidth * Factor));
    Place.Height = static_cast<int>(std::nearbyint(PictureHeight * Factor));
    Place.Scaled = true;
  }
  Place.Left = (AreaWidth - Place.Width) / 2;
  Place.Top = (AreaHeight - Place.Height) / 2;
  return Place;
}

}  // namespace vornic
