#pragma once

namespace vornic {

// Where a picture goes in a preview area: never enlarged, shrunk to keep a margin of at least 10
// of its own units on each side, centred.
struct PreviewPlacement {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Scaled = false;  // false: drawn at its own size
};

// The fitting of a picture of PictureWidth x PictureHeight into an area of AreaWidth x
// AreaHeight: scale = the smaller of AreaWidth / (PictureWidth + 20) and
// AreaHeight / (PictureHeight + 20) in single precision; at 1 or more the picture keeps its size,
// otherwise its size is scaled and rounded half to even; both are centred with the offset
// truncated toward zero.
PreviewPlacement FitPreview(int AreaWidth, int AreaHeight, int PictureWidth, int PictureHeight);

}  // namespace vornic
