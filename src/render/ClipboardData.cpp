#include "render/ClipboardData.h"

#include "picture/PictureLimits.h"
#include "picture/TDrawMetaFile.h"
#include "render/PictureExport.h"

namespace vornic::render {
namespace {

QByteArray ToBytes(const std::vector<std::uint8_t>& Bytes) {
  return QByteArray(reinterpret_cast<const char*>(Bytes.data()),
                    static_cast<qsizetype>(Bytes.size()));
}

QByteArray ToBytes(const std::string& Bytes) {
  return QByteArray(Bytes.data(), static_cast<qsizetype>(Bytes.size()));
}

}  // namespace

std::unique_ptr<QMimeData> BuildClipboardData(const ClipboardContent& Content) {
  auto Data = std::make_unique<QMimeData>();
  if (Content.Picture) {
    const TDrawMetaFile& Picture = *Content.Picture;
    // A picture too large to draw is refused before any format is made.
    CheckPicture(Picture, PictureFormat::Emf);
    const QByteArray Emf = ToBytes(Picture.EmfBytes());
    Data->setData(MimeOfficeEmf, Emf);
    Data->setData(MimeEmf, Emf);
    Data->setData(MimeEmfPlain, Emf);
    // A picture wider or higher than WMF's coordinates goes without its WMF form.
    if (!FormatSizeProblem(PictureFormat::Wmf, Picture.Width(), Picture.Height()))
      Data->setData(MimeOfficeWmf, ToBytes(Picture.WmfBytes()));
    Data->setData(MimeSvg, ToBytes(SvgBytes(Picture)));
    Data->setData(MimePng, ToBytes(PngBytes(Picture)));
  }
  // The core's texts end their lines with CR LF, as its files do; text pasted on this platform
  // ends them with LF.
  if (Content.Text)
    Data->setText(QString::fromStdString(*Content.Text)
                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  return Data;
}

}  // namespace vornic::render
