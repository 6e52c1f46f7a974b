#pragma once

#include <cstdint>
#include <string>

namespace vornic {

// A colour as the puzzle settings store it: 0x00BBGGRR.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clGray = 0x808080;

// Picture units: one unit is one screen pixel at 96 pixels per inch.
inline constexpr int PicturePixelsPerInch = 96;

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

// A solid pen; Width in picture units (GDI draws width 1 as a one-pixel line).
struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  bool operator==(const TPen&) const = default;
};

// Solid fills with Color; Clear fills nothing and makes text backgrounds transparent, as a
// canvas brush does for text drawn with it.
enum class TBrushStyle : std::uint8_t { Solid, Clear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::Solid;
  bool operator==(const TBrush&) const = default;
};

// A font selected by name, size in points, style and character-set code. Charset also says
// which code page the bytes given to TMetaCanvas::TextOut are in.
struct TFont {
  std::string Name = "Courier New";
  int Size = 10;  // points
  TColor Color = clBlack;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  std::uint8_t Charset = 1;

  // The character height in picture units (10 points: 13 units), rounded as GDI's MulDiv does.
  int PixelHeight() const {
    const int Scaled = Size * PicturePixelsPerInch;
    return (Scaled + (Scaled >= 0 ? 36 : -36)) / 72;
  }
  bool operator==(const TFont&) const = default;
};

}  // namespace vornic
