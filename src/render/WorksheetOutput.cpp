#include "render/WorksheetOutput.h"

#include <QtCore/QBuffer>
#include <QtGui/QFontMetricsF>
#include <QtGui/QPageLayout>
#include <QtGui/QPageSize>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>

#include "picture/TDrawMetaFile.h"
#include "render/GuiApplication.h"
#include "render/PicturePlayback.h"
#include "worksheet/WorksheetLayout.h"

namespace vornic::render {
namespace {

// Fine enough that a 50 x 50 grid's lines keep their places on paper.
constexpr int PdfDotsPerInch = 1200;

QPageSize PageSizeOf(PaperSize Paper) {
  return QPageSize(Paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

QFont SheetFont(const SheetText& Text, double DotsPerMm) {
  // The grid font for lists and blanks, whose fixed advance the layout counts on.
  QFont Font(Text.Mono ? QStringLiteral("Courier New") : QStringLiteral("Liberation Sans"));
  Font.setStyleHint(Text.Mono ? QFont::TypeWriter : QFont::SansSerif);
  // In device units, so the size on paper holds whatever the device's resolution.
  Font.setPixelSize(std::max(1, qRound(Text.Points * sheet::MmPerPoint * DotsPerMm)));
  Font.setBold(Text.Bold);
  return Font;
}

void PaintText(const SheetText& Text, QPainter& Painter, double DotsPerMm) {
  const QFont Font = SheetFont(Text, DotsPerMm);
  const QFontMetricsF Metrics(Font);
  // A text wider than its box (a very long title) is shortened to the page, with an ellipsis.
  QString String = QString::fromStdString(Text.Text);
  if (Text.Width > 0) String = Metrics.elidedText(String, Qt::ElideRight, Text.Width * DotsPerMm);
  double X = Text.X * DotsPerMm;
  if (Text.Centred) X += (Text.Width * DotsPerMm - Metrics.horizontalAdvance(String)) / 2;
  Painter.setFont(Font);
  Painter.setPen(Qt::black);
  Painter.drawText(QPointF(X, Text.Top * DotsPerMm + Metrics.ascent()), String);
}

void PaintPicture(const SheetPicture& Picture, QPainter& Painter, double DotsPerMm) {
  Painter.save();
  Painter.translate(Picture.X * DotsPerMm, Picture.Top * DotsPerMm);
  Painter.scale(Picture.Width * DotsPerMm / Picture.UnitsWide,
                Picture.Height * DotsPerMm / Picture.UnitsHigh);
  PlayOperations(Picture.Operations, Painter);
  Painter.restore();
}

}  // namespace

void PaintWorksheetPage(const WorksheetPage& Page, QPainter& Painter, double DotsPerMm) {
  Painter.save();
  Painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const SheetPicture& Picture : Page.Pictures) PaintPicture(Picture, Painter, DotsPerMm);
  for (const SheetText& Text : Page.Texts) PaintText(Text, Painter, DotsPerMm);
  Painter.restore();
}

void PaintWorksheet(const std::vector<WorksheetPage>& Pages, QPagedPaintDevice& Device) {
  if (Pages.empty()) return;
  // One paper for the whole worksheet, set before painting starts: a print preview's printer
  // refuses a new layout once it is active.
  const QPageLayout Paper(PageSizeOf(Pages.front().Paper), QPageLayout::Portrait,
                          QMarginsF(0, 0, 0, 0));
  if (!Device.pageLayout().isEquivalentTo(Paper)) Device.setPageLayout(Paper);
  QPainter Painter(&Device);
  for (std::size_t i = 0; i < Pages.size(); ++i) {
    if (i > 0) Device.newPage();
    PaintWorksheetPage(Pages[i], Painter, Device.logicalDpiX() / 25.4);
  }
}

std::string WorksheetPdfBytes(const std::vector<WorksheetPage>& Pages, const std::string& Title) {
  EnsureGuiApplication();
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter Writer(&Buffer);
    Writer.setResolution(PdfDotsPerInch);
    Writer.setCreator(QString::fromUtf8(PictureCreator));
    Writer.setTitle(QString::fromStdString(Title));
    PaintWorksheet(Pages, Writer);
  }
  return std::string(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
}

void WriteWorksheetPdf(const std::vector<WorksheetPage>& Pages, const std::string& Title,
                       const std::string& FileName) {
  TDrawMetaFile::WritePictureBytes(FileName, WorksheetPdfBytes(Pages, Title));
}

}  // namespace vornic::render
