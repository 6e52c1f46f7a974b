// The lost letters on a worksheet: the mixed block to hand out, the solution on the key, and
// the phrase written out.
#include "document/TVornicGame.h"
#include "games/lostletters/LostLettersDescriptor.h"
#include "games/lostletters/LostLettersDrawing.h"

namespace vornic {

SheetParts LostLettersDescriptor::Sheet(const TVornicGame& Game) const {
  SheetParts Parts;
  Parts.Instruction =
      "The letters of each column fell into the wrong rows. Put them back in their places to "
      "read the phrase, and write it on the lines.";
  // Entry 0 is the phrase cut into the rows, its end padded with spaces.
  if (!Game.Words.empty()) Parts.Answer = Game.Codes().Decode(Game.Words[0]);
  Parts.Space = AnswerSpace::Lines;
  return Parts;
}

void LostLettersDescriptor::RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle) const {
  ResizeImage(Game);
  LostLettersDrawing Drawing(Game);
  Drawing.Solution = AnswerKey;
  // An empty puzzle has nothing to draw: the picture stays blank, as in the window.
  static_cast<void>(Drawing.DrawTheGame());
}

}  // namespace vornic
