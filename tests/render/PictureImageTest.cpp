#include "render/PictureImage.h"

#include "RenderFixture.h"

namespace vornic {
namespace {

using test::HasInk;
using test::HasRed;
using test::Pixel;

class PictureImageTest : public test::RenderFixture {};

TEST_F(PictureImageTest, OneUnitIsOnePixelWithGdiEdges) {
  const QImage Image = render::RenderImage(Game.MetaFile);
  ASSERT_EQ(Image.size(), QSize(85, 85));
  // Grid lines at 17, 33, 49, 65 from 1 to 80; the frame's edges at 1 and 81; the shadow band
  // 82 to 84 from 4 down; nothing outside.
  for (auto [X, Y] : std::initializer_list<std::pair<int, int>>{
           {17, 10}, {65, 40}, {40, 33}, {1, 40}, {81, 40}, {40, 81}})
    EXPECT_EQ(Pixel(Image, X, Y), QColor(Qt::black)) << X << "," << Y;
  for (auto [X, Y] : std::initializer_list<std::pair<int, int>>{{82, 40}, {84, 84}, {40, 83}})
    EXPECT_EQ(Pixel(Image, X, Y), QColor(0x80, 0x80, 0x80)) << X << "," << Y;
  EXPECT_EQ(Pixel(Image, 0, 0).alpha(), 0);
  EXPECT_EQ(Pixel(Image, 83, 2).alpha(), 0);
  EXPECT_EQ(Pixel(Image, 9, 9), QColor(Qt::white));
  // The letters sit in their cells only.
  for (int X = 2; X <= 4; ++X)
    EXPECT_TRUE(HasInk(Image, 16 * X - 14, 34, 16 * X, 48)) << "column " << X;
  EXPECT_FALSE(HasInk(Image, 2, 34, 16, 48)) << "cell (1, 3) is empty";
  EXPECT_FALSE(HasInk(Image, 18, 18, 32, 32)) << "cell (2, 2) is empty";
}

TEST_F(PictureImageTest, ScaleEnlargesEveryUnit) {
  const QImage Image = render::RenderImage(Game.MetaFile, 2.0);
  ASSERT_EQ(Image.size(), QSize(170, 170));
  EXPECT_EQ(Pixel(Image, 34, 20), QColor(Qt::black));
  EXPECT_EQ(Pixel(Image, 35, 20), QColor(Qt::black));
  EXPECT_EQ(Pixel(Image, 36, 20), QColor(Qt::white));
  EXPECT_EQ(Pixel(Image, 165, 80), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(Image.dotsPerMeterX(), 7559);  // 192 dots per inch
}

TEST_F(PictureImageTest, HighlightedWordAndWordLineAreRed) {
  EXPECT_FALSE(HasRed(render::RenderImage(Game.MetaFile), 0, 0, 85, 85));
  ASSERT_TRUE(Game.ShowWord(0));
  EXPECT_TRUE(HasRed(render::RenderImage(Game.MetaFile), 18, 34, 64, 48));
  Game.MetaFile.BeginDraw();
  Game.DrawGrid(false);
  Game.DrawWordLine(0, clRed);
  Game.MetaFile.EndDraw();
  const QImage Image = render::RenderImage(Game.MetaFile);
  EXPECT_TRUE(HasRed(Image, 24, 40, 27, 43));  // first centre (25, 41)
  EXPECT_TRUE(HasRed(Image, 46, 40, 49, 43));  // between the centres
  EXPECT_FALSE(HasRed(Image, 24, 30, 60, 37)) << "two units wide, not more";
}

TEST_F(PictureImageTest, FillRectAndOpaqueTextFollowTheBrush) {
  TDrawMetaFile Picture;
  Picture.SetSize(40, 30);
  Picture.BeginDraw();
  TMetaCanvas& Canvas = *Picture.Canvas();
  Canvas.Brush.Color = 0x00FFFF;  // yellow
  Canvas.FillRect(2, 2, 10, 10);
  Canvas.Brush.Color = 0xFF0000;  // blue text background
  Canvas.TextOut(12, 2, "A");
  Picture.EndDraw();
  const QImage Image = render::RenderImage(Picture);
  EXPECT_EQ(Pixel(Image, 2, 2), QColor(Qt::yellow));
  EXPECT_EQ(Pixel(Image, 9, 9), QColor(Qt::yellow));
  EXPECT_EQ(Pixel(Image, 10, 9).alpha(), 0) << "right edge excluded";
  EXPECT_EQ(Pixel(Image, 12, 3), QColor(Qt::blue)) << "opaque text background";
}

}  // namespace
}  // namespace vornic
