#include "render/PreviewPainting.h"

#include <QtGui/QPainter>

#include "RenderFixture.h"

namespace vornic {
namespace {

class PreviewPaintingTest : public test::RenderFixture {
 protected:
  QImage Paint(QSize Size, QRect& Covered) {
    QImage Image(Size, QImage::Format_ARGB32_Premultiplied);
    Image.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter Painter(&Image);
    Covered = render::PaintPreview(Painter, QRect(QPoint(0, 0), Size), Game.MetaFile);
    return Image;
  }
};

TEST_F(PreviewPaintingTest, RoomyPreviewShowsThePictureAtItsSizeCentred) {
  QRect Covered;
  const QImage Image = Paint(QSize(200, 150), Covered);
  EXPECT_EQ(Covered, QRect(57, 32, 85, 85));
  EXPECT_EQ(test::Pixel(Image, 57 + 17, 32 + 10), QColor(Qt::black));
  EXPECT_EQ(test::Pixel(Image, 57 + 83, 32 + 40), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(test::Pixel(Image, 56, 60), QColor(0xF0, 0xF0, 0xF0)) << "left of the picture";
}

TEST_F(PreviewPaintingTest, SmallPreviewShrinksThePictureWithAMargin) {
  QRect Covered;
  const QImage Image = Paint(QSize(60, 80), Covered);
  // 60 / 105 = 0.571: 85 units become 49 pixels, centred.
  EXPECT_EQ(Covered, QRect(5, 15, 49, 49));
  EXPECT_EQ(test::Pixel(Image, 2, 40), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_TRUE(test::HasInk(Image, 5, 15, 54, 64, 200));
}

}  // namespace
}  // namespace vornic
