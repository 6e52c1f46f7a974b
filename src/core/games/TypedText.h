#pragma once

#include <string>
#include <string_view>

#include "base/CodePage.h"

namespace vornic {

// The one-line text of the jumbled-text and lost-letters games as their upper-casing text field
// holds it, in the document's code page. Refusal is empty when the text can be used; otherwise
// it is the message that names the character the puzzle cannot hold.
struct TypedText {
  std::string Bytes;
  std::string Refusal;
  bool Ok() const { return Refusal.empty(); }
};

// Upper-cases Utf8 and converts it to Page's bytes. Refuses a control character (it would read
// as an empty cell or break the word list's lines) and a character Page cannot hold.
TypedText ReadTypedText(const CodePage& Page, std::string_view Utf8);

// The message for a text that holds a control character, or empty when Bytes holds none.
// Builders check the bytes they are given with it, whatever their source.
std::string ControlCharacterRefusal(std::string_view Bytes);

// Whether Bytes holds nothing but spaces (or nothing at all): a text with nothing to build.
// Builders leave the puzzle as it was for it rather than replace it with an empty one.
bool IsBlankText(std::string_view Bytes);

// What the command-line tool says for such a text.
inline constexpr const char* BlankTextMessage = "The text is empty: there is nothing to build.";

}  // namespace vornic
