#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "picture/PictureFormat.h"

namespace vornic {

class TDrawMetaFile;

// How large a picture may be drawn and written. A damaged or crafted game file can describe a
// grid of up to 65535 x 65535 cells; every puzzle a builder makes is far smaller (a 155 x 155
// grid is 2485 units a side). The limits keep the time and memory of drawing and exporting
// bounded: a picture beyond them is refused, with its size, before anything large is allocated.

// The longest side of any picture, in units.
inline constexpr int MaxPictureSide = 65535;
// The largest area of any picture, in square units (4096 x 4096, a grid of about 255 x 255).
// Drawing costs grow with the cells, and so with the area.
inline constexpr long long MaxPictureArea = 1LL << 24;
// A Windows Metafile's coordinates are signed 16-bit numbers.
inline constexpr int MaxWmfSide = 32767;
// The largest raster image, in pixels (5792 x 5792; 128 MB in memory), and its longest side
// (libpng's own limit).
inline constexpr long long MaxImagePixels = 1LL << 25;
inline constexpr long long MaxImageSide = 1000000;
// The most drawing operations a picture records. A puzzle needs a few thousand (a letter run is
// one); a damaged word list can ask for millions of lines, each costing time in every format.
inline constexpr std::size_t MaxPictureOperations = std::size_t{1} << 18;

// Why a picture of Width x Height units cannot be drawn at all; nothing when it can.
std::optional<std::string> PictureSizeProblem(int Width, int Height);

// Why a picture of Width x Height units cannot be written in Format, PNG at Scale pixels per
// unit: the general limit above, the format's own, a scale that is not a positive finite
// number, or an image too large; nothing when it can.
std::optional<std::string> FormatSizeProblem(PictureFormat Format, int Width, int Height,
                                             double Scale = 1.0);

// The pixel size of a picture's image at Scale pixels per unit (sizes rounded up, at least 1).
// Throws DocumentError with FormatSizeProblem's reason when the image cannot be made.
struct ImageSize {
  int Width = 1;
  int Height = 1;
};
ImageSize CheckedImageSize(int Width, int Height, double Scale);

// Throws DocumentError with FormatSizeProblem's reason, if any.
void CheckFormatSize(PictureFormat Format, int Width, int Height, double Scale = 1.0);

// FormatSizeProblem for the picture's size, or the reason a picture whose drawing went past
// MaxPictureOperations is not written; nothing when it can be written.
std::optional<std::string> PictureProblem(const TDrawMetaFile& Picture, PictureFormat Format,
                                          double Scale = 1.0);
// Throws DocumentError with PictureProblem's reason, if any.
void CheckPicture(const TDrawMetaFile& Picture, PictureFormat Format, double Scale = 1.0);

}  // namespace vornic
