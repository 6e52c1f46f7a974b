#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "games/EntryPath.h"

namespace vornic {

// One word entry of a labyrinth read back: the item's letters, the cells of its path and its
// offset in the text (its k-th cell holds the text's letter Offset + k). Entry 0 is the main
// path with offset 0; every other entry is a trap whose first cell is its branching cell.
struct LabyrinthEntry {
  // Ends the path bytes of every labyrinth entry; the decimal offset follows it.
  static constexpr char OffsetMarker = '\x05';

  std::string Item;
  // At most one cell per letter of Item; fewer when the entry is damaged.
  std::vector<GridCell> Cells;
  // Nothing when there is no offset marker or no number after it.
  std::optional<int> Offset;

  // Reads an entry as a file may hold it: missing or short parts give shorter fields, never an
  // error.
  static LabyrinthEntry Parse(std::string_view Entry);
  // The bytes after the EmptyChar: path, offset marker, decimal offset.
  static std::string Encode(const std::vector<GridCell>& Cells, int Offset);
};

}  // namespace vornic
