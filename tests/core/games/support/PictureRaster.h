#pragma once

#include <string>
#include <vector>

#include "picture/TDrawMetaFile.h"

namespace vornic::test {

// Plays a picture's recorded operations onto a grid of colours with GDI's rules (rectangles
// outlined with the pen and filled with a solid brush, right and bottom edges excluded; lines
// without their end point), so that tests can check which layer shows at a pixel. Text is not
// rasterised: each text call is kept with its state and its position in the operation list.
class PictureRaster {
 public:
  static constexpr TColor Unpainted = 0xFF000000;

  struct TextCall {
    std::size_t Order;  // index of the operation in the picture
    TPoint At;
    std::u32string Characters;
    int Advance;
    TColor Color;
    bool Bold;
    bool Transparent;
  };

  explicit PictureRaster(const TDrawMetaFile& Picture);

  // The colour at (X, Y), or Unpainted outside the picture or where nothing was drawn.
  TColor At(int X, int Y) const;
  // The index of the last operation that painted (X, Y); -1 for none.
  long Layer(int X, int Y) const;

  std::vector<TextCall> Texts;
  // Drawn lines as (from, to) pairs, in order.
  std::vector<std::pair<TPoint, TPoint>> Lines;

 private:
  void Paint(int X, int Y, TColor Color, std::size_t Order);
  void FillArea(int Left, int Top, int Right, int Bottom, TColor Color, std::size_t Order);
  void Line(TPoint From, TPoint To, TColor Color, std::size_t Order);

  int Width, Height;
  std::vector<TColor> Pixels;
  std::vector<long> Layers;
};

// Unicode text of plain ASCII, for comparisons with recorded text.
std::u32string Ascii(const std::string& Text);

}  // namespace vornic::test
