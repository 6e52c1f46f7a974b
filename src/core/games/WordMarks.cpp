#include "games/WordMarks.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "document/TVornicGame.h"

namespace vornic {
namespace {

constexpr int Cell = TDrawMetaFile::CellSize;
// An outline keeps this far from the centre line: clear of the word's letters, inside its cells.
constexpr double OutlineRadius = 7;
// Points per half circle of a straight word's outline.
constexpr int ArcSteps = 12;

TPoint Centre(const GridCell& At) {
  return {At.X * Cell - 7, At.Y * Cell - 7};
}

std::vector<TPoint> Centres(const TVornicGame& Game, std::size_t Index) {
  const SplitWordEntry Parts = SplitEntry(Game.Words[Index]);
  std::vector<TPoint> Points;
  if (!Parts.HasSeparator) return Points;
  for (const GridCell& At : DecodePath(Parts.After, Parts.Item.size())) {
    if (!Game.InGrid(At.X, At.Y)) break;
    Points.push_back(Centre(At));
  }
  return Points;
}

bool Straight(const std::vector<TPoint>& Points) {
  for (std::size_t i = 2; i < Points.size(); ++i) {
    const long long Ax = Points[1].X - Points[0].X, Ay = Points[1].Y - Points[0].Y;
    const long long Bx = Points[i].X - Points[0].X, By = Points[i].Y - Points[0].Y;
    if (Ax * By != Ay * Bx) return false;
  }
  return true;
}

// A closed outline around the segment from A to B: half circles round both ends joined by
// straight sides (a circle for a one-letter word).
std::vector<TPoint> Capsule(TPoint A, TPoint B) {
  const double Dx = B.X - A.X, Dy = B.Y - A.Y;
  const double Length = std::hypot(Dx, Dy);
  const double Ux = Length > 0 ? Dx / Length : 1, Uy = Length > 0 ? Dy / Length : 0;
  std::vector<TPoint> Points;
  auto Arc = [&](TPoint At, double From) {
    for (int Step = 0; Step <= ArcSteps; ++Step) {
      const double Angle = From + std::numbers::pi * Step / ArcSteps;
      // Along the word and across it, turned by Angle from the word's direction.
      const double C = std::cos(Angle), S = std::sin(Angle);
      Points.push_back({static_cast<int>(std::lround(At.X + OutlineRadius * (C * Ux - S * Uy))),
                        static_cast<int>(std::lround(At.Y + OutlineRadius * (C * Uy + S * Ux)))});
    }
  };
  Arc(B, -std::numbers::pi / 2);
  Arc(A, std::numbers::pi / 2);
  Points.push_back(Points.front());
  return Points;
}

void Stroke(TMetaCanvas& Canvas, const std::vector<TPoint>& Points, TColor Color, int Width) {
  Canvas.Pen.Color = Color;
  Canvas.Pen.Width = Width;
  if (Points.size() == 1) {
    Canvas.MoveTo(Points[0].X, Points[0].Y);
    Canvas.LineTo(Points[0].X + 1, Points[0].Y);
    return;
  }
  Canvas.Polyline(Points);
}

}  // namespace

TColor MarkColor(const TVornicGame& Game) {
  return Game.Settings.FontColor == clRed ? clBlue : clRed;
}

void DrawWordMarks(TVornicGame& Game, std::size_t From, KeyStyle Style) {
  TMetaCanvas* Canvas = Game.MetaFile.Canvas();
  if (!Canvas) return;
  const TColor Mark = MarkColor(Game);
  for (std::size_t i = From; i < Game.Words.size(); ++i) {
    // A canvas past its operation limit records nothing more: a damaged list of many words is
    // not walked for nothing.
    if (Canvas->Overflowed()) return;
    if (Style == KeyStyle::Lines) {
      Game.DrawWordLine(static_cast<int>(i), Mark);
      continue;
    }
    const std::vector<TPoint> Points = Centres(Game, i);
    if (Points.empty()) continue;
    if (Straight(Points)) {
      Stroke(*Canvas, Capsule(Points.front(), Points.back()), Mark, 2);
    } else {
      // A word that bends (a maze's) is outlined by a broad stroke in the mark colour with a
      // narrower one of the background inside it; round ends and joins make the outline round.
      constexpr int Outer = 2 * static_cast<int>(OutlineRadius);
      Stroke(*Canvas, Points, Mark, Outer);
      Stroke(*Canvas, Points, Game.Settings.BackColor, Outer - 4);
    }
  }
}

void BeginMarkedGrid(TVornicGame& Game, std::size_t From, KeyStyle Style,
                     const std::string& Cells) {
  Game.MetaFile.BeginDraw();
  Game.MetaFile.Restart();
  Game.DrawBackground();
  DrawWordMarks(Game, From, Style);
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  Canvas.Font.Charset = Game.Settings.Charset;
  Canvas.Font.Bold = Game.Settings.Bold != 0;
  Canvas.Font.Color = Game.Settings.FontColor;
  Game.MetaFile.DrawLetters(TVornicGame::BlanksToSpaces(Cells));
}

}  // namespace vornic
