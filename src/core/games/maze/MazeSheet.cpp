// The word maze on a worksheet: the puzzle, its answer key and what the solver looks for.
#include "base/EmptyChar.h"
#include "document/TVornicGame.h"
#include "games/AnswerMarks.h"
#include "games/maze/MazeDescriptor.h"
#include "games/maze/MazeGame.h"

namespace vornic {
namespace {

// One "_" per character of the phrase, a wider gap for a space.
std::string Blanks(const std::string& Phrase) {
  std::string Result;
  for (const char C : Phrase) Result += C == ' ' ? "  " : "_ ";
  while (!Result.empty() && Result.back() == ' ') Result.pop_back();
  return Result;
}

}  // namespace

void MazeDescriptor::RecordPuzzle(TVornicGame& Game) const {
  RecordGrid(Game);
}

// The maze's phrase in the mark colour as ShowWord(0) draws it, then a line through every word.
// ShowWord closes its own recording, so its two steps are repeated here on one canvas.
void MazeDescriptor::RecordAnswerKey(TVornicGame& Game) const {
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
  DrawWordLines(Game, 1);
  Game.MetaFile.EndDraw();
}

SolverNotes MazeDescriptor::Notes(const TVornicGame& Game) const {
  MazeInput Input = MazeInputFromDocument(Game);
  return {NoteWords(std::move(Input.Words), Game), Blanks(Input.Phrase)};
}

}  // namespace vornic
