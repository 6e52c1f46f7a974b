#include "document/DocumentSnapshot.h"

#include "document/TVornicGame.h"

namespace vornic {

DocumentSnapshot::DocumentSnapshot(const TVornicGame& Game)
    : Grid(Game.Grid),
      Letters(Game.Letters),
      Settings(Game.Settings),
      Words(Game.Words.Items()),
      Picture(Game.MetaFile.Keep()),
      Modified(Game.Modified) {}

void DocumentSnapshot::RestoreTo(TVornicGame& Game) const {
  Game.Grid = Grid;
  Game.Letters = Letters;
  Game.Settings = Settings;
  Game.Words.Assign(Words);
  Game.MetaFile.Restore(Picture);
  // Last: putting the words back counts as a change.
  Game.Modified = Modified;
}

bool DocumentSnapshot::SamePuzzle(const DocumentSnapshot& Other) const {
  return Grid == Other.Grid && Words == Other.Words && Settings == Other.Settings &&
         Letters == Other.Letters;
}

}  // namespace vornic
