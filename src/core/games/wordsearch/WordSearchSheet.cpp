// The word search on a worksheet: the puzzle, its answer key and the words to look for.
#include "document/TVornicGame.h"
#include "games/AnswerMarks.h"
#include "games/wordsearch/WordSearchDescriptor.h"

namespace vornic {

void WordSearchDescriptor::RecordPuzzle(TVornicGame& Game) const {
  RecordGrid(Game);
}

// The lines go under the letters, so every letter stays readable on the key.
void WordSearchDescriptor::RecordAnswerKey(TVornicGame& Game) const {
  Game.ResizeImage();
  Game.MetaFile.BeginDraw();
  Game.MetaFile.Restart();
  Game.DrawBackground();
  DrawWordLines(Game, 0);
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  Canvas.Font.Charset = Game.Settings.Charset;
  Canvas.Font.Bold = Game.Settings.Bold != 0;
  Canvas.Font.Color = Game.Settings.FontColor;
  Game.MetaFile.DrawLetters(TVornicGame::BlanksToSpaces(Game.Grid));
  Game.MetaFile.EndDraw();
}

SolverNotes WordSearchDescriptor::Notes(const TVornicGame& Game) const {
  std::vector<std::string> Words;
  Game.ListWords(Words);
  return {NoteWords(std::move(Words), Game), {}};
}

}  // namespace vornic
