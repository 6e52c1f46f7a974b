#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vornic {

// The one rule for control characters in a document's bytes: the ASCII controls 0x00 to 0x1F
// and DEL (0x7F). They would read as cell markers (the empty cell, the labyrinth's outside and
// offset markers) or break the lines of a game file. 0x80 to 0x9F are printable letters in the
// single-byte code pages a document uses, so they pass.
constexpr bool IsControlByte(char C) {
  const auto Code = static_cast<std::uint8_t>(C);
  return Code < 0x20 || Code == 0x7F;
}

// The code of the first control byte in Bytes, or nothing when there is none.
std::optional<std::uint8_t> FirstControlByte(std::string_view Bytes);

}  // namespace vornic
