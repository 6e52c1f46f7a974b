#include <algorithm>

#include "document/TVornicGame.h"
#include "games/PageData.h"
#include "games/labyrinth/LabyrinthDescriptor.h"
#include "games/labyrinth/LabyrinthEntry.h"

namespace vornic {
namespace {

// Each entry's whole way from the start: the main path, or the way to a trap's branching cell
// (on the main path or an earlier trap) followed by the trap. Empty for an entry whose branching
// cell lies on no earlier way (a damaged file).
std::vector<std::vector<GridCell>> WaysFromStart(const std::vector<LabyrinthEntry>& Entries) {
  std::vector<std::vector<GridCell>> Ways;
  for (std::size_t t = 0; t < Entries.size(); ++t) {
    const LabyrinthEntry& Trap = Entries[t];
    std::vector<GridCell> Way;
    if (t == 0) {
      Way = Trap.Cells;
    } else if (!Trap.Cells.empty() && Trap.Offset) {
      for (std::size_t e = 0; e < t && Way.empty(); ++e) {
        const LabyrinthEntry& Parent = Entries[e];
        const long long At = static_cast<long long>(*Trap.Offset) - Parent.Offset.value_or(0);
        if (Ways[e].empty() || At < 0 || At >= static_cast<long long>(Parent.Cells.size()) ||
            Parent.Cells[static_cast<std::size_t>(At)] != Trap.Cells[0])
          continue;
        // Parent's way ends with its own cells; its cell At lies that far into them.
        const std::size_t Branch = Ways[e].size() - Parent.Cells.size() + At;
        Way.assign(Ways[e].begin(), Ways[e].begin() + static_cast<long long>(Branch) + 1);
        Way.insert(Way.end(), Trap.Cells.begin() + 1, Trap.Cells.end());
      }
    }
    Ways.push_back(std::move(Way));
  }
  return Ways;
}

}  // namespace

// The letters and the start cell, as the puzzle is handed out. The solver steps from cell to
// cell; every step is judged by the sealed ways that far ("steps": every way's beginnings of two
// or more cells), a trap's whole way ("ends") is a dead end, and the main path ("way") is out.
nlohmann::json LabyrinthDescriptor::PageData(const TVornicGame& Game,
                                             const AnswerSeal& Seal) const {
  nlohmann::json Data = {{"grid", PageGrid(Game, Game.Grid)}};
  std::vector<LabyrinthEntry> Entries;
  for (const std::string& Entry : Game.Words) Entries.push_back(LabyrinthEntry::Parse(Entry));
  if (Entries.empty() || Entries[0].Cells.empty()) return Data;
  Data["start"] = {Entries[0].Cells[0].X, Entries[0].Cells[0].Y};
  if (!Seal.Checks()) return Data;
  const std::vector<std::vector<GridCell>> Ways = WaysFromStart(Entries);
  std::vector<std::string> Steps, Ends;
  for (std::size_t t = 0; t < Ways.size(); ++t) {
    for (std::size_t Length = 2; Length <= Ways[t].size(); ++Length)
      Steps.push_back(Seal.Seal(PathKey({Ways[t].begin(), Ways[t].begin() + Length})));
    if (t > 0 && !Ways[t].empty()) Ends.push_back(Seal.Seal(PathKey(Ways[t])));
  }
  // Sorted and without repeats: the order tells nothing of the ways.
  for (std::vector<std::string>* List : {&Steps, &Ends}) {
    std::sort(List->begin(), List->end());
    List->erase(std::unique(List->begin(), List->end()), List->end());
  }
  Data["steps"] = Steps;
  Data["ends"] = Ends;
  Data["way"] = Seal.Seal(PathKey(Ways[0]));
  return Data;
}

}  // namespace vornic
