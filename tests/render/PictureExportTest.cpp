#include "render/PictureExport.h"

#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>

#include <filesystem>

#include "RenderFixture.h"
#include "base/DocumentError.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

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

TEST_F(PictureExportTest, FailuresAreReportedAndLeaveFilesAlone) {
  EXPECT_THROW(render::ExportPicture(Game.MetaFile, (Home / "x.gif").string()), DocumentError);
  EXPECT_FALSE(fs::exists(Home / "x.gif"));
  EXPECT_THROW(render::ExportPicture(Game.MetaFile, (Home / "none" / "x.png").string()),
               DocumentError);
  const fs::path Locked = Home / "locked.png";
  test::WriteFile(Locked, "old");
  fs::permissions(Locked, fs::perms::owner_read);
  EXPECT_THROW(render::ExportPicture(Game.MetaFile, Locked.string()), DocumentError);
  EXPECT_EQ(test::ReadFile(Locked), "old");
  for (const auto& Entry : fs::directory_iterator(Home.Path()))
    EXPECT_EQ(Entry.path().filename().string().find(".locked"), std::string::npos)
        << "no temporary file is left behind";
}

}  // namespace
}  // namespace vornic
