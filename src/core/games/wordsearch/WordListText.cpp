#include "games/wordsearch/WordListText.h"

#include "base/TextLines.h"

namespace vornic {

std::string WordListText(const std::vector<std::string>& Words) {
  return JoinCrLf(Words);
}

}  // namespace vornic
