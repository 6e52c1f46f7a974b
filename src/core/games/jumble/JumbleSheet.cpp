// The jumbled text on a worksheet: the mixed words to hand out, the solution on the key, and
// the text written out in its order.
#include "document/TVornicGame.h"
#include "games/jumble/JumbleDescriptor.h"
#include "games/jumble/JumbleDrawing.h"

namespace vornic {

SheetParts JumbleDescriptor::Sheet(const TVornicGame& Game) const {
  SheetParts Parts;
  Parts.Instruction =
      "Put the letters of each word in the right order and write the word in the boxes. Then "
      "write the whole text on the lines.";
  // Entry 0 is the text as it was typed; the hint records follow it.
  if (!Game.Words.empty()) Parts.Answer = Game.Codes().Decode(SplitEntry(Game.Words[0]).Item);
  Parts.Space = AnswerSpace::Lines;
  return Parts;
}

void JumbleDescriptor::RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle) const {
  ResizeImage(Game);
  JumbleDrawing Drawing(Game);
  Drawing.Solution = AnswerKey;
  static_cast<void>(Drawing.DrawTheGame());
}

}  // namespace vornic
