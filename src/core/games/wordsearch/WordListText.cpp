#include "games/wordsearch/WordListText.h"

namespace vornic {

std::string WordListText(const std::vector<std::string>& Words) {
  std::string Text;
  for (const std::string& Word : Words) Text += Word + "\r\n";
  return Text;
}

}  // namespace vornic
