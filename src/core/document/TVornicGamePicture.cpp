// The document's picture operations: the standard grid drawing and the picture exports.
#include <exception>
#include <filesystem>

#include "base/AppPaths.h"
#include "document/GridBackground.h"
#include "document/TVornicGame.h"
#include "document/TextExport.h"
#include "picture/PictureFormat.h"

namespace vornic {

namespace {
constexpr int Cell = TDrawMetaFile::CellSize;

}  // namespace

void TVornicGame::ResizeImage() {
  MetaFile.SetSize(Settings.Cols * Cell + 5, Settings.Rows * Cell + 5);
}

void TVornicGame::ClearPicture() {
  MetaFile.Clear();
}

void TVornicGame::DrawBackground() {
  TMetaCanvas* Canvas = MetaFile.Canvas();
  if (!Canvas) return;
  const int W = MetaFile.Width();
  const int H = MetaFile.Height();
  DrawShadowAndFrame(*Canvas, W, H, Settings, Settings.LineColor);
  if (Settings.GridLines) {
    for (int i = 1; i < Settings.Cols; ++i) {
      Canvas->MoveTo(Cell * i + 1, 1);
      Canvas->LineTo(Cell * i + 1, H - 4);
    }
    for (int j = 1; j < Settings.Rows; ++j) {
      Canvas->MoveTo(1, Cell * j + 1);
      Canvas->LineTo(W - 4, Cell * j + 1);
    }
  }
}

void TVornicGame::DrawGrid(bool Commit) {
  if (Commit) MetaFile.BeginDraw();
  DrawGridOf(Grid);
  if (Commit) MetaFile.EndDraw();
}

void TVornicGame::DrawGridOf(const std::string& Cells) {
  MetaFile.Restart();
  TMetaCanvas& Canvas = *MetaFile.Canvas();
  Canvas.Font.Charset = Settings.Charset;
  Canvas.Font.Bold = Settings.Bold != 0;
  DrawBackground();
  Canvas.Font.Color = Settings.FontColor;
  MetaFile.DrawLetters(BlanksToSpaces(Cells));
}

bool TVornicGame::ShowWord(int Index) {
  if (Index < 0) return false;
  // The grid without the word's letters, drawn from a copy: the document stays as it is.
  std::string Rest = Grid;
  const std::string Mask = WordCells(Index);
  for (std::size_t i = 0; i < Mask.size() && i < Rest.size(); ++i) {
    if (Mask[i] != EmptyChar) Rest[i] = EmptyChar;
  }
  MetaFile.BeginDraw();
  DrawGridOf(Rest);
  TMetaCanvas& Canvas = *MetaFile.Canvas();
  Canvas.Font.Color = Settings.FontColor == clRed ? clBlue : clRed;
  Canvas.Font.Bold = true;
  Canvas.Font.Italic = false;
  Canvas.Font.Underline = false;
  Canvas.Font.StrikeOut = false;
  MetaFile.DrawLetters(BlanksToSpaces(Mask));
  MetaFile.EndDraw();
  return true;
}

void TVornicGame::DrawWordLine(int Index, TColor Color) {
  TMetaCanvas* Canvas = MetaFile.Canvas();
  if (!Canvas || Index < 0 || static_cast<std::size_t>(Index) >= Words.size()) return;
  if (!SplitEntry(Words[static_cast<std::size_t>(Index)]).HasSeparator) return;
  Canvas->Pen.Color = Color;
  Canvas->Pen.Width = 2;
  // A canvas past its operation limit records nothing more: a damaged list of many words is not
  // walked cell by cell for nothing.
  if (Canvas->Overflowed()) return;
  // A path shorter than its word, or one that leaves the grid, ends the line at the last valid
  // cell rather than reading past the entry or drawing outside the picture.
  std::vector<TPoint> Points;
  for (const GridCell& At : EntryCells(Index)) {
    if (!InGrid(At.X, At.Y)) break;
    Points.push_back({At.X * Cell - 7, At.Y * Cell - 7});
  }
  if (Points.empty()) return;
  Canvas->MoveTo(Points.front().X, Points.front().Y);
  for (std::size_t i = 1; i < Points.size(); ++i) Canvas->LineTo(Points[i].X, Points[i].Y);
}

void TVornicGame::SaveImage() {
  if (!Ui) return;
  FileDialogRequest Request;
  Request.Filter = PictureFilter(PictureFormat::Emf);
  if (!MoreImageFilters.empty()) Request.Filter += "|" + MoreImageFilters;
  Request.DefaultExt = "*.emf";
  Request.InitialDir = AppPaths::DialogFolder().string();
  Request.ProposedName = FileName.empty()
                             ? std::string("Untitled.emf")
                             : std::filesystem::path(FileName).replace_extension(".emf").string();
  Request.OverwritePrompt = true;
  const std::optional<std::string> Chosen = Ui->ChooseSaveFile(Request);
  if (!Chosen) return;
  try {
    if (ImageWriter)
      ImageWriter(MetaFile, *Chosen);
    else
      MetaFile.SaveToFile(*Chosen);
  } catch (const std::exception& Failure) {
    Report(Failure);
  }
}

void TVornicGame::CopyAsText() {
  if (!Ui) return;
  ClipboardContent Content;
  Content.Text = Codes().Decode(GridAsText(*this));
  Ui->SetClipboard(Content);
}

}  // namespace vornic
