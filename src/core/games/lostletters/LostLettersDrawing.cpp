#include "games/lostletters/LostLettersDrawing.h"

#include <algorithm>

#include "document/GridBackground.h"
#include "games/TypedText.h"

namespace vornic {
namespace {

constexpr int Cell = TDrawMetaFile::CellSize;

}  // namespace

std::pair<int, int> LostLettersDrawing::PictureSize(const TVornicGame& Game) {
  return {Game.Settings.Cols * Cell + 5, Game.Settings.Rows * 2 * Cell + 10};
}

void LostLettersDrawing::ResizeImage(TVornicGame& Game) {
  const auto [Width, Height] = PictureSize(Game);
  Game.MetaFile.SetSize(Width, Height);
}

int LostLettersDrawing::BlockOffset() const {
  return Game.Settings.Rows * Cell + 5;
}

bool LostLettersDrawing::DrawTheGame() {
  if (Game.Words.empty()) return false;
  const std::size_t Cells = std::size_t{Game.Settings.Cols} * Game.Settings.Rows;
  // Only the cells of the grid are drawn, whatever a damaged file holds.
  const std::string Text = Game.Words[0].substr(0, Cells);
  const std::string Mixed = TVornicGame::BlanksToSpaces(Game.Grid.substr(0, Cells));

  TDrawMetaFile& Picture = Game.MetaFile;
  Picture.BeginDraw();
  TMetaCanvas& Canvas = *Picture.Canvas();
  Canvas.Font.Charset = Game.Settings.Charset;
  const int W = Picture.Width();
  const int H = Picture.Height();
  DrawShadowAndFrame(Canvas, W, H, Game.Settings, Game.Settings.LineColor);
  DrawHighlights(Text);
  Canvas.Brush.Style = TBrushStyle::Clear;
  Canvas.Rectangle(1, 1, W - 3, H - 3);
  Canvas.Brush.Style = TBrushStyle::Solid;
  if (Game.Settings.GridLines) DrawGridLines();
  Picture.DrawLetters(Mixed);
  // Punctuation and digits stand in the answer block from the start, as spaces are marked in
  // it: the solver places the letters.
  Picture.DrawLettersAt(BlockOffset(), Solution ? Text : GivenCharacters(Game.Codes(), Text));
  Picture.EndDraw();
  return true;
}

void LostLettersDrawing::DrawHighlights(const std::string& Text) {
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  const int P = Game.Settings.Cols;
  const int D = BlockOffset();
  Canvas.Brush = {Game.Settings.MarkBackColor, TBrushStyle::Solid};
  for (int X = 1; X <= P; ++X) {
    for (int Y = 1; Y <= Game.Settings.Rows; ++Y) {
      const auto Index = static_cast<std::size_t>((Y - 1) * P + X - 1);
      if (Index >= Text.size() || Text[Index] != ' ') continue;
      Canvas.FillRect(X * Cell - 15, Y * Cell - 15, X * Cell + 1, Y * Cell + 1);
      Canvas.FillRect(X * Cell - 15, Y * Cell - 15 + D, X * Cell + 1, Y * Cell + 1 + D);
    }
  }
}

void LostLettersDrawing::DrawGridLines() {
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  const int W = Game.MetaFile.Width();
  const int H = Game.MetaFile.Height();
  const int Lines = Game.Settings.Rows;
  const int D = BlockOffset();
  auto Line = [&Canvas](int X1, int Y1, int X2, int Y2) {
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
  };
  for (int i = 1; i < Game.Settings.Cols; ++i) {
    const int X = i * Cell + 1;
    Line(X, 1, X, Lines * Cell + 1);
    Line(X, Lines * Cell + 6, X, H - 4);
  }
  for (int j = 1; j < Lines; ++j) {
    const int Y = j * Cell + 1;
    Line(1, Y, W - 4, Y);
    Line(1, Y + D, W - 4, Y + D);
  }
  Line(1, Lines * Cell + 1, W - 4, Lines * Cell + 1);
  Line(1, Lines * Cell + 6, W - 4, Lines * Cell + 6);
}

}  // namespace vornic
