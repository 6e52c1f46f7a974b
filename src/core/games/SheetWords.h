#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vornic {

class TVornicGame;

// The words of entries From onwards as a worksheet lists them, UTF-8; an entry without a word
// (a damaged one) is left out.
// In the order the entries hold them: the order the words were placed.
std::vector<std::string> PlacedWords(const TVornicGame& Game, std::size_t From);
// Sorted as "Copy Words to Clipboard" sorts them: the user's locale, letter case ignored.
std::vector<std::string> SortedWords(const TVornicGame& Game, std::size_t From);

}  // namespace vornic
