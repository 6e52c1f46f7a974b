// The metafiles we write, drawn by programs that are not ours: emf2svg-conv turns the EMF into
// SVG, rsvg-convert draws that SVG, and the pixels are checked where the design puts them.

#include "RenderFixture.h"
#include "core/picture/MetafileReaders.h"

namespace vornic {
namespace {

class ReadersRoundTripTest : public test::RenderFixture {
 protected:
  QImage Draw(const std::string& Svg) {
    const auto SvgPath = Home / "drawn.svg";
    const auto PngPath = Home / "drawn.png";
    test::WriteFile(SvgPath, Svg);
    test::RunReader(Home.Path(),
                    "rsvg-convert -o '" + PngPath.string() + "' '" + SvgPath.string() + "'");
    return QImage(QString::fromStdString(PngPath.string()));
  }
  static int Lightness(const QImage& Image, int X, int Y) {
    const QColor C = Image.pixelColor(X, Y);
    return C.alpha() == 0 ? 255 : C.lightness();
  }
};

TEST_F(ReadersRoundTripTest, EmfDrawnByEmf2svgAndRsvgHasLinesShadowAndBackground) {
  ASSERT_TRUE(test::ReaderInstalled("emf2svg-conv"));
  ASSERT_TRUE(test::ReaderInstalled("rsvg-convert"));
  const QImage Image = Draw(test::EmfToSvg(Home.Path(), Game.MetaFile.EmfBytes()));
  ASSERT_FALSE(Image.isNull());
  ASSERT_GE(Image.width(), 84);
  // Readers centre one-unit strokes on the coordinate: allow the neighbouring pixel.
  EXPECT_LT(std::min(Lightness(Image, 16, 10), Lightness(Image, 17, 10)), 160);
  EXPECT_LT(std::min(Lightness(Image, 32, 40), Lightness(Image, 33, 40)), 160);
  const QColor Shadow = Image.pixelColor(83, 40);
  EXPECT_NEAR(Shadow.red(), 128, 12);
  EXPECT_NEAR(Shadow.green(), 128, 12);
  EXPECT_EQ(Image.pixelColor(16 * 4 - 7, 16 * 4 - 7), QColor(Qt::white));
  // The letters of CAT in their cells, none in the empty cell before them.
  for (int X = 2; X <= 4; ++X)
    EXPECT_TRUE(test::HasInk(Image, 16 * X - 14, 35, 16 * X - 1, 48)) << "column " << X;
  EXPECT_FALSE(test::HasInk(Image, 3, 35, 15, 48));
}

TEST_F(ReadersRoundTripTest, WmfDrawnByLibwmfAndRsvgHasLinesShadowAndBackground) {
  ASSERT_TRUE(test::ReaderInstalled("wmf2svg"));
  ASSERT_TRUE(test::ReaderInstalled("rsvg-convert"));
  const QImage Image = Draw(test::WmfToSvg(Home.Path(), Game.MetaFile.WmfBytes()));
  ASSERT_FALSE(Image.isNull());
  ASSERT_GE(Image.width(), 84);
  EXPECT_LT(std::min(Lightness(Image, 16, 10), Lightness(Image, 17, 10)), 160);
  const QColor Shadow = Image.pixelColor(83, 40);
  EXPECT_NEAR(Shadow.red(), 128, 12);
  EXPECT_EQ(Image.pixelColor(16 * 4 - 7, 16 * 4 - 7), QColor(Qt::white));
  for (int X = 2; X <= 4; ++X)
    EXPECT_TRUE(test::HasInk(Image, 16 * X - 14, 35, 16 * X - 1, 48)) << "column " << X;
}

}  // namespace
}  // namespace vornic
