#include "render/PictureExport.h"

#include <QtCore/QBuffer>
#include <QtGui/QPageSize>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>
#include <QtSvg/QSvgGenerator>

#include <algorithm>

#include "base/DocumentError.h"
#include "picture/PictureFormat.h"
#include "picture/PictureLimits.h"
#include "picture/TDrawMetaFile.h"
#include "render/GuiApplication.h"
#include "render/PictureImage.h"
#include "render/PicturePlayback.h"

namespace vornic::render {
namespace {

std::string ToString(const QByteArray& Bytes) {
  return std::string(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
}

}  // namespace

std::string SvgBytes(const TDrawMetaFile& Picture) {
  CheckPicture(Picture, PictureFormat::Svg);
  EnsureGuiApplication();
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  QSvgGenerator Generator;
  Generator.setOutputDevice(&Buffer);
  Generator.setSize(QSize(Picture.Width(), Picture.Height()));
  Generator.setViewBox(QRect(0, 0, Picture.Width(), Picture.Height()));
  Generator.setResolution(PicturePixelsPerInch);
  Generator.setTitle(QString::fromStdString(Picture.Description()));
  Generator.setDescription(QString::fromStdString(Picture.CreatedBy()));
  {
    QPainter Painter(&Generator);
    PlayPicture(Picture, Painter);
  }
  return ToString(Bytes);
}

std::string PdfBytes(const TDrawMetaFile& Picture) {
  CheckPicture(Picture, PictureFormat::Pdf);
  EnsureGuiApplication();
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter Writer(&Buffer);
    Writer.setResolution(PicturePixelsPerInch);
    const double PointsPerUnit = 72.0 / PicturePixelsPerInch;
    Writer.setPageSize(QPageSize(QSizeF(std::max(1, Picture.Width()) * PointsPerUnit,
                                        std::max(1, Picture.Height()) * PointsPerUnit),
                                 QPageSize::Point));
    Writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    Writer.setCreator(QString::fromStdString(Picture.CreatedBy()));
    Writer.setTitle(QString::fromStdString(Picture.Description()));
    QPainter Painter(&Writer);
    PlayPicture(Picture, Painter);
  }
  return ToString(Bytes);
}

std::string PngBytes(const TDrawMetaFile& Picture, double Scale) {
  EnsureGuiApplication();
  const QImage Image = RenderImage(Picture, Scale);
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  if (!Image.save(&Buffer, "PNG")) throw DocumentError("Cannot encode the picture as PNG");
  return ToString(Bytes);
}

void ExportPicture(const TDrawMetaFile& Picture, const std::string& FileName, double Scale) {
  std::string Bytes;
  switch (PictureFormatToWrite(FileName)) {
    case PictureFormat::Emf:
    case PictureFormat::Wmf:
      Picture.SaveToFile(FileName);
      return;
    case PictureFormat::Svg:
      Bytes = SvgBytes(Picture);
      break;
    case PictureFormat::Pdf:
      Bytes = PdfBytes(Picture);
      break;
    case PictureFormat::Png:
      Bytes = PngBytes(Picture, Scale);
      break;
  }
  TDrawMetaFile::WritePictureBytes(FileName, Bytes);
}

}  // namespace vornic::render
