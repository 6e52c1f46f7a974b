#include "render/WorksheetOutput.h"

#include <QtCore/QBuffer>
#include <QtGui/QFontMetricsF>
#include <QtGui/QPageLayout>
#include <QtGui/QPageSize>
#include <QtGui/QPainter>
#include <QtGui/QPdfWriter>
#include <QtGui/QPen>

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

void PaintLine(const SheetLine& Line, QPainter& Painter, double DotsPerMm) {
  Painter.setPen(QPen(Qt::black, Line.Thickness * DotsPerMm, Qt::SolidLine, Qt::FlatCap));
  Painter.drawLine(QPointF(Line.X * DotsPerMm, Line.Y * DotsPerMm),
                   QPointF((Line.X + Line.Length) * DotsPerMm, Line.Y * DotsPerMm));
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
  for (const SheetLine& Line : Page.Lines) PaintLine(Line, Painter, DotsPerMm);
  for (const SheetText& Text : Page.Texts) PaintText(Text, Painter, DotsPerMm);
  Painter.restore();
}

void PaintWorksheet(const std::vector<WorksheetPage>& Pages, QPagedPaintDevice& Device) {
  if (Pages.empty()) return;
  // Each page's paper is set before the page starts. A device that refuses a new layout once it
  // is active (a print preview's printer) keeps the first page's and gets a page on the paper's
  // side turned round on the upright sheet: printed, it is the same page.
  const auto Layout = [](const WorksheetPage& Page) {
    return QPageLayout(PageSizeOf(Page.Paper),
                       Page.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
  };
  if (!Device.pageLayout().isEquivalentTo(Layout(Pages.front())))
    Device.setPageLayout(Layout(Pages.front()));
  QPainter Painter(&Device);
  for (std::size_t i = 0; i < Pages.size(); ++i) {
    if (i > 0) {
      if (!Device.pageLayout().isEquivalentTo(Layout(Pages[i])))
        static_cast<void>(Device.setPageLayout(Layout(Pages[i])));
      Device.newPage();
    }
    const double DotsPerMm = Device.logicalDpiX() / 25.4;
    const bool Turned =
        Pages[i].Landscape != (Device.pageLayout().orientation() == QPageLayout::Landscape);
    Painter.save();
    if (Turned) {
      // The page's top edge along the sheet's left edge, as printers turn landscape pages.
      Painter.translate(0, Device.pageLayout().fullRectPoints().height() / 72.0 * 25.4 * DotsPerMm);
      Painter.rotate(-90);
    }
    PaintWorksheetPage(Pages[i], Painter, DotsPerMm);
    Painter.restore();
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
