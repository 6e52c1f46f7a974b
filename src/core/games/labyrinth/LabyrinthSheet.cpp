// The word labyrinth on a worksheet: the letters and the start to hand out, the path and traps
// on the key, and the text written out.
#include "document/TVornicGame.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/labyrinth/LabyrinthEntry.h"

namespace vornic {

SheetParts LabyrinthDescriptor::Sheet(const TVornicGame& Game) const {
  SheetParts Parts;
  Parts.Instruction =
      "Start at the marked letter and go from letter to letter, up, down, left or right, to "
      "read a text. Watch out for dead ends! Write the text on the lines.";
  if (!Game.Words.empty())
    Parts.Answer = Game.Codes().Decode(LabyrinthEntry::Parse(Game.Words[0]).Item);
  Parts.Space = AnswerSpace::Lines;
  return Parts;
}

void LabyrinthDescriptor::RecordSheet(TVornicGame& Game, bool AnswerKey, KeyStyle) const {
  ResizeImage(Game);
  DoPaint(Game, AnswerKey ? LabyrinthView::All() : LabyrinthView::Puzzle(),
          StartCellFromDocument(Game));
}

}  // namespace vornic
