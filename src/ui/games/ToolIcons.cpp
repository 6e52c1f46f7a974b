#include "ui/games/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vornic::ui {
namespace {

const QColor Ink(0x2A, 0x35, 0x4A);
const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor Accent(0x2F, 0x6F, 0xC8);
const QColor Warm(0xE0, 0xA0, 0x30);

// A sheet with a folded corner, in a 16-unit box.
void DrawSheet(QPainter& P, const QRectF& Box) {
  const double Fold = Box.width() * 0.35;
  QPainterPath Path;
  Path.moveTo(Box.topLeft());
  Path.lineTo(Box.right() - Fold, Box.top());
  Path.lineTo(Box.right(), Box.top() + Fold);
  Path.lineTo(Box.bottomRight());
  Path.lineTo(Box.bottomLeft());
  Path.closeSubpath();
  P.fillPath(Path, Paper);
  P.setPen(QPen(Ink, 1));
  P.drawPath(Path);
  P.drawLine(QPointF(Box.right() - Fold, Box.top()), QPointF(Box.right() - Fold, Box.top() + Fold));
  P.drawLine(QPointF(Box.right() - Fold, Box.top() + Fold), QPointF(Box.right(), Box.top() + Fold));
}

void DrawDisk(QPainter& P, const QRectF& Box) {
  P.setPen(QPen(Ink, 1));
  P.setBrush(Accent);
  P.drawRoundedRect(Box, 1.5, 1.5);
  P.setBrush(Paper);
  P.drawRect(QRectF(Box.left() + 3, Box.top() + 0.5, Box.width() - 6, Box.height() * 0.38));
  P.setBrush(QColor(0xDD, 0xE4, 0xEE));
  P.drawRect(QRectF(Box.left() + 3.5, Box.bottom() - Box.height() * 0.4, Box.width() - 7,
                    Box.height() * 0.4));
}

// A small framed picture: a sun over hills.
void DrawPicture(QPainter& P, const QRectF& Box) {
  P.setPen(QPen(Ink, 1));
  P.setBrush(QColor(0xD8, 0xEC, 0xFF));
  P.drawRect(Box);
  P.setPen(Qt::NoPen);
  P.setBrush(Warm);
  P.drawEllipse(QPointF(Box.left() + Box.width() * 0.3, Box.top() + Box.height() * 0.32),
                Box.width() * 0.13, Box.width() * 0.13);
  QPainterPath Hill;
  Hill.moveTo(Box.left() + 0.5, Box.bottom() - 0.5);
  Hill.lineTo(Box.left() + Box.width() * 0.45, Box.top() + Box.height() * 0.45);
  Hill.lineTo(Box.left() + Box.width() * 0.7, Box.top() + Box.height() * 0.7);
  Hill.lineTo(Box.left() + Box.width() * 0.85, Box.top() + Box.height() * 0.55);
  Hill.lineTo(Box.right() - 0.5, Box.bottom() - 0.5);
  Hill.closeSubpath();
  P.fillPath(Hill, QColor(0x4C, 0x9A, 0x50));
}

void DrawGlyph(QPainter& P, ToolGlyph Glyph) {
  switch (Glyph) {
    case ToolGlyph::New:
      DrawSheet(P, QRectF(3.5, 1.5, 10, 13));
      break;
    case ToolGlyph::Open: {
      P.setPen(QPen(Ink, 1));
      P.setBrush(Warm.lighter(130));
      P.drawRect(QRectF(1.5, 3.5, 11, 10));
      QPainterPath Flap;
      Flap.moveTo(1.5, 13.5);
      Flap.lineTo(4.5, 7.5);
      Flap.lineTo(15.0, 7.5);
      Flap.lineTo(12.5, 13.5);
      Flap.closeSubpath();
      P.setBrush(Warm);
      P.drawPath(Flap);
      break;
    }
    case ToolGlyph::Save:
      DrawDisk(P, QRectF(1.5, 1.5, 13, 13));
      break;
    case ToolGlyph::SaveAs:
      DrawDisk(P, QRectF(0.5, 0.5, 11, 11));
      P.setPen(QPen(Ink, 1));
      P.setBrush(Warm);
      P.drawPolygon(QPolygonF(
          {QPointF(8, 15), QPointF(9, 12), QPointF(14, 7), QPointF(16, 9), QPointF(11, 14)}));
      break;
    case ToolGlyph::SaveImage:
      DrawPicture(P, QRectF(0.5, 0.5, 11, 9));
      DrawDisk(P, QRectF(7.5, 7.5, 8, 8));
      break;
    case ToolGlyph::CopyImage:
      DrawPicture(P, QRectF(0.5, 0.5, 10, 8));
      DrawPicture(P, QRectF(5.5, 6.5, 10, 8));
      break;
    case ToolGlyph::CopyText: {
      DrawSheet(P, QRectF(0.5, 0.5, 9, 11));
      DrawSheet(P, QRectF(5.5, 4.5, 10, 11));
      P.setPen(QPen(Ink, 1));
      for (int Row = 0; Row < 3; ++Row)
        for (int Column = 0; Column < 3; ++Column)
          P.drawPoint(QPointF(7.5 + 2.5 * Column, 9.5 + 2 * Row));
      break;
    }
    case ToolGlyph::WordList:
      DrawSheet(P, QRectF(2.5, 1.5, 11, 13));
      P.setPen(QPen(Accent, 1.2));
      for (int Row = 0; Row < 4; ++Row)
        P.drawLine(QPointF(4.5, 6 + 2.3 * Row), QPointF(Row % 2 ? 9.5 : 11.0, 6 + 2.3 * Row));
      break;
    case ToolGlyph::GridSettings:
      P.setPen(QPen(Ink, 1));
      P.setBrush(Paper);
      P.drawRect(QRectF(1.5, 1.5, 13, 13));
      for (int i = 1; i < 3; ++i) {
        P.drawLine(QPointF(1.5 + 13.0 * i / 3, 1.5), QPointF(1.5 + 13.0 * i / 3, 14.5));
        P.drawLine(QPointF(1.5, 1.5 + 13.0 * i / 3), QPointF(14.5, 1.5 + 13.0 * i / 3));
      }
      P.fillRect(QRectF(6.3, 6.3, 3.8, 3.8), Accent);
      break;
    case ToolGlyph::About: {
      P.setPen(QPen(Ink, 1));
      P.setBrush(Accent);
      P.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      QFont Font(QStringLiteral("Liberation Serif"));
      Font.setPixelSize(11);
      Font.setBold(true);
      Font.setItalic(true);
      P.setFont(Font);
      P.setPen(Paper);
      P.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("i"));
      break;
    }
    case ToolGlyph::CopyWords:
      DrawSheet(P, QRectF(0.5, 0.5, 9, 11));
      DrawSheet(P, QRectF(5.5, 4.5, 10, 11));
      P.setPen(QPen(Accent, 1.2));
      for (int Row = 0; Row < 3; ++Row)
        P.drawLine(QPointF(7.5, 8.5 + 2.3 * Row), QPointF(Row == 1 ? 11.0 : 13.0, 8.5 + 2.3 * Row));
      break;
  }
}

QPixmap GlyphPixmap(ToolGlyph Glyph, int Size) {
  QPixmap Result(Size, Size);
  Result.fill(Qt::transparent);
  QPainter Painter(&Result);
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.scale(Size / 16.0, Size / 16.0);
  DrawGlyph(Painter, Glyph);
  return Result;
}

}  // namespace

QIcon ToolIcon(ToolGlyph Glyph) {
  QIcon Icon;
  for (int Size : {16, 24, 32}) Icon.addPixmap(GlyphPixmap(Glyph, Size));
  return Icon;
}

}  // namespace vornic::ui
