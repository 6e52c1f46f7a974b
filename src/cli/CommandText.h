#pragma once

#include <string>
#include <string_view>

#include "base/CodePage.h"

namespace vornic::cli {

// The one rule for the text a build command is given (a --text, a phrase, a word), the same in
// every builder: a text that cannot be used at all is bad usage and throws CliFailure(BadUsage)
// before anything is built. That is text that is not valid UTF-8, holds a control character or a
// character the puzzle's code page cannot hold, or (unless MayBeBlank) holds nothing but spaces.
// A usable text that yields no puzzle is left to the builder, which refuses it with NotBuilt.
// What names the text in the message ("The word \"CAT\""); empty for the command's one text.
// Returns the text upper-cased in Page's bytes.
std::string ReadCommandText(const CodePage& Page, std::string_view Utf8, const std::string& What,
                            bool MayBeBlank = false);

}  // namespace vornic::cli
