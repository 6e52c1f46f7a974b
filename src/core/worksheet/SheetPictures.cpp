#include "worksheet/SheetPictures.h"

#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic {

void RecordPuzzleView(TVornicGame& Game) {
  if (const GameDescriptor* Descriptor = DescriptorOf(Game))
    Descriptor->RecordSheet(Game, false, KeyStyle::Lines);
}

void RecordAnswerKey(TVornicGame& Game, KeyStyle Style) {
  if (const GameDescriptor* Descriptor = DescriptorOf(Game))
    Descriptor->RecordSheet(Game, true, Style);
}

}  // namespace vornic
