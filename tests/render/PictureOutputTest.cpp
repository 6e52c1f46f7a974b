// The recorded picture as the desktop gets it: a raster image, the painted preview, the
// exported files and the clipboard formats.
#include "render/ClipboardData.h"
#include "render/PictureExport.h"
#include "render/PictureImage.h"
#include "render/PreviewPainting.h"

#include <QtCore/QStringList>
#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>
#include <filesystem>

#include "RenderFixture.h"
#include "base/DocumentError.h"

namespace vornic {
namespace {

using test::HasInk;
using test::HasRed;
using test::Pixel;
namespace fs = std::filesystem;

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

class PictureExportTest : public test::RenderFixture {};

TEST_F(PictureExportTest, PdfIsOnePageOfThePictureSize) {
  const std::string Pdf = render::PdfBytes(Game.MetaFile);
  EXPECT_EQ(Pdf.substr(0, 5), "%PDF-");
  // 85 units are 63.75 points; Qt sizes pages in whole points.
  EXPECT_NE(Pdf.find("/MediaBox [0 0 64.000000 64.000000]"), std::string::npos);
  EXPECT_NE(Pdf.find(std::string("\0V\0o\0r\0n\0i\0c\0P\0a\0c\0k", 20)), std::string::npos)
      << "the creator, in UTF-16";
}

TEST_F(PictureExportTest, PngDecodesToThePicture) {
  const std::string Png = render::PngBytes(Game.MetaFile, 3.0);
  QImage Image;
  ASSERT_TRUE(Image.loadFromData(QByteArray::fromStdString(Png), "PNG"));
  EXPECT_EQ(Image.size(), QSize(255, 255));
  EXPECT_EQ(test::Pixel(Image, 17 * 3 + 1, 30), QColor(Qt::black));
}

// A read-only target and the temporary files are the atomic writer's, tested with it.
TEST_F(PictureExportTest, AnyNameIsWrittenAndAnUnwritableOneIsReported) {
  // A name of no known type is written as EMF, the Save image dialog's first choice.
  render::ExportPicture(Game.MetaFile, (Home / "x.gif").string());
  EXPECT_EQ(test::ReadFile(Home / "x.gif").substr(40, 4), " EMF");
  EXPECT_THROW(render::ExportPicture(Game.MetaFile, (Home / "none" / "x.png").string()),
               DocumentError);
}

class ClipboardDataTest : public test::RenderFixture {};

TEST_F(ClipboardDataTest, PictureIsOfferedInEveryFormatInOrder) {
  ClipboardContent Content;
  Content.Picture = &Game.MetaFile;
  const auto Data = render::BuildClipboardData(Content);
  const QStringList Expected{"application/x-openoffice-emf;windows_formatname=\"Image EMF\"",
                             "image/x-emf",
                             "image/emf",
                             "application/x-openoffice-wmf;windows_formatname=\"Image WMF\"",
                             "image/svg+xml",
                             "image/png"};
  EXPECT_EQ(Data->formats(), Expected);
  const std::vector<std::uint8_t> Emf = Game.MetaFile.EmfBytes();
  const QByteArray EmfBytes(reinterpret_cast<const char*>(Emf.data()),
                            static_cast<qsizetype>(Emf.size()));
  EXPECT_EQ(Data->data(render::MimeOfficeEmf), EmfBytes);
  EXPECT_EQ(Data->data(render::MimeEmf), EmfBytes);
  EXPECT_EQ(Data->data(render::MimeOfficeWmf).left(4), QByteArray("\xD7\xCD\xC6\x9A"));
  EXPECT_TRUE(Data->data(render::MimeSvg).startsWith("<?xml"));
  QImage Image;
  ASSERT_TRUE(Image.loadFromData(Data->data(render::MimePng), "PNG"));
  EXPECT_EQ(Image.size(), QSize(85, 85));
  EXPECT_FALSE(Data->hasText());
  // Text alone (Copy as Text; its table is checked in the core) is offered as plain text only.
  ClipboardContent Text;
  Text.Text = "C\tA\r\nB\tD\r\n";
  const auto Plain = render::BuildClipboardData(Text);
  EXPECT_EQ(Plain->formats(), QStringList{"text/plain"});
  // Pasted text ends its lines as the platform does.
  EXPECT_EQ(Plain->text(), QString("C\tA\nB\tD\n"));
}

}  // namespace
}  // namespace vornic
