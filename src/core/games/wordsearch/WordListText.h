#pragma once

#include <string>
#include <vector>

namespace vornic {

// The word search's "Copy Words to Clipboard": every word followed by CR LF, in the given order
// (an empty list gives an empty text). Bytes pass unchanged, so the result is in the code page
// the words are in.
std::string WordListText(const std::vector<std::string>& Words);

}  // namespace vornic
