#include "worksheet/SolverNotes.h"

#include "games/GameDescriptor.h"
#include "games/GameTable.h"

namespace vornic {

SheetParts NotesFor(const TVornicGame& Game) {
  const GameDescriptor* Descriptor = DescriptorOf(Game);
  return Descriptor ? Descriptor->Sheet(Game) : SheetParts{};
}

}  // namespace vornic
