#include "games/EntryPath.h"

#include "base/ControlBytes.h"
#include "base/GridLimits.h"

namespace vornic {

std::optional<std::string> RefuseControlCharacters(std::string_view Text, const std::string& What) {
  if (const auto Code = FirstControlByte(Text))
    return What + " holds a control character (code " + std::to_string(*Code) +
           "), which cannot stand in a puzzle grid. Remove it and build again.";
  return std::nullopt;
}

std::optional<std::string> RefuseUnrecordableGrid(int Cols, int Rows) {
  if (Cols <= MaxPathSide && Rows <= MaxPathSide) return std::nullopt;
  const std::string Side = std::to_string(MaxPathSide);
  return "The grid of " + std::to_string(Cols) + " x " + std::to_string(Rows) +
         " is too large to record where its words lie: a puzzle records at most " + Side +
         " columns and " + Side + " rows. Make the grid smaller in Grid settings.";
}

}  // namespace vornic
