#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/GridLimits.h"

namespace vornic {

// Where the words of a jumbled text go: C word columns of R rows; word k (from 0) lies in word
// column k / R, row k % R. Each word column is Widths[c] cells wide, enough for its longest word
// of M letters and a hint box of M / 2 + 1 cells; the grid is T cells wide.
struct JumbleLayout {
  static constexpr int MaxWordColumns = 20;
  static constexpr int MaxGridSize = MaxGridSide;

  int C = 1;
  int R = 0;
  int T = 0;
  std::vector<int> Widths;  // one per word column

  // The first grid column of word column Column (from 0), minus one: the sum of the widths to
  // its left.
  int ColumnStart(int Column) const;
  bool FitsGrid() const { return T <= MaxGridSize && R <= MaxGridSize; }
};

// The words of a text: the runs between space characters, with characters up to code 32 trimmed
// from both ends of the text (and of each rest of it, as splitting goes on).
std::vector<std::string> SplitJumbleWords(std::string_view Text);

// The first layout, trying C = 1, 2, 3, ..., whose grid is at least as wide in cells as it is
// tall. Nothing when that would need more than MaxWordColumns word columns. Widths are computed
// in full integers, so a word of any length gives its true width.
std::optional<JumbleLayout> FindJumbleLayout(const std::vector<std::string>& Words);

}  // namespace vornic
