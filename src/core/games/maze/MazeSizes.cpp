#include "games/maze/MazeSizes.h"

#include <algorithm>
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

std::string NoSizeHint(long long Total) {
  if (Total <= 0 || !OfferedSizes(Total).empty()) return {};
  constexpr long long Smallest = static_cast<long long>(MinGridSide) * MinGridSide;
  constexpr long long Largest = static_cast<long long>(MaxGridSide) * MaxGridSide;
  const auto SizeOf = [](long long Letters) {
    return FormatSize(*NearestToSquare(OfferedSizes(Letters)));
  };
  std::string Help;
  for (long long Fewer = std::min(Total, Largest + 1) - 1; Fewer >= Smallest; --Fewer)
    if (!OfferedSizes(Fewer).empty()) {
      const long long Remove = Total - Fewer;
      Help = "remove " + std::to_string(Remove) + (Remove == 1 ? " letter" : " letters") + " for " +
             SizeOf(Fewer);
      break;
    }
  for (long long More = std::max(Total, Smallest - 1) + 1; More <= Largest; ++More)
    if (!OfferedSizes(More).empty()) {
      const std::string Add = "add " + std::to_string(More - Total);
      Help += Help.empty() ? Add + (More - Total == 1 ? " letter" : " letters") : " or " + Add;
      Help += " for " + SizeOf(More);
      break;
    }
  const std::string Side = std::to_string(MinGridSide), Far = std::to_string(MaxGridSide);
  return std::to_string(Total) + (Total == 1 ? " letter" : " letters") + ": no grid from " + Side +
         " x " + Side + " to " + Far + " x " + Far + " holds exactly " + std::to_string(Total) +
         "; " + Help;
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
