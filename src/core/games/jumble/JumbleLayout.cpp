#include "games/jumble/JumbleLayout.h"

#include <algorithm>
#include <cstdint>

namespace vornic {
namespace {

bool IsBlank(char C) {
  return static_cast<std::uint8_t>(C) <= 32;
}

std::string_view Trim(std::string_view Text) {
  while (!Text.empty() && IsBlank(Text.front())) Text.remove_prefix(1);
  while (!Text.empty() && IsBlank(Text.back())) Text.remove_suffix(1);
  return Text;
}

}  // namespace

int JumbleLayout::ColumnStart(int Column) const {
  int Start = 0;
  for (int c = 0; c < Column && c < static_cast<int>(Widths.size()); ++c)
    Start += Widths[static_cast<std::size_t>(c)];
  return Start;
}

std::vector<std::string> SplitJumbleWords(std::string_view Text) {
  std::vector<std::string> Words;
  std::string_view Rest = Trim(Text);
  while (!Rest.empty()) {
    const auto Space = Rest.find(' ');
    Words.emplace_back(Rest.substr(0, Space));
    if (Space == std::string_view::npos) break;
    Rest = Trim(Rest.substr(Space + 1));
  }
  return Words;
}

std::optional<JumbleLayout> FindJumbleLayout(const std::vector<std::string>& Words) {
  const int N = static_cast<int>(Words.size());
  JumbleLayout Layout;
  for (int C = 1; C <= JumbleLayout::MaxWordColumns; ++C) {
    Layout.C = C;
    Layout.R = N / C + (N % C > 0 ? 1 : 0);
    Layout.Widths.assign(static_cast<std::size_t>(C), 0);
    Layout.T = 0;
    for (int c = 0; c < C; ++c) {
      std::size_t M = 0;
      for (int k = c * Layout.R; k < (c + 1) * Layout.R && k < N; ++k)
        M = std::max(M, Words[static_cast<std::size_t>(k)].size());
      // Clamped so that absurdly long words cannot overflow; such a grid is refused anyway.
      const int Longest = static_cast<int>(std::min<std::size_t>(M, 1 << 20));
      const int Width = Longest + Longest / 2 + 1;
      Layout.Widths[static_cast<std::size_t>(c)] = Width;
      Layout.T += Width;
    }
    if (Layout.T >= Layout.R) return Layout;
  }
  return std::nullopt;
}

}  // namespace vornic
