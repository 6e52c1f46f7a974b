#include "PictureRaster.h"

#include <algorithm>
#include <cstdlib>

namespace vornic::test {

PictureRaster::PictureRaster(const TDrawMetaFile& Picture)
    : Width(Picture.Width()),
      Height(Picture.Height()),
      Pixels(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), Unpainted),
      Layers(Pixels.size(), -1) {
  TPen Pen;
  TBrush Brush;
  TFont Font;
  TPoint Position;
  const auto& Operations = Picture.Operations();
  for (std::size_t Order = 0; Order < Operations.size(); ++Order) {
    const DrawOperation& Operation = Operations[Order];
    if (const auto* P = std::get_if<draw::SelectPen>(&Operation)) {
      Pen = P->Pen;
    } else if (const auto* B = std::get_if<draw::SelectBrush>(&Operation)) {
      Brush = B->Brush;
    } else if (const auto* F = std::get_if<draw::SelectFont>(&Operation)) {
      Font = F->Font;
    } else if (const auto* R = std::get_if<draw::Rectangle>(&Operation)) {
      if (Brush.Style == TBrushStyle::Solid)
        FillArea(R->Left + 1, R->Top + 1, R->Right - 1, R->Bottom - 1, Brush.Color, Order);
      Line({R->Left, R->Top}, {R->Right - 1, R->Top}, Pen.Color, Order);
      Line({R->Right - 1, R->Top}, {R->Right - 1, R->Bottom - 1}, Pen.Color, Order);
      Line({R->Right - 1, R->Bottom - 1}, {R->Left, R->Bottom - 1}, Pen.Color, Order);
      Line({R->Left, R->Bottom - 1}, {R->Left, R->Top}, Pen.Color, Order);
    } else if (const auto* Fill = std::get_if<draw::FillRect>(&Operation)) {
      if (Brush.Style == TBrushStyle::Solid)
        FillArea(Fill->Left, Fill->Top, Fill->Right, Fill->Bottom, Brush.Color, Order);
    } else if (const auto* Move = std::get_if<draw::MoveTo>(&Operation)) {
      Position = Move->To;
    } else if (const auto* To = std::get_if<draw::LineTo>(&Operation)) {
      Lines.emplace_back(Position, To->To);
      Line(Position, To->To, Pen.Color, Order);
      Position = To->To;
    } else if (const auto* T = std::get_if<draw::Text>(&Operation)) {
      Texts.push_back({Order, T->At, T->Characters, T->Advance, Font.Color, Font.Bold,
                       Brush.Style == TBrushStyle::Clear});
    }
  }
}

void PictureRaster::Paint(int X, int Y, TColor Color, std::size_t Order) {
  if (X < 0 || Y < 0 || X >= Width || Y >= Height) return;
  const auto Index =
      static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(X);
  Pixels[Index] = Color;
  Layers[Index] = static_cast<long>(Order);
}

void PictureRaster::FillArea(int Left, int Top, int Right, int Bottom, TColor Color,
                             std::size_t Order) {
  for (int Y = Top; Y < Bottom; ++Y)
    for (int X = Left; X < Right; ++X) Paint(X, Y, Color, Order);
}

// Only the straight lines the puzzles draw (horizontal and vertical) are rasterised exactly;
// others are walked along their longer axis.
void PictureRaster::Line(TPoint From, TPoint To, TColor Color, std::size_t Order) {
  const int Steps = std::max(std::abs(To.X - From.X), std::abs(To.Y - From.Y));
  for (int i = 0; i < Steps; ++i)
    Paint(From.X + (To.X - From.X) * i / Steps, From.Y + (To.Y - From.Y) * i / Steps, Color, Order);
}

TColor PictureRaster::At(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= Width || Y >= Height) return Unpainted;
  return Pixels[static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width) +
                static_cast<std::size_t>(X)];
}

long PictureRaster::Layer(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= Width || Y >= Height) return -1;
  return Layers[static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width) +
                static_cast<std::size_t>(X)];
}

std::u32string Ascii(const std::string& Text) {
  return std::u32string(Text.begin(), Text.end());
}

}  // namespace vornic::test
