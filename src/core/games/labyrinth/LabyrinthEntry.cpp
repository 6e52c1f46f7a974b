#include "games/labyrinth/LabyrinthEntry.h"

#include <charconv>

namespace vornic {

LabyrinthEntry LabyrinthEntry::Parse(std::string_view Entry) {
  const SplitWordEntry Parts = SplitEntry(Entry);
  LabyrinthEntry Result;
  Result.Item = std::string(Parts.Item);
  const auto Marker = Parts.After.find(OffsetMarker);
  Result.Cells = DecodePath(Parts.After.substr(0, Marker), Result.Item.size());
  if (Marker != std::string_view::npos) {
    const std::string_view Number = Parts.After.substr(Marker + 1);
    int Value = 0;
    const auto [End, Error] = std::from_chars(Number.data(), Number.data() + Number.size(), Value);
    if (Error == std::errc() && End != Number.data()) Result.Offset = Value;
  }
  return Result;
}

std::string LabyrinthEntry::Encode(const std::vector<GridCell>& Cells, int Offset) {
  return EncodePath(Cells) + OffsetMarker + std::to_string(Offset);
}

}  // namespace vornic
