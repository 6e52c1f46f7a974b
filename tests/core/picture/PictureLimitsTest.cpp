#include "picture/PictureLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/DocumentError.h"
#include "picture/EmfWriter.h"
#include "picture/TDrawMetaFile.h"
#include "picture/WmfWriter.h"

namespace vornic {
namespace {

// Sizes a damaged file can describe, with the reason each format refuses them; empty: written.
TEST(PictureLimitsTest, RefusesWhatAFormatCannotHoldNamingTheSize) {
  constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double Infinity = std::numeric_limits<double>::infinity();
  const struct {
    PictureFormat Format;
    int Width, Height;
    double Scale;
    const char* Refusal;
  } Cases[] = {
      {PictureFormat::Emf, 805, 805, 1, ""},
      {PictureFormat::Emf, 1048565, 37, 1, "1048565 x 37 units: a picture may be at most 65535"},
      {PictureFormat::Svg, 32005, 32005, 1, "32005 x 32005 units: a picture may cover at most"},
      {PictureFormat::Wmf, 32767, 37, 1, ""},
      {PictureFormat::Wmf, 32773, 37, 1, "32773 x 37 units: a Windows Metafile holds at most"},
      {PictureFormat::Emf, 32773, 37, 1, ""},
      {PictureFormat::Png, 805, 805, 7, ""},
      {PictureFormat::Png, 1925, 1925, 16, "30800 x 30800 pixels: an image may have at most"},
      {PictureFormat::Png, 65535, 2, 16, "1048560 x 32 pixels: an image may be at most 1000000"},
      {PictureFormat::Png, 85, 85, NaN, "The scale nan is not a positive number"},
      {PictureFormat::Png, 85, 85, Infinity, "The scale inf is not a positive number"},
      {PictureFormat::Png, 85, 85, 0, "The scale 0 is not a positive number"},
      {PictureFormat::Png, 85, 85, -1, "The scale -1 is not a positive number"},
      {PictureFormat::Png, 85, 85, 1e300, "pixels: an image may be at most"},
      {PictureFormat::Emf, 85, 85, NaN, ""},  // the scale is PNG's alone
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(std::to_string(Case.Width) + " x " + std::to_string(Case.Height));
    const auto Problem = FormatSizeProblem(Case.Format, Case.Width, Case.Height, Case.Scale);
    if (*Case.Refusal == '\0') {
      EXPECT_FALSE(Problem) << *Problem;
    } else {
      ASSERT_TRUE(Problem);
      EXPECT_NE(Problem->find(Case.Refusal), std::string::npos) << *Problem;
    }
  }
}

// A picture too wide for WMF's coordinates once failed with a false "out of memory" and left
// its buffers behind (the test program runs leak-checked); EMF writes it.
TEST(PictureLimitsTest, WmfRefusesTooWideAPictureWithItsReason) {
  TDrawMetaFile Picture;
  Picture.SetSize(32773, 37);
  Picture.BeginDraw();
  Picture.DrawLetters("AB");
  Picture.EndDraw();
  try {
    WriteWmf(Picture);
    FAIL() << "written";
  } catch (const DocumentError& Failure) {
    EXPECT_NE(std::string(Failure.what()).find("Windows Metafile holds at most 32767"),
              std::string::npos)
        << Failure.what();
  }
  EXPECT_FALSE(WriteEmf(Picture).empty());
}

}  // namespace
}  // namespace vornic
