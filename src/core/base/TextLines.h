#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornic {

// Lines of a text: CR LF is one line break, and so is a lone CR or a lone LF. A break at the
// very end starts no further line; an empty text has no lines.
std::vector<std::string> SplitLineBreaks(std::string_view Text);

// Every line followed by CR LF, the line ends of game files, word lists and clipboard text.
std::string JoinCrLf(const std::vector<std::string>& Lines);

}  // namespace vornic
