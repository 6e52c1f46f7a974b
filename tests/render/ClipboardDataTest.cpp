#include "render/ClipboardData.h"

#include <QtCore/QStringList>

#include "RenderFixture.h"

namespace vornic {
namespace {

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
}

TEST_F(ClipboardDataTest, CopyAsTextBecomesPlainTextWithEmptyCellsKept) {
  Game.CopyAsText();
  ASSERT_EQ(Ui.Clipboard.size(), 1u);
  const auto Data = render::BuildClipboardData(Ui.Clipboard[0]);
  EXPECT_EQ(Data->formats(), QStringList{"text/plain"});
  const QString Text = Data->text();
  EXPECT_TRUE(Text.startsWith(QString("\x19\t\x19\t\x19\t\x19\t\x19\r\n")));
  EXPECT_TRUE(Text.contains(QString("\x19\tC\tA\tT\t\x19\r\n")));
}

}  // namespace
}  // namespace vornic
