#include "games/EntryPath.h"

#include "base/ControlBytes.h"

namespace vornic {

std::optional<std::string> RefuseControlCharacters(std::string_view Text, const std::string& What) {
  if (const auto Code = FirstControlByte(Text))
    return What + " holds a control character (code " + std::to_string(*Code) +
           "), which cannot stand in a puzzle grid. Remove it and build again.";
  return std::nullopt;
}

}  // namespace vornic
