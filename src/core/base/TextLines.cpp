#include "base/TextLines.h"

namespace vornic {

std::vector<std::string> SplitLineBreaks(std::string_view Text) {
  std::vector<std::string> Lines;
  std::size_t Start = 0;
  while (Start < Text.size()) {
    std::size_t End = Text.find_first_of("\r\n", Start);
    if (End == std::string_view::npos) End = Text.size();
    Lines.emplace_back(Text.substr(Start, End - Start));
    if (End < Text.size() && Text[End] == '\r') ++End;
    if (End < Text.size() && Text[End] == '\n') ++End;
    Start = End;
  }
  return Lines;
}

std::string JoinCrLf(const std::vector<std::string>& Lines) {
  std::string Text;
  for (const std::string& Line : Lines) {
    Text += Line;
    Text += "\r\n";
  }
  return Text;
}

}  // namespace vornic
