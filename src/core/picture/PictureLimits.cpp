#include "picture/PictureLimits.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "base/DocumentError.h"
#include "picture/TDrawMetaFile.h"

namespace vornic {
namespace {

std::string Size(long long Width, long long Height, const char* Unit) {
  return std::to_string(Width) + " x " + std::to_string(Height) + " " + Unit;
}

// The image size in pixels, in double precision so that no scale overflows an integer.
double ImageSide(int Units, double Scale) {
  return std::max(1.0, std::ceil(std::max(Units, 0) * Scale));
}

}  // namespace

std::optional<std::string> PictureSizeProblem(int Width, int Height) {
  const std::string Picture = "The picture is " + Size(Width, Height, "units");
  if (Width > MaxPictureSide || Height > MaxPictureSide)
    return Picture + ": a picture may be at most " + std::to_string(MaxPictureSide) +
           " units wide and high";
  if (static_cast<long long>(std::max(Width, 0)) * std::max(Height, 0) > MaxPictureArea)
    return Picture + ": a picture may cover at most " + std::to_string(MaxPictureArea) +
           " square units (4096 x 4096)";
  return std::nullopt;
}

std::optional<std::string> FormatSizeProblem(PictureFormat Format, int Width, int Height,
                                             double Scale) {
  if (auto Problem = PictureSizeProblem(Width, Height)) return Problem;
  if (Format == PictureFormat::Wmf && (Width > MaxWmfSide || Height > MaxWmfSide))
    return "The picture is " + Size(Width, Height, "units") +
           ": a Windows Metafile holds at most " + std::to_string(MaxWmfSide) +
           " units a side; write it as .emf or .svg";
  if (Format != PictureFormat::Png) return std::nullopt;
  if (!std::isfinite(Scale) || Scale <= 0) {
    std::ostringstream Text;
    Text << "The scale " << Scale << " is not a positive number";
    return Text.str();
  }
  const double PixelsWide = ImageSide(Width, Scale), PixelsHigh = ImageSide(Height, Scale);
  const std::string Image =
      "The image would be " +
      Size(static_cast<long long>(PixelsWide), static_cast<long long>(PixelsHigh), "pixels");
  if (PixelsWide > MaxImageSide || PixelsHigh > MaxImageSide)
    return Image + ": an image may be at most " + std::to_string(MaxImageSide) +
           " pixels wide and high; choose a smaller scale";
  if (PixelsWide * PixelsHigh > static_cast<double>(MaxImagePixels))
    return Image + ": an image may have at most " + std::to_string(MaxImagePixels) +
           " pixels (5792 x 5792); choose a smaller scale";
  return std::nullopt;
}

ImageSize CheckedImageSize(int Width, int Height, double Scale) {
  CheckFormatSize(PictureFormat::Png, Width, Height, Scale);
  return {static_cast<int>(ImageSide(Width, Scale)), static_cast<int>(ImageSide(Height, Scale))};
}

void CheckFormatSize(PictureFormat Format, int Width, int Height, double Scale) {
  if (auto Problem = FormatSizeProblem(Format, Width, Height, Scale)) throw DocumentError(*Problem);
}

std::optional<std::string> PictureProblem(const TDrawMetaFile& Picture, PictureFormat Format,
                                          double Scale) {
  if (auto Problem = FormatSizeProblem(Format, Picture.Width(), Picture.Height(), Scale))
    return Problem;
  if (Picture.Incomplete())
    return "The picture needs more than " + std::to_string(MaxPictureOperations) +
           " drawing operations: too many to draw";
  return std::nullopt;
}

void CheckPicture(const TDrawMetaFile& Picture, PictureFormat Format, double Scale) {
  if (auto Problem = PictureProblem(Picture, Format, Scale)) throw DocumentError(*Problem);
}

}  // namespace vornic
