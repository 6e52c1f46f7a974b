#include "picture/PreviewFit.h"

#include <gtest/gtest.h>

namespace vornic {
namespace {

TEST(PreviewFitTest, RoomyPreviewShowsThePictureUnscaledAndCentred) {
  const PreviewPlacement Place = FitPreview(300, 200, 85, 85);
  EXPECT_FALSE(Place.Scaled);
  EXPECT_EQ(Place.Width, 85);
  EXPECT_EQ(Place.Height, 85);
  EXPECT_EQ(Place.Left, 107);  // (300 - 85) div 2
  EXPECT_EQ(Place.Top, 57);
}

TEST(PreviewFitTest, ExactlyPicturePlusTwentyIsStillUnscaled) {
  const PreviewPlacement Place = FitPreview(105, 105, 85, 85);
  EXPECT_FALSE(Place.Scaled);
  EXPECT_EQ(Place.Left, 10);
  EXPECT_EQ(Place.Top, 10);
}

TEST(PreviewFitTest, SmallerPreviewShrinksByTheTighterSide) {
  // sx = 200 / 220, sy = 100 / 120: the height decides.
  const PreviewPlacement Place = FitPreview(200, 100, 200, 100);
  EXPECT_TRUE(Place.Scaled);
  EXPECT_EQ(Place.Height, 83);  // 100 * 0.8333
  EXPECT_EQ(Place.Width, 167);  // 200 * 0.8333 = 166.67
  EXPECT_EQ(Place.Left, 16);    // (200 - 167) div 2
  EXPECT_EQ(Place.Top, 8);
}

TEST(PreviewFitTest, ShrunkPictureKeepsAMarginOfTenOfItsUnits) {
  for (int Area = 30; Area < 400; Area += 7) {
    for (int Picture : {85, 133, 805}) {
      const PreviewPlacement Place = FitPreview(Area, Area + 13, Picture, Picture);
      if (!Place.Scaled) continue;
      const double Scale = static_cast<double>(Place.Width) / Picture;
      EXPECT_GE(Place.Left + 1, 10 * Scale) << Area << " " << Picture;
      EXPECT_LE(Place.Left + Place.Width, Area);
      EXPECT_LE(Place.Top + Place.Height, Area + 13);
    }
  }
}

TEST(PreviewFitTest, HalvesRoundToEven) {
  // Scale 0.25 (the height decides): 10 units give 2.5, rounded to 2; 14 units give 3.5, to 4.
  EXPECT_EQ(FitPreview(10, 10, 10, 20).Width, 2);
  EXPECT_EQ(FitPreview(10, 10, 14, 20).Width, 4);
  EXPECT_EQ(FitPreview(10, 10, 20, 20).Width, 5);
  EXPECT_EQ(FitPreview(35, 35, 50, 50).Width, 25);
}

TEST(PreviewFitTest, OffsetsTruncateTowardZero) {
  // A preview narrower than the shrunk picture cannot happen, but odd differences truncate.
  const PreviewPlacement Place = FitPreview(106, 106, 85, 85);
  EXPECT_EQ(Place.Left, 10);  // 21 div 2
}

}  // namespace
}  // namespace vornic
