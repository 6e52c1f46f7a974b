#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vornic {

class CodePage;

// Draws words at random from a list for a puzzle. A word can be drawn when, upper-cased by the
// code page's rules, that code page holds every one of its characters, it is one word (no space
// or control character) and has 1 to MaxLength characters. No two words drawn repeat each other
// (the same word, or one read backwards as the other), nor repeat a word of Taken.
struct WordPicker {
  const CodePage& Page;
  int MaxLength;

  // The words that can be drawn, upper-cased (UTF-8), each once, in list order.
  std::vector<std::string> Usable(const std::vector<std::string>& Words,
                                  const std::vector<std::string>& Taken = {}) const;
  // Up to Count of them in the order the program's random generator draws them: all of them
  // when the list has no more. The same seed draws the same words.
  std::vector<std::string> Pick(const std::vector<std::string>& Words, std::size_t Count,
                                const std::vector<std::string>& Taken = {}) const;
};

}  // namespace vornic
