#include "worksheet/SheetPictures.h"

#include "document/TVornicGame.h"
#include "games/GameDescriptor.h"

namespace vornic {
namespace {

void RecordPlainGrid(TVornicGame& Game) {
  Game.ResizeImage();
  Game.DrawGrid(true);
}

}  // namespace

void RecordPuzzleView(TVornicGame& Game) {
  if (const GameDescriptor* Descriptor = DescriptorOf(Game)) return Descriptor->RecordPuzzle(Game);
  RecordPlainGrid(Game);
}

void RecordAnswerKey(TVornicGame& Game) {
  if (const GameDescriptor* Descriptor = DescriptorOf(Game))
    return Descriptor->RecordAnswerKey(Game);
  RecordPlainGrid(Game);
}

}  // namespace vornic
