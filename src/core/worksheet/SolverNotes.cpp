#include "worksheet/SolverNotes.h"

#include "games/GameDescriptor.h"

namespace vornic {

SolverNotes NotesFor(const TVornicGame& Game) {
  const GameDescriptor* Descriptor = DescriptorOf(Game);
  return Descriptor ? Descriptor->Notes(Game) : SolverNotes{};
}

}  // namespace vornic
