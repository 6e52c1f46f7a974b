#include "base/ControlBytes.h"

namespace vornic {

std::optional<std::uint8_t> FirstControlByte(std::string_view Bytes) {
  for (char C : Bytes)
    if (IsControlByte(C)) return static_cast<std::uint8_t>(C);
  return std::nullopt;
}

}  // namespace vornic
