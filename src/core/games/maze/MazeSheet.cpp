// The word maze on a worksheet: the words to find, blanks for the phrase, and a key that writes
// the phrase out.
#include "base/EmptyChar.h"
#include "document/TVornicGame.h"
#include "games/SheetWords.h"
#include "games/WordMarks.h"
#include "games/maze/MazeDescriptor.h"

namespace vornic {

SheetParts MazeDescriptor::Sheet(const TVornicGame& Game) const {
  SheetParts Parts;
  Parts.Instruction =
      "Find the words. Each one bends from letter to letter: up, down, left or right. The "
      "letters left over spell a secret phrase: write it in the spaces.";
  Parts.PlacedWords = PlacedWords(Game, 1);
  Parts.SortedWords = SortedWords(Game, 1);
  if (!Game.Words.empty()) Parts.Answer = Game.Codes().Decode(SplitEntry(Game.Words[0]).Item);
  Parts.Space = AnswerSpace::Blanks;
  return Parts;
}

// The puzzle without its phrase highlighted. The key: the marks first, then the letters on top,
// the phrase's in the mark colour as the window highlights it.
void MazeDescriptor::RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle Style) const {
  ResizeImage(Game);
  if (!AnswerKey) return Game.DrawGrid(true);
  const std::string Phrase = Game.Words.empty() ? std::string() : Game.WordCells(0);
  std::string Rest = Game.Grid;
  for (std::size_t i = 0; i < Phrase.size() && i < Rest.size(); ++i)
    if (Phrase[i] != EmptyChar) Rest[i] = EmptyChar;
  BeginMarkedGrid(Game, 1, Style, Rest);
  TMetaCanvas& Canvas = *Game.MetaFile.Canvas();
  Canvas.Font.Color = MarkColor(Game);
  Canvas.Font.Bold = true;
  Canvas.Font.Italic = Canvas.Font.Underline = Canvas.Font.StrikeOut = false;
  Game.MetaFile.DrawLetters(TVornicGame::BlanksToSpaces(Phrase));
  Game.MetaFile.EndDraw();
}

}  // namespace vornic
