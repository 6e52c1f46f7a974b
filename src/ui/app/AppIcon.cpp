#include "ui/app/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace vornic::ui {

QPixmap AppIcon::Pixmap(int Size) {
  QPixmap Result(Size, Size);
  Result.fill(Qt::transparent);
  QPainter Painter(&Result);
  Painter.setRenderHint(QPainter::Antialiasing);
  const double Unit = Size / 32.0;
  Painter.scale(Unit, Unit);

  // A sheet of paper with a 3 x 3 letter grid.
  QPainterPath Sheet;
  Sheet.addRoundedRect(QRectF(2, 2, 28, 28), 3, 3);
  Painter.fillPath(Sheet, QColor(0xFF, 0xFD, 0xF5));
  Painter.setPen(QPen(QColor(0x30, 0x40, 0x60), 1.4));
  Painter.drawPath(Sheet);
  Painter.setPen(QPen(QColor(0x90, 0x9A, 0xB0), 0.8));
  for (int i = 1; i < 3; ++i) {
    Painter.drawLine(QPointF(3 + 26.0 * i / 3, 4), QPointF(3 + 26.0 * i / 3, 28));
    Painter.drawLine(QPointF(4, 3 + 26.0 * i / 3), QPointF(28, 3 + 26.0 * i / 3));
  }
  // Letters, and the found word along the diagonal.
  static const char Letters[] = "WAOXRGYTD";
  QFont Font(QStringLiteral("Courier New"));
  Font.setPixelSize(7);
  Font.setBold(true);
  Painter.setFont(Font);
  for (int i = 0; i < 9; ++i) {
    const int Column = i % 3, Row = i / 3;
    const QRectF Cell(3 + 26.0 * Column / 3, 3 + 26.0 * Row / 3, 26.0 / 3, 26.0 / 3);
    Painter.setPen(Column == Row ? QColor(0xD0, 0x20, 0x20) : QColor(0x30, 0x30, 0x30));
    Painter.drawText(Cell, Qt::AlignCenter, QString(QLatin1Char(Letters[i])));
  }
  Painter.setPen(QPen(QColor(0xD0, 0x20, 0x20, 0xA0), 2.2, Qt::SolidLine, Qt::RoundCap));
  Painter.drawLine(QPointF(7.5, 7.5), QPointF(24.5, 24.5));
  return Result;
}

QIcon AppIcon::Icon() {
  QIcon Result;
  for (int Size : {16, 24, 32, 48, 64, 128}) Result.addPixmap(Pixmap(Size));
  return Result;
}

}  // namespace vornic::ui
