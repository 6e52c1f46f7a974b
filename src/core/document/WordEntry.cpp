#include "document/WordEntry.h"

#include <cstdint>

#include "base/EmptyChar.h"

namespace vornic {

SplitWordEntry SplitEntry(std::string_view Entry) {
  const auto Separator = Entry.find(EmptyChar);
  if (Separator == std::string_view::npos) return {Entry, {}, false};
  return {Entry.substr(0, Separator), Entry.substr(Separator + 1), true};
}

std::string EncodePath(const std::vector<GridCell>& Cells) {
  std::string Path;
  Path.reserve(2 * Cells.size());
  for (const GridCell& Cell : Cells) {
    Path += static_cast<char>(Cell.X + PathOffset);
    Path += static_cast<char>(Cell.Y + PathOffset);
  }
  return Path;
}

std::vector<GridCell> DecodePath(std::string_view Path, std::size_t MaxCells) {
  std::vector<GridCell> Cells;
  DecodePath(Path, MaxCells, Cells);
  return Cells;
}

void DecodePath(std::string_view Path, std::size_t MaxCells, std::vector<GridCell>& Cells) {
  for (std::size_t i = 0; i + 1 < Path.size() && 2 * MaxCells > i; i += 2)
    Cells.push_back({static_cast<std::uint8_t>(Path[i]) - PathOffset,
                     static_cast<std::uint8_t>(Path[i + 1]) - PathOffset});
}

}  // namespace vornic
