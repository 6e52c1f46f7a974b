#include "games/labyrinth/LabyrinthDrawing.h"

#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthEntry.h"

namespace vornic {
namespace {

constexpr TColor TrapColor = clGreen;
constexpr TColor PathColor = clRed;
constexpr int Cell = TDrawMetaFile::CellSize;

void DrawStartMark(TVornicGame& Game, TMetaCanvas& Canvas, GridCell Start) {
  const int Left = Start.X * Cell - 15;
  const int Top = Start.Y * Cell - 15;
  Canvas.Brush.Color = Game.Settings.LineColor;
  Canvas.FillRect(Left, Top, Start.X * Cell + 1, Start.Y * Cell + 1);
  const SplitWordEntry Entry0 = SplitEntry(Game.Words[0]);
  if (Entry0.Item.empty()) return;
  Canvas.Font.Color = Game.Settings.BackColor;
  const TBrushStyle Kept = Canvas.Brush.Style;
  Canvas.Brush.Style = TBrushStyle::Clear;
  Canvas.TextOut(Start.X * Cell - 11, Start.Y * Cell - 14, Entry0.Item.substr(0, 1));
  Canvas.Brush.Style = Kept;
}

}  // namespace

std::optional<GridCell> StartCellFromDocument(const TVornicGame& Game) {
  if (Game.Words.empty()) return std::nullopt;
  const std::vector<GridCell> First = DecodePath(SplitEntry(Game.Words[0]).After, 1);
  if (First.empty() || !Game.InGrid(First[0].X, First[0].Y)) return std::nullopt;
  return First[0];
}

void DoPaint(TVornicGame& Game, const LabyrinthView& View, std::optional<GridCell> Start) {
  TDrawMetaFile& Picture = Game.MetaFile;
  Picture.BeginDraw();
  // A recording left open elsewhere must not end up under this picture.
  Picture.Restart();
  TMetaCanvas& Canvas = *Picture.Canvas();
  Canvas.Font.Charset = Game.Settings.Charset;
  Canvas.Font.Bold = Game.Settings.Bold != 0;
  Game.DrawBackground();
  if (View.Traps)
    for (std::size_t i = 1; i < Game.Words.size(); ++i)
      Game.DrawWordLine(static_cast<int>(i), TrapColor);
  // Drawn after the traps so that it lies on top of them.
  if (View.Path) Game.DrawWordLine(0, PathColor);
  Canvas.Font.Color = Game.Settings.FontColor;
  if (View.Text) Picture.DrawLetters(TVornicGame::BlanksToSpaces(Game.Grid));
  if (View.Start && !Game.Words.empty() && Start && Game.InGrid(Start->X, Start->Y))
    DrawStartMark(Game, Canvas, *Start);
  Picture.EndDraw();
}

}  // namespace vornic
