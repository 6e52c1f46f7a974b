#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vornic {

// A maze grid size: W columns by H rows.
struct MazeSize {
  int W = 0;
  int H = 0;
  bool operator==(const MazeSize&) const = default;
};

// The sizes a maze of Total letters can be built in: every W x H = Total with 3 <= W, H <= 50,
// in increasing W, taken for W from 3 to Total div 2 - 1. Empty when Total is below 9 or has
// no such divisor.
std::vector<MazeSize> OfferedSizes(long long Total);

// Why no size is offered for Total letters and what would help: the count, then the nearest
// totals below and above that have sizes, each with its size nearest to a square ("53 letters:
// no grid from 3 x 3 to 50 x 50 holds exactly 53; remove 3 letters for 5 x 10 or add 1 for
// 6 x 9"). Empty when a size is offered or there are no letters.
std::string NoSizeHint(long long Total);

// The letter total of a phrase and the lines of a word list: every byte counts, spaces too, an
// empty line counts 0.
long long LetterTotal(const std::string& Phrase, const std::vector<std::string>& Lines);

// "%d x %d", width first: the text of a size list item.
std::string FormatSize(MazeSize Size);
// The size of an item: the integer before " x " and the one after it; nothing when the text is
// not of that form.
std::optional<MazeSize> ParseSizeItem(const std::string& Item);

// The offered size nearest to a square (smallest |W - H|; the first such in list order);
// nothing for an empty list.
std::optional<MazeSize> NearestToSquare(const std::vector<MazeSize>& Sizes);

}  // namespace vornic
