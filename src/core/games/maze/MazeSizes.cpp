#include "games/maze/MazeSizes.h"

#include <charconv>
#include <cstdlib>

#include "base/GridLimits.h"

namespace vornic {

std::vector<MazeSize> OfferedSizes(long long Total) {
  std::vector<MazeSize> Sizes;
  for (long long D = MinGridSide; D <= Total / 2 - 1; ++D) {
    if (D > MaxGridSide) break;  // no later divisor can be offered
    if (Total % D == 0 && Total / D <= MaxGridSide)
      Sizes.push_back({static_cast<int>(D), static_cast<int>(Total / D)});
  }
  return Sizes;
}

long long LetterTotal(const std::string& Phrase, const std::vector<std::string>& Lines) {
  long long Total = static_cast<long long>(Phrase.size());
  for (const std::string& Line : Lines) Total += static_cast<long long>(Line.size());
  return Total;
}

std::string FormatSize(MazeSize Size) {
  return std::to_string(Size.W) + " x " + std::to_string(Size.H);
}

std::optional<MazeSize> ParseSizeItem(const std::string& Item) {
  const auto Cross = Item.find(" x ");
  if (Cross == std::string::npos) return std::nullopt;
  MazeSize Size;
  const char* Begin = Item.data();
  const char* End = Begin + Item.size();
  const auto [WEnd, WError] = std::from_chars(Begin, Begin + Cross, Size.W);
  const auto [HEnd, HError] = std::from_chars(Begin + Cross + 3, End, Size.H);
  if (WError != std::errc() || HError != std::errc() || WEnd != Begin + Cross || HEnd != End)
    return std::nullopt;
  return Size;
}

std::optional<MazeSize> NearestToSquare(const std::vector<MazeSize>& Sizes) {
  std::optional<MazeSize> Best;
  for (const MazeSize& Size : Sizes)
    if (!Best || std::abs(Size.W - Size.H) < std::abs(Best->W - Best->H)) Best = Size;
  return Best;
}

}  // namespace vornic
