#pragma once

#include <variant>
#include <vector>

#include "picture/TDrawMetaFile.h"

namespace vornic::test {

// The operations of one kind in a picture's content, in order.
template <typename Op>
std::vector<Op> OpsOf(const std::vector<DrawOperation>& Ops) {
  std::vector<Op> Found;
  for (const DrawOperation& Each : Ops)
    if (const Op* Match = std::get_if<Op>(&Each)) Found.push_back(*Match);
  return Found;
}

// The letters drawn, each with the top-left corner of its own place (texts with an advance are
// split into characters, spaces left out).
struct PlacedLetter {
  char32_t Letter;
  int X, Y;
  bool operator==(const PlacedLetter&) const = default;
};

inline std::vector<PlacedLetter> PlacedLetters(const std::vector<DrawOperation>& Ops) {
  std::vector<PlacedLetter> Letters;
  for (const draw::Text& Text : OpsOf<draw::Text>(Ops)) {
    for (std::size_t i = 0; i < Text.Characters.size(); ++i) {
      if (Text.Characters[i] == U' ') continue;
      Letters.push_back(
          {Text.Characters[i], Text.At.X + static_cast<int>(i) * Text.Advance, Text.At.Y});
    }
  }
  return Letters;
}

}  // namespace vornic::test
