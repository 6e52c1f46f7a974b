#pragma once

#include <string_view>
#include <vector>

#include "picture/DrawOperation.h"

namespace vornic {

// The recording canvas of a picture: set Pen, Brush and Font as on a GDI canvas, then draw.
// Only the state a drawing call needs, and only when it changed since it was last recorded, is
// written before the call, so playback sees exactly what a metafile would hold.
// GDI's rules apply: rectangles exclude their right and bottom edges, lines their end point.
class TMetaCanvas {
 public:
  explicit TMetaCanvas(const TFont& StartFont);

  TPen Pen;
  TBrush Brush;
  TFont Font;

  void Rectangle(int Left, int Top, int Right, int Bottom);
  void FillRect(int Left, int Top, int Right, int Bottom);
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(const std::vector<TPoint>& Points);
  // Text bytes in the code page of Font.Charset (a document's cell and word bytes), top-left
  // corner at (X, Y), in Font and Font.Color. The background is transparent when
  // Brush.Style is Clear, as on a GDI canvas.
  void TextOut(int X, int Y, std::string_view Text);
  // The same for text that is already Unicode.
  void TextOutUnicode(int X, int Y, std::u32string_view Text, int Advance = 0);

  TPoint PenPos() const { return Position; }

  const std::vector<DrawOperation>& Operations() const { return Recorded; }
  // Whether the drawing went past MaxPictureOperations (PictureLimits.h): what came after was
  // not recorded.
  bool Overflowed() const { return Overflow; }
  std::vector<DrawOperation> TakeOperations() { return std::move(Recorded); }

 private:
  void Record(DrawOperation&& Operation);
  void UsePen();
  void UseBrush();
  void UseFont();

  std::vector<DrawOperation> Recorded;
  TPoint Position;
  // What the recording holds selected; unset until first needed.
  bool Overflow = false;
  bool PenRecorded = false;
  bool BrushRecorded = false;
  bool FontRecorded = false;
  TPen RecordedPen;
  TBrush RecordedBrush;
  TFont RecordedFont;
};

}  // namespace vornic
