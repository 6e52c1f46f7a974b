#include "games/jumble/JumbleDrawing.h"

#include <cstdint>

#include "document/GridBackground.h"
#include "games/TypedText.h"

namespace vornic {
namespace {

constexpr int Cell = TDrawMetaFile::CellSize;

}  // namespace

bool JumbleDrawing::DrawTheGame() {
  if (Game.Words.size() < 2) return false;
  Game.MetaFile.BeginDraw();
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  // Letters are bytes of the document's code page.
  Canvas.Font.Charset = Game.Settings.Charset;
  PrepareImage();
  Canvas.Font.Color = Game.Settings.MarkFontColor;
  for (std::size_t i = 1; i < Game.Words.size(); ++i) DrawHint(Game.Words[i]);
  Canvas.Brush = {Game.Settings.BackColor, TBrushStyle::Solid};
  // Punctuation and digits stand in the answer cells from the start; the solution adds the
  // letters.
  Canvas.Font.Color = Game.Settings.FontColor;
  Canvas.Font.Bold = Game.Settings.Bold != 0;
  Game.MetaFile.DrawLetters(Solution ? TVornicGame::BlanksToSpaces(Game.Grid)
                                     : GivenCharacters(Game.Codes(), Game.Grid));
  FinishImage();
  Game.MetaFile.EndDraw();
  return true;
}

void JumbleDrawing::PrepareImage() {
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  const int W = Game.MetaFile.Width();
  const int H = Game.MetaFile.Height();
  // The frame is drawn over everything at the end; here it only fills.
  DrawShadowAndFrame(Canvas, W, H, Game.Settings, Game.Settings.BackColor);
  Canvas.Pen.Color = Game.Settings.LineColor;
  if (Game.Settings.GridLines) {
    for (int i = 1; i < Game.Settings.Cols; ++i) {
      Canvas.MoveTo(i * Cell + 1, 1);
      Canvas.LineTo(i * Cell + 1, H - 4);
    }
  }
}

void JumbleDrawing::DrawHint(const std::string& Record) {
  const auto Separator = Record.find(EmptyChar);
  if (Separator == std::string::npos || Record.size() - Separator - 1 < 3) return;
  auto Value = [&Record](std::size_t FromEnd) {
    return static_cast<std::uint8_t>(Record[Record.size() - FromEnd]) - PathOffset;
  };
  const int B = Value(1);
  const int A = Value(2);
  const int Y = Value(3);
  // A box must lie inside the grid and hold at least one cell left of the answer cells.
  if (A < 1 || B <= A || B > Game.Settings.Cols || Y < 1 || Y > Game.Settings.Rows) return;

  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  Canvas.Brush = {Game.Settings.MarkBackColor, TBrushStyle::Solid};
  Canvas.FillRect(A * Cell - 15, Y * Cell - 15, B * Cell - 15, Y * Cell + 1);
  Canvas.MoveTo(B * Cell - 15, Y * Cell - 15);
  Canvas.LineTo(B * Cell - 15, Y * Cell + 1);
  Canvas.MoveTo(A * Cell - 15, Y * Cell - 15);
  Canvas.LineTo(A * Cell - 15, Y * Cell + 1);
  Canvas.Brush.Style = TBrushStyle::Clear;
  Canvas.Font.Bold = false;
  Canvas.TextOut(A * Cell - 11, Y * Cell - 14, std::string_view(Record).substr(0, Separator));
}

void JumbleDrawing::FinishImage() {
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  const int W = Game.MetaFile.Width();
  Canvas.Pen.Color = Game.Settings.LineColor;
  Canvas.Brush.Style = TBrushStyle::Clear;
  Canvas.Rectangle(1, 1, W - 3, Game.MetaFile.Height() - 3);
  if (Game.Settings.GridLines) {
    for (int j = 1; j < Game.Settings.Rows; ++j) {
      Canvas.MoveTo(1, j * Cell + 1);
      Canvas.LineTo(W - 4, j * Cell + 1);
    }
  }
}

}  // namespace vornic
