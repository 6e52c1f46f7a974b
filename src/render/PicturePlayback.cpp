#include "render/PicturePlayback.h"

#include <QtGui/QFont>
#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <algorithm>
#include <variant>

#include "picture/MetafilePlayer.h"
#include "picture/TDrawMetaFile.h"

namespace vornic::render {
namespace {

QColor ToQColor(TColor Color) {
  return QColor(static_cast<int>(Color & 0xFF), static_cast<int>((Color >> 8) & 0xFF),
                static_cast<int>((Color >> 16) & 0xFF));
}

QFont ToQFont(const TFont& Font) {
  QFont Result(QString::fromStdString(Font.Name));
  // GDI's negative font height is the character height without leading: Qt's pixel size.
  Result.setPixelSize(std::max(1, Font.PixelHeight()));
  Result.setBold(Font.Bold);
  Result.setItalic(Font.Italic);
  Result.setUnderline(Font.Underline);
  Result.setStrikeOut(Font.StrikeOut);
  Result.setKerning(false);
  Result.setStyleHint(QFont::TypeWriter);
  return Result;
}

bool AxisAligned(TPoint From, TPoint To) {
  return From.X == To.X || From.Y == To.Y;
}

class Player {
 public:
  explicit Player(QPainter& Target) : Painter(Target) {}

  void operator()(const draw::SelectPen& Op) { Pen = Op.Pen; }
  void operator()(const draw::SelectBrush& Op) { Brush = Op.Brush; }
  void operator()(const draw::SelectFont& Op) {
    Font = Op.Font;
    FontReady = false;
  }
  void operator()(const draw::Rectangle& Op) {
    const QRect Box = Normalised(Op.Left, Op.Top, Op.Right, Op.Bottom);
    if (Box.isEmpty()) return;
    if (Brush.Style == TBrushStyle::Solid) Painter.fillRect(Box, ToQColor(Brush.Color));
    // The outline lies inside the rectangle, as a one-unit GDI pen does.
    const int W = std::min({std::max(1, Pen.Width), Box.width(), Box.height()});
    const QColor Line = ToQColor(Pen.Color);
    Painter.fillRect(QRect(Box.left(), Box.top(), Box.width(), W), Line);
    Painter.fillRect(QRect(Box.left(), Box.bottom() + 1 - W, Box.width(), W), Line);
    Painter.fillRect(QRect(Box.left(), Box.top(), W, Box.height()), Line);
    Painter.fillRect(QRect(Box.right() + 1 - W, Box.top(), W, Box.height()), Line);
  }
  void operator()(const draw::FillRect& Op) {
    if (Brush.Style != TBrushStyle::Solid) return;
    Painter.fillRect(Normalised(Op.Left, Op.Top, Op.Right, Op.Bottom), ToQColor(Brush.Color));
  }
  void operator()(const draw::MoveTo& Op) { Position = Op.To; }
  void operator()(const draw::LineTo& Op) {
    Line(Position, Op.To);
    Position = Op.To;
  }
  void operator()(const draw::Polyline& Op) {
    const auto& Points = Op.Points;
    const bool Thin =
        Pen.Width <= 1 && std::adjacent_find(Points.begin(), Points.end(), [](TPoint A, TPoint B) {
                            return !AxisAligned(A, B);
                          }) == Points.end();
    if (Thin) {
      for (std::size_t i = 1; i < Points.size(); ++i) Line(Points[i - 1], Points[i]);
      return;
    }
    QPolygonF Polygon;
    for (const TPoint& P : Points) Polygon << Centre(P);
    Stroke([&] { Painter.drawPolyline(Polygon); });
  }
  void operator()(const draw::Text& Op) {
    if (!FontReady) {
      QtFont = ToQFont(Font);
      FontReady = true;
    }
    const QFontMetricsF Metrics(QtFont);
    const int Advance = Op.Advance > 0 ? Op.Advance : NaturalAdvance(Font);
    const auto Count = static_cast<int>(Op.Characters.size());
    if (Brush.Style == TBrushStyle::Solid) {
      Painter.fillRect(QRectF(Op.At.X, Op.At.Y, Count * Advance, Metrics.height()),
                       ToQColor(Brush.Color));
    }
    Painter.setFont(QtFont);
    Painter.setPen(ToQColor(Font.Color));
    const double Baseline = Op.At.Y + Metrics.ascent();
    // Each character in its own place, so letters keep their cells whatever the font's widths.
    for (int i = 0; i < Count; ++i) {
      const char32_t C = Op.Characters[static_cast<std::size_t>(i)];
      if (C == U' ') continue;
      Painter.drawText(QPointF(Op.At.X + i * Advance, Baseline), QString::fromUcs4(&C, 1));
    }
  }

 private:
  static QRect Normalised(int Left, int Top, int Right, int Bottom) {
    return QRect(QPoint(std::min(Left, Right), std::min(Top, Bottom)),
                 QSize(std::abs(Right - Left), std::abs(Bottom - Top)));
  }
  static QPointF Centre(TPoint P) { return QPointF(P.X + 0.5, P.Y + 0.5); }

  // A line without its end point: one-unit axis lines as exact pixel runs, others stroked.
  void Line(TPoint From, TPoint To) {
    if (From == To) return;
    if (Pen.Width <= 1 && AxisAligned(From, To)) {
      const QColor Colour = ToQColor(Pen.Color);
      if (From.X == To.X) {
        const int Top = To.Y > From.Y ? From.Y : To.Y + 1;
        Painter.fillRect(QRect(From.X, Top, 1, std::abs(To.Y - From.Y)), Colour);
      } else {
        const int Left = To.X > From.X ? From.X : To.X + 1;
        Painter.fillRect(QRect(Left, From.Y, std::abs(To.X - From.X), 1), Colour);
      }
      return;
    }
    Stroke([&] { Painter.drawLine(Centre(From), Centre(To)); });
  }
  template <typename Draw>
  void Stroke(Draw&& Drawing) {
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setPen(QPen(ToQColor(Pen.Color), std::max(1, Pen.Width), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    Painter.setBrush(Qt::NoBrush);
    Drawing();
    Painter.restore();
  }

  QPainter& Painter;
  TPen Pen;
  TBrush Brush;
  TFont Font;
  QFont QtFont;
  bool FontReady = false;
  TPoint Position;
};

}  // namespace

void PlayPicture(const TDrawMetaFile& Picture, QPainter& Painter) {
  PlayOperations(Picture.Operations(), Painter);
}

void PlayOperations(const std::vector<DrawOperation>& Operations, QPainter& Painter) {
  Painter.save();
  Painter.setRenderHint(QPainter::TextAntialiasing, true);
  Player Play(Painter);
  for (const DrawOperation& Op : Operations) std::visit(Play, Op);
  Painter.restore();
}

}  // namespace vornic::render
