#pragma once

#include <string>
#include <string_view>

#include "base/LetterCase.h"

namespace vornic::cli {

// The one rule for the text a build command is given (a --text, a phrase, a word), the same in
// every builder: a text that cannot be used at all is bad usage and throws CliFailure(BadUsage)
// before anything is built. That is text that is not valid UTF-8, holds a control character or a
// character the puzzle's code page cannot hold, or (unless MayBeBlank) holds nothing but spaces.
// A usable text that yields no puzzle is left to the builder, which refuses it with NotBuilt.
// What names the text in the message ("The word \"CAT\""); empty for the command's one text.
// Returns the text in NFC, upper-cased by Case's language, in its code page's bytes.
std::string ReadCommandText(const LetterCase& Case, std::string_view Utf8, const std::string& What,
                            bool MayBeBlank = false);

// The case rules of a new puzzle of FontCharset with the default character set, as a build
// command that takes no --charset makes it.
const LetterCase& CaseOfNewPuzzle(int FontCharset);

}  // namespace vornic::cli
