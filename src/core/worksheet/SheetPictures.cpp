// One small function per game and view behind one dispatch by game name, so that each game's
// worksheet drawing can move into that game's own code as one piece.
#include "worksheet/SheetPictures.h"

#include "base/EmptyChar.h"
#include "document/TVornicGame.h"
#include "games/GameTable.h"
#include "games/jumble/JumbleDrawing.h"
#include "games/labyrinth/LabyrinthDrawing.h"
#include "games/lostletters/LostLettersDrawing.h"

namespace vornic {
namespace {

TColor MarkColor(const TVornicGame& Game) {
  return Game.Settings.FontColor == clRed ? clBlue : clRed;
}

void DrawEveryWordLine(TVornicGame& Game, std::size_t From) {
  for (std::size_t i = From; i < Game.Words.size(); ++i)
    Game.DrawWordLine(static_cast<int>(i), MarkColor(Game));
}

void WordSearchPuzzle(TVornicGame& Game) {
  Game.ResizeImage();
  Game.DrawGrid(true);
}

// The lines go under the letters, so every letter stays readable on the key.
void WordSearchKey(TVornicGame& Game) {
  Game.ResizeImage();
  Game.MetaFile.BeginDraw();
  Game.MetaFile.Restart();
  Game.DrawBackground();
  DrawEveryWordLine(Game, 0);
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  Canvas.Font.Charset = Game.Settings.Charset;
  Canvas.Font.Bold = Game.Settings.Bold != 0;
  Canvas.Font.Color = Game.Settings.FontColor;
  Game.MetaFile.DrawLetters(TVornicGame::BlanksToSpaces(Game.Grid));
  Game.MetaFile.EndDraw();
}

// The maze's phrase in the mark colour as ShowWord(0) draws it, then a line through every word.
// ShowWord closes its own recording, so its two steps are repeated here on one canvas.
void MazeKey(TVornicGame& Game) {
  Game.ResizeImage();
  const std::string Phrase = Game.Words.empty() ? std::string() : Game.WordCells(0);
  const std::string Kept = Game.Grid;
  for (std::size_t i = 0; i < Phrase.size() && i < Game.Grid.size(); ++i)
    if (Phrase[i] != EmptyChar) Game.Grid[i] = EmptyChar;
  Game.MetaFile.BeginDraw();
  Game.DrawGrid(false);
  Game.Grid = Kept;
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  Canvas.Font.Color = MarkColor(Game);
  Canvas.Font.Bold = true;
  Canvas.Font.Italic = Canvas.Font.Underline = Canvas.Font.StrikeOut = false;
  Game.MetaFile.DrawLetters(TVornicGame::BlanksToSpaces(Phrase));
  DrawEveryWordLine(Game, 1);
  Game.MetaFile.EndDraw();
}

void LabyrinthPicture(TVornicGame& Game, const LabyrinthView& View) {
  Game.ResizeImage();
  DoPaint(Game, View, StartCellFromDocument(Game));
}

void JumblePicture(TVornicGame& Game, bool Solution) {
  Game.ResizeImage();
  JumbleDrawing Drawing(Game);
  Drawing.Solution = Solution;
  Drawing.DrawTheGame();
}

void LostLettersPicture(TVornicGame& Game, bool Solution) {
  LostLettersDrawing::ResizeImage(Game);
  LostLettersDrawing Drawing(Game);
  Drawing.Solution = Solution;
  Drawing.DrawTheGame();
}

}  // namespace

void RecordPuzzleView(TVornicGame& Game) {
  if (Game.GameName == GameTypeName::WordLabyrinth)
    return LabyrinthPicture(Game, LabyrinthView::Puzzle());
  if (Game.GameName == GameTypeName::Jumble) return JumblePicture(Game, false);
  if (Game.GameName == GameTypeName::LostLetters) return LostLettersPicture(Game, false);
  WordSearchPuzzle(Game);  // the word search, and the maze without its phrase highlighted
}

void RecordAnswerKey(TVornicGame& Game) {
  if (Game.GameName == GameTypeName::WordMaze) return MazeKey(Game);
  if (Game.GameName == GameTypeName::WordLabyrinth)
    return LabyrinthPicture(Game, LabyrinthView::All());
  if (Game.GameName == GameTypeName::Jumble) return JumblePicture(Game, true);
  if (Game.GameName == GameTypeName::LostLetters) return LostLettersPicture(Game, true);
  WordSearchKey(Game);
}

}  // namespace vornic
