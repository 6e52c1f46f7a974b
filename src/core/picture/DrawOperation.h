#pragma once

#include <string>
#include <variant>
#include <vector>

#include "picture/DrawTypes.h"

namespace vornic {

// One recorded drawing call of a picture. Coordinates are picture units. The state records
// (pen, brush, font) stand before the drawing calls that use them, as in a metafile; a player
// keeps the current state as it goes.
namespace draw {

struct SelectPen {
  TPen Pen;
};
struct SelectBrush {
  TBrush Brush;
};
// Also sets the text colour (Font.Color).
struct SelectFont {
  TFont Font;
};
// Outlined with the pen, filled with the brush (unless Clear); right and bottom exclusive.
struct Rectangle {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// Filled with the brush, no outline; right and bottom exclusive.
struct FillRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
struct MoveTo {
  TPoint To;
};
// A line from the current position with the pen, excluding its end point, which becomes the
// current position.
struct LineTo {
  TPoint To;
};
// Lines through the points with the pen; does not move the current position.
struct Polyline {
  std::vector<TPoint> Points;
};
// Text whose top-left corner is At. Advance > 0 places character i at At.X + i * Advance
// (the letter layout of grid cells); 0 uses the font's own advance. The background is
// transparent when the brush is Clear, else filled with the brush colour.
struct Text {
  TPoint At;
  std::u32string Characters;
  int Advance = 0;
};

}  // namespace draw

using DrawOperation =
    std::variant<draw::SelectPen, draw::SelectBrush, draw::SelectFont, draw::Rectangle,
                 draw::FillRect, draw::MoveTo, draw::LineTo, draw::Polyline, draw::Text>;

}  // namespace vornic
